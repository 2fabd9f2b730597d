#include "traffic/weather.h"

// The fixed texts of the weather and navigational-warning broadcasts: station
// lists for the synoptic code bulletins, place names for the plain-language
// reports and the bulletins themselves. See weather.h for the date fields.

namespace kestrel {

// ---------------------------------------------------------------------------
// Synoptic station lists: real three-digit WMO block prefixes of each region.
// ---------------------------------------------------------------------------

// European Russia: the Kola and Karelian coast (block 22), the Pechora and
// Komi country (23), the north-west (26), the central region and the Volga
// (27), the western Urals and Kuibyshev (28), the south (34) and the northern
// Caucasus (37).
static const char wx_european_russia[39][4] = {
    "220", "221", "222", "224", "225", "226", "227", "228", "232", "234", "238", "260", "261",
    "262", "264", "267", "268", "270", "271", "273", "274", "275", "276", "277", "279", "282",
    "284", "287", "289", "340", "341", "342", "345", "347", "348", "349", "370", "371", "372",
};

// Siberia and the Far East: Taimyr and the Arctic coast (20, 21), the Ob
// (23, 28), Yakutia (24), Chukotka and Magadan (25), the Yenisei and the
// Altai (29), Baikal and Transbaikalia (30), the Amur and Primorye (31) and
// Kamchatka (32).
static const char wx_siberia_far_east[30][4] = {
    "206", "208", "218", "219", "233", "236", "239", "242", "243", "246", "249", "250", "255", "259", "283",
    "286", "292", "294", "295", "296", "298", "302", "303", "307", "308", "310", "315", "317", "319", "325",
};

// The Ukraine, Moldavia and the Black Sea and Azov coasts; Odessa and
// Nikolaev share 338, the Crimean stations 339.
static const char wx_ukraine[12][4] = {
    "331", "333", "335", "336", "337", "338", "338", "339", "339", "343", "345", "347",
};

// China, from Heilongjiang to Guangdong.
static const char wx_china[24][4] = {
    "505", "507", "509", "514", "528", "534", "537", "540", "541", "543", "545", "546",
    "548", "555", "562", "567", "570", "574", "576", "582", "583", "584", "588", "592",
};

// The British Isles, the Low Countries, Denmark, Switzerland, France,
// southern Norway and Sweden, Germany and the Atlantic coast of Iberia.
static const char wx_western_europe[30][4] = {
    "030", "031", "032", "033", "035", "037", "038", "039", "060", "061", "062", "063", "064", "066", "070",
    "071", "072", "074", "075", "011", "013", "014", "024", "025", "100", "101", "103", "106", "080", "085",
};

// Mediterranean coasts from Spain to the Levant and North Africa.
static const char wx_mediterranean[20][4] = {
    "081", "082", "083", "084", "076", "077", "161", "162", "163", "164",
    "165", "166", "167", "170", "172", "176", "401", "603", "607", "623",
};

// North America: the United States blocks hold dozens of stations each, so
// the Gulf coast, the Atlantic seaboard and the interior come more than once.
static const char wx_north_america[24][4] = {
    "722", "722", "722", "723", "723", "724", "724", "725", "725", "726", "727", "727",
    "713", "716", "717", "718", "718", "719", "702", "703", "780", "783", "766", "042",
};

// South America and Africa.
static const char wx_south_america_africa[20][4] = {
    "821", "823", "829", "832", "837", "839", "865", "875", "878", "855",
    "846", "804", "616", "652", "655", "661", "637", "683", "685", "688",
};

const WxStationList wx_lists[WX_LIST_COUNT] = {
    {wx_european_russia, 39}, {wx_siberia_far_east, 30}, {wx_ukraine, 12},     {wx_china, 24},
    {wx_western_europe, 30},  {wx_mediterranean, 20},    {wx_north_america, 24}, {wx_south_america_africa, 20},
};

// ---------------------------------------------------------------------------
// Place names for the plain-language weather reports.
// ---------------------------------------------------------------------------

static const char wx_places_arctic[12][16] = {
    "DIKSON",      "AMDERMA",       "TIKSI",      "PEVEK", "KHATANGA", "MYS CHELYUSKIN",
    "MYS SHMIDTA", "MALYE KARMAKULY", "OSTROV VIZE", "MYS ZHELANIYA", "CHOKURDAKH", "UELEN",
};

static const char wx_places_baltic[10][16] = {
    "LENINGRAD", "TALLIN", "RIGA", "KLAIPEDA", "KALININGRAD", "LIEPAJA", "VENTSPILS", "BALTIYSK", "VYBORG", "KRONSHTADT",
};

static const char wx_places_far_east[12][16] = {
    "VLADIVOSTOK", "NAKHODKA", "POSYET",  "KHOLMSK", "KORSAKOV",      "DE-KASTRI",
    "NIKOLAEVSK",  "AYAN",     "OKHOTSK", "MAGADAN", "PETROPAVLOVSK", "PROVIDENIYA",
};

const WxPlaceList wx_places[WX_PLACES_COUNT] = {
    {wx_places_arctic, 12},
    {wx_places_baltic, 10},
    {wx_places_far_east, 12},
};

const char wind_dir[16][4] = {"N",   "S",   "E",   "W",   "NE",  "NW",  "SE",  "SW",
                              "ENE", "ESE", "SSW", "NNE", "SSE", "NNW", "WSW", "WNW"};

// ---------------------------------------------------------------------------
// NAVAREA and METAREA bulletins.
// ---------------------------------------------------------------------------

const char *const _navarea_i =
    "NAVAREA ONE 258/{YY} {DAY}{HOUR}{MIN}Z {MON} {YY} = "
    "SOUTHERN NORTH SEA. DANGEROUS WRECK REPORTED IN 52-31.4N 002-18.7E, LEAST DEPTH OVER IT 14 METRES. "
    "WIDE BERTH REQUESTED. = "
    "NAVAREA ONE 259/{YY} = ST GEORGES CHANNEL. SOUTH BISHOP LIGHT 51-51.2N 005-24.7W OPERATING AT REDUCED "
    "POWER, RANGE 10 MILES, UNTIL FURTHER NOTICE. = "
    "NAVAREA ONE 260/{YY} = NORTH CHANNEL. LUCE BAY. AIR TO SURFACE FIRING {NEXTDAY} 0800Z TO 1600Z IN DANGER "
    "AREA BOUNDED BY 54-48N 004-55W, 54-48N 004-42W, 54-39N 004-42W, 54-39N 004-55W. VESSELS SHOULD KEEP "
    "CLEAR. = "
    "NAVAREA ONE 261/{YY} = WESTERN APPROACHES. CABLE SHIP CONCORDIA LAYING CABLE BETWEEN 50-01N 005-45W AND "
    "49-31N 007-44W, SHOWING SIGNALS OF A VESSEL RESTRICTED IN HER ABILITY TO MANOEUVRE. PASS AT NOT LESS THAN "
    "2 MILES. = "
    "CANCEL 251/{YY} = ";

const char *const _navarea_ii =
    "NAVAREA TWO {DAY}{HOUR}{MIN}Z {MON} {YY} = "
    "NAVAREA TWO 142/{YY}. BAY OF BISCAY. GIRONDE APPROACHES. LIGHTBUOY BXA 45-37.6N 001-28.7W OFF STATION, "
    "REPLACEMENT EXPECTED WITHIN 48 HOURS. = "
    "NAVAREA TWO 143/{YY}. LANDES MISSILE RANGE. FIRINGS {NEXTDAY} FROM 0700Z TO 1800Z. DANGER AREA BOUNDED BY "
    "THE COAST AND 44-50N 001-15W, 44-50N 003-00W, 44-05N 003-00W, 44-05N 001-20W. NAVIGATION, ANCHORING AND "
    "FISHING PROHIBITED. = "
    "NAVAREA TWO 144/{YY}. OFF CABO FINISTERRE. DRIFTING CONTAINER, ABOUT 12 METRES LONG, FLOATING AWASH, "
    "SIGHTED AT {DAY}0630Z IN 43-12N 009-58W. = "
    "NAVAREA TWO 145/{YY}. ATLANTIC COAST OF MOROCCO. CAP SPARTEL LIGHT 35-47.5N 005-55.4W EXTINGUISHED. = "
    "CANCEL NAVAREA TWO 137/{YY} AND 139/{YY} = ";

const char *const _navarea_iii =
    " = {DAY}{HOUR}{MIN}Z {MON} {YY} = "
    "NAVAREA III 317/{YY}. ALBORAN SEA. ISLA DE ALBORAN LIGHT 35-56.4N 003-02.0W UNRELIABLE. = "
    "NAVAREA III 318/{YY}. BALEARIC SEA. NAVAL GUNNERY EXERCISES, SURFACE TO AIR, {NEXTDAY} 0900Z TO 1500Z IN "
    "AREA 39-05N 002-20E, 39-05N 003-10E, 38-40N 003-10E, 38-40N 002-20E. MARINERS ARE REQUESTED TO REMAIN "
    "OUTSIDE THIS AREA. = "
    "NAVAREA III 319/{YY}. TYRRHENIAN SEA. ABANDONED YACHT, WHITE HULL, MAST BROKEN, ADRIFT IN 40-43N 012-16E "
    "AT {DAY}0500Z. DANGER TO NAVIGATION. = "
    "NAVAREA III 320/{YY}. STRAIT OF SICILY. CABLE REPAIR OPERATIONS IN PROGRESS NEAR 37-18N 011-24E UNTIL "
    "{NEXTDAY}. CABLE SHIP UNABLE TO MANOEUVRE, GIVE HER A WIDE BERTH. = "
    "CANCEL NAVAREA III 305/{YY} = ";

const char *const _navarea_iv =
    " {DAY}{HOUR}{MIN}Z {MON} {YY} = "
    "NAVAREA IV 612/{YY}. NORTH CAROLINA. DIAMOND SHOALS LIGHT TOWER 35-09N 075-18W EXTINGUISHED. FOG SIGNAL "
    "OPERATING. = "
    "NAVAREA IV 613/{YY}. FLORIDA. MISSILE LAUNCH FROM CAPE CANAVERAL {NEXTDAY} BETWEEN 1400Z AND 1730Z. "
    "HAZARDOUS AREA BOUNDED BY 28-30N 080-20W, 28-45N 079-30W, 28-05N 079-05W, 27-55N 080-05W. FALLING "
    "DEBRIS. = "
    "NAVAREA IV 614/{YY}. GULF OF MAINE. HULL OF FISHING VESSEL, CAPSIZED AND PARTLY SUBMERGED, SIGHTED {DAY}1120Z "
    "IN 42-48N 068-31W. = "
    "NAVAREA IV 615/{YY}. VIRGINIA CAPES. NAVY SURFACE GUNNERY EXERCISES DAILY 1200Z TO 2200Z THROUGH {NEXTDAY} "
    "IN AREA 36-50N 074-50W, 36-50N 074-10W, 36-20N 074-10W, 36-20N 074-50W. = "
    "CANCEL NAVAREA IV 598/{YY} AND 604/{YY} = ";

const char *const _navarea_v =
    " = {DAY}{HOUR}{MIN}Z {MON} {YY} = "
    "NAVAREA V 087/{YY}. NORTH COAST. RIO PARA APPROACHES. LIGHTBUOY NUMBER 4 00-32.0S 047-52.4W MISSING. = "
    "NAVAREA V 088/{YY}. ABROLHOS BANK. SANTA BARBARA ISLAND LIGHT 17-57.8S 038-41.9W EXTINGUISHED. = "
    "NAVAREA V 089/{YY}. OFF CABO FRIO. NAVAL FIRING EXERCISES {NEXTDAY} 1100Z TO 2000Z IN AREA 23-20S 041-50W, "
    "23-20S 041-10W, 23-50S 041-10W, 23-50S 041-50W. = "
    "NAVAREA V 090/{YY}. CAMPOS BASIN. DRILLING RIG ESTABLISHED IN 22-24.6S 040-05.1W, ANCHORS LAID OUT TO 1 MILE "
    "FROM THE RIG. = "
    "CANCEL NAVAREA V 079/{YY} = ";

const char *const _navarea_vii_even =
    " = {DAY}{HOUR}{MIN}Z {MON} {YY} = "
    "NAVAREA VII 214/{YY}. WEST COAST. SALDANHA BAY APPROACHES. NORTH HEAD LIGHTBUOY 33-04.5S 017-55.0E UNLIT. = "
    "NAVAREA VII 215/{YY}. FALSE BAY. NAVAL GUNNERY PRACTICE {NEXTDAY} 0630Z TO 1430Z WITHIN 6 MILES OF 34-20S "
    "018-40E. SHIPPING TO KEEP CLEAR. = "
    "NAVAREA VII 216/{YY}. SOUTH OF CAPE AGULHAS. ICEBERG ESTIMATED 200 METRES LONG SIGHTED {DAY}0915Z IN "
    "40-35S 021-10E, DRIFTING NORTHEAST ABOUT 1 KNOT. GROWLERS LIKELY IN VICINITY. = "
    "CANCEL NAVAREA VII 208/{YY} = ";

const char *const _navarea_vii_odd =
    " = {DAY}{HOUR}{MIN}Z {MON} {YY} = "
    "NAVAREA VII 221/{YY}. NATAL COAST. RICHARDS BAY. DREDGING IN THE ENTRANCE CHANNEL, DREDGER DISPLAYS THE "
    "PRESCRIBED SIGNALS. PASS AT SLOW SPEED. = "
    "NAVAREA VII 222/{YY}. ALGOA BAY. BIRD ISLAND LIGHT 33-50.4S 026-17.3E OUT OF ORDER. = "
    "NAVAREA VII 223/{YY}. SOUTH WEST AFRICA. LIFERAFT, ORANGE CANOPY, NOBODY ON BOARD, FOUND {DAY}1340Z IN "
    "24-12S 013-55E. SHIPS IN THE AREA KEEP A SHARP LOOKOUT AND REPORT TO WALVIS BAY RADIO. = "
    "NAVAREA VII 224/{YY}. AGULHAS BANK. EXPLORATION RIG ON LOCATION 34-38S 022-10E UNTIL {NEXTDAY}. = "
    "CANCEL NAVAREA VII 215/{YY} AND 219/{YY} = ";

const char *const _navarea_viii =
    " = {DAY}{HOUR}{MIN}Z {MON} {YY} = "
    "NAVAREA VIII 076/{YY}. BAY OF BENGAL. SANDHEADS. EASTERN CHANNEL LIGHT VESSEL 21-04N 088-12E WITHDRAWN FOR "
    "REPAIRS, TEMPORARILY REPLACED BY A LIGHTED BUOY. = "
    "NAVAREA VIII 077/{YY}. ANDHRA COAST. NAVAL FIRING PRACTICE OFF VISAKHAPATNAM {NEXTDAY} FROM 0330Z TO 1130Z IN "
    "AREA BOUNDED BY 17-35N 083-30E, 17-35N 084-10E, 17-05N 084-10E, 17-05N 083-30E. = "
    "NAVAREA VIII 078/{YY}. ARABIAN SEA. BOMBAY HARBOUR APPROACHES. SUNKEN DHOW IN 18-52.3N 072-45.6E, MASTS "
    "SHOWING AT LOW WATER. = "
    "NAVAREA VIII 079/{YY}. GULF OF MANNAR. SEISMIC SURVEY VESSEL TOWING A CABLE 3 MILES ASTERN IN VICINITY OF "
    "08-40N 078-45E. = "
    "CANCEL NAVAREA VIII 070/{YY} = ";

const char *const _navarea_ix =
    " = {DAY}{HOUR}{MIN}Z {MON} {YY} = "
    "NAVAREA IX 133/{YY}. PAKISTAN COAST. KARACHI APPROACHES. FAIRWAY LIGHTBUOY 24-46.2N 066-57.8E UNLIT. = "
    "NAVAREA IX 134/{YY}. ARABIAN GULF. NEW PRODUCTION PLATFORM ESTABLISHED IN 27-01.5N 051-35.0E, EXHIBITING "
    "LIGHTS AND SOUNDING A FOG SIGNAL. = "
    "NAVAREA IX 135/{YY}. MAKRAN COAST. PAKISTAN NAVY MISSILE FIRING {NEXTDAY} 0400Z TO 1000Z. DANGER AREA "
    "RADIUS 20 MILES CENTRED 24-20N 062-40E. = "
    "NAVAREA IX 136/{YY}. RED SEA. DANGEROUS WRECK WITH MASTS VISIBLE IN 20-48N 038-20E. = "
    "CANCEL NAVAREA IX 121/{YY} = ";

const char *const _navarea_xi =
    "{DAY}{HOUR}{MIN}Z {MON} {YY} = "
    "NAVAREA XI 430/{YY}. SOUTH OF KYUSHU. ROCKET LAUNCHING FROM TANEGASHIMA {NEXTDAY} 0200Z TO 0500Z. DANGER "
    "AREAS 30-20N 131-05E, 30-20N 131-40E, 29-40N 131-40E, 29-40N 131-05E AND 28-40N 133-10E, 28-40N 134-20E, "
    "27-50N 134-20E, 27-50N 133-10E. = "
    "NAVAREA XI 429/{YY}. EAST CHINA SEA. MANY FISHING NETS ADRIFT NEAR 31-10N 126-35E. = "
    "NAVAREA XI 428/{YY}. TSUGARU STRAIT. TAPPI SAKI LIGHT 41-15.4N 140-20.6E EXTINGUISHED. = "
    "NAVAREA XI 427/{YY}. PHILIPPINE SEA. US NAVY GUNNERY EXERCISES UNTIL {NEXTDAY} 0800Z WITHIN 30 MILES OF "
    "24-15N 136-50E. = "
    "CANCEL NAVAREA XI 418/{YY} = ";

const char *const _navarea_xiii =
    " {DAY}{HOUR}{MIN}Z {MON} {YY} = "
    "NAVAREA XIII 142/{YY}. SEA OF JAPAN. PETER THE GREAT GULF. GUNNERY FIRING FROM {DAY}2300Z TO {NEXTDAY}0900Z "
    "IN AREA 42-40N 131-40E, 42-40N 132-20E, 42-20N 132-20E, 42-20N 131-40E. NAVIGATION PROHIBITED. = "
    "NAVAREA XIII 143/{YY}. SEA OF OKHOTSK. ICE EDGE RUNS 53-30N 143-50E, 52-10N 146-30E, 50-00N 147-20E. "
    "DRIFTING FLOES SOUTH OF THIS LINE. = "
    "NAVAREA XIII 144/{YY}. TATAR STRAIT. SOVETSKAYA GAVAN APPROACHES. LIGHTED BUOY 49-02.5N 140-22.0E OFF "
    "STATION. = "
    "NAVAREA XIII 145/{YY}. PACIFIC OCEAN EAST OF KAMCHATKA. HAZARDOUS OPERATIONS UNTIL {NEXTDAY}1200Z WITHIN "
    "40 MILES OF 52-30N 163-00E. = "
    "CANCEL NAVAREA XIII 131/{YY} AND 136/{YY} = ";

const char *const _metarea_xx =
    "METAREA XX {DAY}{HOUR}{MIN}Z {MON} {YY} = "
    "GALE WARNING. BARENTS SEA WEST OF 40E, NORTHWEST WINDS 15 TO 20 M/S UNTIL {NEXTDAY}0600Z. = "
    "SYNOPSIS AT {DAY}{SYN}00Z. LOW 988 MB 72N 45E MOVING EAST 25 KNOTS, EXPECTED 74N 60E 980 MB BY "
    "{NEXTDAY}1200Z. HIGH 1030 MB OVER SEVERNAYA ZEMLYA, STATIONARY. = "
    "FORECAST VALID UNTIL {NEXTDAY}{HOUR}00Z. = "
    "SOUTHERN BARENTS SEA. WIND NW 12 TO 17 M/S, DECREASING 8 TO 12 M/S AFTER {NEXTDAY}0300Z. SNOW SHOWERS, "
    "VISIBILITY 1 TO 2 MILES. SEA 4 TO 5 METRES. = "
    "PECHORA SEA. WIND W 10 TO 14 M/S. SNOW. SEA 3 METRES. MODERATE ICING UNTIL {NEXTDAY}0000Z. = "
    "SOUTHWESTERN KARA SEA. WIND S TURNING SW 8 TO 13 M/S BY {NEXTDAY}0900Z. OVERCAST, SNOW, VISIBILITY BELOW "
    "1 MILE AT TIMES. = "
    "NORTHEASTERN KARA SEA. WIND E 5 TO 8 M/S. FAIR. AIR TEMPERATURE MINUS 18 TO MINUS 22. = "
    "OUTLOOK FOR 24 HOURS FROM {NEXTDAY}{HOUR}00Z. GALES SPREADING EAST INTO THE KARA GATE. = ";

const char *const _xsg_nw =
    " NAV WARNING NR 84/{YY} {DAY}{HOUR}{MIN}Z {MON} {YY} = "
    "CHANGJIANG ESTUARY. NO 3 LIGHTED BUOY OF THE SOUTH CHANNEL 31-07.4N 121-55.8E DISPLACED BY COLLISION, "
    "POSITION UNRELIABLE. = "
    "EAST CHINA SEA. MILITARY EXERCISES WILL BE HELD FROM {NEXTDAY} 0000Z TO 0900Z IN AREA BOUNDED BY 30-40N "
    "123-00E, 30-40N 123-40E, 30-10N 123-40E, 30-10N 123-00E. ALL VESSELS ARE REQUESTED NOT TO ENTER THE AREA "
    "DURING THIS PERIOD. = "
    "ZHOUSHAN ISLANDS. SUNKEN CARGO VESSEL IN 29-58.2N 122-25.5E, DEPTH OVER WRECK 9 METRES, MARKED BY A WRECK "
    "BUOY. = "
    "NAV WARNING NR 79/{YY} IS CANCELLED. = NNNN ";

// ---------------------------------------------------------------------------
// NSS: the Navy's gale warnings, the analysis in code and the forecast.
// ---------------------------------------------------------------------------

const char *const nss_part_one =
    "= north atlantic and gulf of mexico {MON} {DAY} {HOUR}00z. "
    "gale warning. low 988 mb 44n 56w moving ene 25 kts. winds 35 to 45 kts seas 14 to 20 ft within 400 mi n "
    "semicircle. storm warning. low 972 mb 58n 33w nearly stationary, winds 50 to 60 kts seas 25 to 32 ft "
    "within 300 mi w and sw quadrants. gale warning. nw winds 35 kts behind cold front 31n 60w to 25n 72w = ";

const char *const nss_1 =
    "99900 81988 44565 06525 81972 58330 00000 81996 63600 04515 81004 29800 03010 82032 36380 "
    "09010 82034 50750 12005 82028 60100 00000 99922 66200 44565 41580 37620 33660 31700 28740 "
    "66300 44565 45520 45470 66400 58330 57290 54260 51250 66200 51250 46270 41300 37340 66300 "
    "51250 52210 51180 99944 44000 63640 60570 56500 52440 50360 53300 44008 66660 61560 54480 "
    "48420 44380 40330 38300 44016 40780 38700 36620 35560 37500 44024 33720 32660 33600 19191 ";

const char *const nss_2 =
    "nss nss = part four = forecasts valid 24 hours from {DAY}{SYN}00z = "
    "north of 40n west of 50w. winds ne 25 to 35 kts increasing 40 kts by {NEXTDAY}0000z near newfoundland. "
    "seas 12 to 16 ft. rain and snow, vsby below 2 mi. = "
    "40n to 50n east of 40w. sw winds 30 to 40 kts veering nw behind front. seas 15 to 22 ft. squalls. = "
    "south of 30n west of 60w. ne trades 15 to 20 kts, seas 6 to 8 ft, scattered showers. = "
    "gulf of mexico. variable 10 kts or less = ";

// ---------------------------------------------------------------------------
// Synoptic collective of the British Isles (after "AAXX {DAY}{SYN}4 =").
// ---------------------------------------------------------------------------

const char *const gfa_wx =
    "03005 41458 82528 10081 20069 49987 52021 76166 87570 = "
    "03017 41460 72326 10088 20071 49996 52018 72582 86500 = "
    "03026 41555 82334 10085 20077 49978 52025 76265 87670 = "
    "03075 41962 62318 10093 20064 40012 52016 70262 85300 = "
    "03091 41970 52214 10112 20068 40033 52012 70322 84200 = "
    "03162 11445 82416 10079 20074 49994 52019 60081 76166 87670 = "
    "03171 41968 42213 10124 20081 40041 52014 70200 83100 = "
    "03204 41560 82422 10118 20101 40009 52023 76162 87570 = "
    "03302 41665 72426 10126 20104 40028 52026 78082 86800 = "
    "03502 11562 82524 10119 20108 40030 52027 60041 76362 87670 = "
    "03772 41980 41812 10146 20082 40091 52011 70200 82101 = "
    "03797 41985 31710 10139 20078 40107 52008 70100 81002 = "
    "03808 41660 72520 10132 20110 40061 52022 78180 86800 = "
    "03917 11462 72418 10102 20089 49996 52021 60051 76166 87570 = "
    "03953 41670 72730 10121 20096 40042 52032 78082 86900 = ";

// ---------------------------------------------------------------------------
// Plain-language forecasts.
// ---------------------------------------------------------------------------

const char *const uswb_txt =
    "small craft warnings are displayed from block island to cape henlopen. = "
    "eastport to block island. southwest winds 15 to 25 knots this afternoon shifting to northwest 20 to 30 "
    "knots {WEEKDAY} night. showers and scattered thunderstorms. visibility lowering to 2 miles in showers and "
    "patchy fog. = "
    "block island to cape henlopen. southwest winds 20 to 25 knots becoming west 15 to 25 knots late tonight. "
    "seas 5 to 8 feet. = "
    "cape henlopen to cape hatteras. south to southwest winds 10 to 20 knots. mostly fair {WEEKDAY} except "
    "widely scattered showers north portion. seas 3 to 5 feet = ";

const char *const brasil_wx_4 =
    "AREA ALFA FROM ARROIO CHUI TO CABO DE SANTA MARTA. WIND SW FORCE 6 TO 7 GUSTS 8, BACKING S. RAIN SHOWERS. "
    "VISIBILITY MODERATE TO POOR. SEA ROUGH TO VERY ROUGH. = "
    "AREA BRAVO FROM CABO DE SANTA MARTA TO CABO FRIO. WIND NE 4 TO 5, SHIFTING SW 6 AFTER PASSAGE OF COLD "
    "FRONT. CLOUDY WITH DRIZZLE. VISIBILITY GOOD BECOMING MODERATE. SEA MODERATE. = ";

const char *const brasil_wx_5 =
    "AREA CHARLIE FROM CABO FRIO TO CARAVELAS. NE 3 TO 4. PARTLY CLOUDY. GOOD. SLIGHT TO MODERATE. = "
    "AREA DELTA FROM CARAVELAS TO SALVADOR. E TO SE 3 TO 4. ISOLATED SHOWERS. GOOD. = "
    "AREA ECHO FROM SALVADOR TO NATAL. SE 4 OCCASIONALLY 5. SHOWERS NEAR THE COAST. SEA MODERATE. = "
    "AREA FOXTROT FROM NATAL TO SAO LUIS. E 4. FAIR. = "
    "AREA HOTEL OCEANIC SOUTH. W TO NW 5 TO 6. SWELL FROM SOUTH 3 METRES = ";

const char *const bmb_wx_txt =
    "WEATHER FORECAST ISSUED {DAY}{HOUR}00Z VALID UNTIL {NEXTDAY}{HOUR}00Z = "
    "SYNOPSIS. NORTHEAST MONSOON SURGE SPREADING SOUTH ALONG THE CHINA COAST. HIGH 1036 MB 38N 112E MOVING "
    "ESE SLOWLY. = "
    "TAIWAN STRAIT. NE WINDS FORCE 6 TO 7, GUSTS 8. SEAS ROUGH TO VERY ROUGH. CLOUDY WITH INTERMITTENT RAIN. = "
    "BASHI CHANNEL. NE FORCE 6. ROUGH SEAS. = "
    "NORTHERN SOUTH CHINA SEA. NE WINDS FORCE 5 TO 6 INCREASING 7 BY {NEXTDAY}0600Z. SEA ROUGH. = "
    "SOUTHERN SOUTH CHINA SEA. NE FORCE 4. PASSING SHOWERS, VISIBILITY GOOD = ";

const char *const japan_wx_tokyo =
    "TOKYO COASTAL AREA FORECAST VALID UNTIL {NEXTDAY}{HOUR}00Z = "
    "TOKYO BAY. NORTHEAST WIND 10 TO 15 KNOTS, CLOUDY WITH OCCASIONAL RAIN. = "
    "SAGAMI NADA AND OFF BOSO. NORTHEAST 20 TO 25 KNOTS, RAIN, WAVES 2.5 METERS. = "
    "KASHIMA NADA. NORTH 20 KNOTS, HEAVY SWELL. = "
    "IZU ISLANDS. EAST 25 KNOTS, POOR VISIBILITY IN RAIN = ";

const char *const japan_wx_kobe =
    "KOBE MARINE FORECAST UNTIL {NEXTDAY}0000Z = "
    "OSAKA BAY AND HARIMA NADA. WEST WIND 15 KNOTS, FINE THEN CLOUDY. MORNING HAZE, VISIBILITY 2 MILES. = "
    "KII SUIDO. SOUTHWEST 20 KNOTS, RAIN SPREADING FROM THE SOUTH TONIGHT, WAVES 2 METERS. = "
    "BUNGO SUIDO AND AKI NADA. LIGHT VARIABLE WINDS, FOG PATCHES = ";

const char *const japan_wx_nagoya =
    "NAGOYA COASTAL WEATHER UNTIL {NEXTDAY}0300Z = "
    "ISE BAY AND MIKAWA BAY. NORTHWEST WIND 20 KNOTS, GUSTING 30 AT THE BAY MOUTH. FAIR. = "
    "ENSHU NADA. NORTHWEST 25 KNOTS, WAVES 3 METERS, SOUTHEAST SWELL. = "
    "KUMANO NADA. WEST 20 KNOTS, SHOWERS. GALE WARNING CONTINUES FOR THE OFFSHORE WATERS = ";

const char *const japan_wx_sendai =
    "SENDAI COASTAL FORECAST VALID TO {NEXTDAY}1200Z = "
    "OFF SANRIKU. SOUTHEAST 10 KNOTS BACKING NORTHEAST 20 KNOTS. DENSE FOG, VISIBILITY UNDER HALF A MILE. = "
    "SENDAI BAY AND OFF FUKUSHIMA. EAST 15 KNOTS, DRIZZLE, WAVES 1.5 METERS. = "
    "EASTERN APPROACH TO TSUGARU STRAIT. SOUTHWEST 15 KNOTS, CLOUDY = ";

const char *const gka_wx_txt =
    "GALE WARNINGS IN FORCE AT {DAY}{HOUR}00Z. VIKING, FORTIES, CROMARTY, FORTH, FAIR ISLE, FAEROES, SOUTHEAST "
    "ICELAND. = "
    "GENERAL SYNOPSIS AT {DAY}{SYN}00Z. LOW 250 MILES WEST OF FAEROES 968 MOVING NORTHEAST, EXPECTED SOUTHERN "
    "NORWEGIAN SEA 972 BY {NEXTDAY}0600Z. RIDGE FROM THE AZORES TO BISCAY. = "
    "AREA FORECASTS VALID UNTIL {NEXTDAY}{HOUR}00Z. = "
    "VIKING, FORTIES. SOUTHWEST 7 TO SEVERE GALE 9, VEERING WEST 6 LATER. RAIN THEN SQUALLY SHOWERS. "
    "MODERATE, GOOD LATER. = "
    "CROMARTY, FORTH. WEST 6 TO GALE 8, DECREASING 5. SHOWERS. GOOD. = "
    "TYNE, DOGGER, FISHER, GERMAN BIGHT. WEST 5 OR 6, OCCASIONALLY 7 AT FIRST. SHOWERS. GOOD. = "
    "HUMBER, THAMES, DOVER, WIGHT. WEST 4 OR 5. FAIR. GOOD. = "
    "PORTLAND, PLYMOUTH, BISCAY, FINISTERRE, SOLE. NORTHWEST 3 OR 4, BACKING SOUTHWEST 5 BY {NEXTDAY}0600Z. "
    "FAIR. MODERATE OR GOOD. = "
    "FAIR ISLE, FAEROES, SOUTHEAST ICELAND. SOUTHWEST GALE 8 TO STORM 10, VEERING NORTHWEST. HEAVY SHOWERS. "
    "POOR = ";

// ---------------------------------------------------------------------------
// Soviet broadcasts, in the Latin letters of Russian Morse.
// ---------------------------------------------------------------------------

// Weather forecast for the seas of the USSR.
const char *const qtc_891 =
    "PROGNOZ POGODY PO MOR!M SSSR NA {NEXTDAY} $ISLO = "
    "$ERNOE MORE: WETER SEWERO-WOSTO$NYJ 12-15 M/S, W SEWERO-ZAPADNOJ $ASTI PORYWY DO 20 M/S. WOLNENIE 4-5 "
    "BALLOW. WIDIMOSTX HORO#A!. = "
    "AZOWSKOE MORE: WETER WOSTO$NYJ 10-14 M/S. WOLNENIE 3-4 BALLA. = "
    "KASPIJSKOE MORE: WETER @GO-WOSTO$NYJ 5-8 M/S, DNEM DYMKA. = "
    "BALTIJSKOE MORE: WETER ZAPADNYJ 8-11 M/S, DOVDX, TUMAN, WIDIMOSTX DO 1 MILI. = "
    "BARENCEWO MORE: WETER SEWERNYJ 15-18 M/S, SNEG, OBLEDENENIE SUDOW = ";

// Navigational warnings for the Black Sea.
const char *const qtc_898 =
    "NAWIP 317 $ERNOE MORE. {NEXTDAY} S 05 DO 14 $ASOW MOSKOWSKOGO WREMENI ARTILLERIJSKIE STRELXBY W RAJONE "
    "44-20 S# 033-10 WD, 44-20 S# 033-40 WD, 44-05 S# 033-40 WD, 44-05 S# 033-10 WD. PLAWANIE ZAPREQENO. = "
    "NAWIP 318 KER$ENSKIJ PROLIW. SWET!QIJ BUJ NOMER 12 SNESEN, OGONX NE GORIT. = "
    "NAWIP 319 SEWERO-ZAPADNA! $ASTX $ERNOGO MOR!. W TO$KE 45-48 S# 031-12 WD OBNARUVENA ZATONUW#A! BARVA, "
    "GLUBINA NAD NEJ 7 METROW. = "
    "NAWIP 305 OTMENITX = ";

// Storm warning for the southern Sea of Okhotsk and the Kuril Islands.
const char *const qtc_899 =
    "#TORMOWOE PREDUPREVDENIE PEREDANO {DAY} W {HOUR} $AS {MIN} MIN PO GRINWI$U = "
    "CIKLON S DAWLENIEM W CENTRE 975 MB W RAJONE 47 S# 152 WD SMEQAETS! NA SEWERO-WOSTOK SO SKOROSTX@ 30 KM/$. "
    "= W @VNOJ $ASTI OHOTSKOGO MOR! I U KURILXSKIH OSTROWOW OVIDAETS! WETER WOSTO$NYJ, @GO-WOSTO$NYJ 20-25 "
    "M/S, OSADKI, WIDIMOSTX MENEE 1 MILI, WOLNENIE 7 BALLOW. = "
    "KAPITANAM SUDOW PRIN!TX MERY PREDOSTOROVNOSTI. = "
    "SAHALINSKOE UGMS = ";

}  // namespace kestrel

namespace kestrel {

// The Cyrenaican stations (Benghazi, Derna, Tobruk and the stations of the
// Jebel and the coast) by their Libyan blocks.
const char derna_obs_stn[7][4] = {"620", "620", "621", "621", "621", "622", "623"};

}  // namespace kestrel
