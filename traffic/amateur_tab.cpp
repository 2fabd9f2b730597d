#include "traffic/amateur.h"

// The amateur tables: the station database heard in general calls and QSOs,
// DX expeditions, contest, low-power and special-event stations, a national
// contest, the callers of an expedition, the beacon chain and two propagation
// bulletins. Every call, name and location of a station is invented; only the
// call-sign formats, the towns and the district codes are real.

namespace kestrel {

// The database, row by row: amateur[i] is the call of the station whose
// operator sends amateur_op[i] as his name and amateur_qth[i] as his location
// (empty where he gives none). A comment gives the row number every 10 rows.
const char amateur[AMATEUR_ROWS][10] = {
    // 0
    "IK6FCK", "LU1WJJ", "IS0AZT", "WD6HCL", "SP2CSW",
    "OE8XXO", "EI9UTU", "DJ8VHF", "UA3YCJ", "ZS6AQK",
    // 10
    "SP9ZG",  "OH9WUO", "DF1FRI", "CE5FJJ", "LZ1RWR",
    "WB7ZTM", "VK5XGI", "KE7DL",  "OK3AGW", "OK2MDR",
    // 20
    "VK1LTS", "SP2VCY", "F5FWH",  "DF9DOM", "EA4KIC",
    "OK3ZWZ", "G0GIX",  "GM0KBJ", "N1NIT",  "UA6NOI",
    // 30
    "OE3HCG", "SM4XAV", "JE3ECA", "ZS4EJF", "F6SGH",
    "SM0FQ",  "UY5RLJ", "K5RFW",  "Y74BX",  "W6AKD",
    // 40
    "KA1UIU", "WA3UIO", "Y65GR",  "XE3NJT", "WD4YGE",
    "CM2IIS", "VK3BY",  "LZ1EYN", "K4RXK",  "VE6JXU",
    // 50
    "OE3ADC", "F6JXR",  "HB9NZ",  "ZS6ZVF", "KC0RDN",
    "IK4XVD", "PA3ROF", "OZ3OT",  "JR3DDJ", "OK1CUJ",
    // 60
    "DF5VWV", "PY3IGE", "EI7AX",  "CT4PGX", "VE3JTH",
    "VE3DOU", "I0WJO",  "YU2MG",  "JE6AEV", "Y36KX",
    // 70
    "JA8DYB", "DH2LCR", "JH0YZS", "F5JHE",  "IV3WB",
    "KB9GFJ", "DL2PYC", "YO4PU",  "G0ZCW",  "OH1HPO",
    // 80
    "DF7ZDN", "YO8AO",  "YO8NPF", "OK1SAZ", "DC6RYL",
    "OK1BHM", "W7GKX",  "OH6BBH", "LA8HZ",  "SP3DK",
    // 90
    "OH5DCY", "OK1UX",  "LU2OS",  "WB0SMU", "WB5VRI",
    "KC9BMI", "DH5BIL", "UP2RVE", "N7AJT",  "VK2PQL",
    // 100
    "G3NVY",  "YO5YX",  "ON4MNQ", "CT4YSI", "SP7YTL",
    "PY1LMP", "PY1JUA", "5B4EXP", "HB9OWE", "EA3EJK",
    // 110
    "SP5ZGC", "HA5VM",  "OH6RZK", "YV1EL",  "OK2BW",
    "OE4ZRQ", "OK1HIY", "DC6YFW", "OK3NJV", "HA1OM",
    // 120
    "UC2RYU", "EA3RDK", "LZ1DMA", "W7MSO",  "F5GAN",
    "UW4YGN", "SM7VZW", "LZ2LBO", "PY7WD",  "G2TT",
    // 130
    "DL6TW",  "WB8TUQ", "RW3DOP", "UT5DZE", "SP9AZ",
    "OE1JKQ", "DF9GTE", "DF2JZX", "DC6RIW", "UV3BRL",
    // 140
    "UJ8PNH", "G4RGQ",  "UV4HWP", "JF3WNC", "SP4UH",
    "RA3EQY", "PA0JMW", "YU6LTX", "WB6GPF", "PA3LFQ",
    // 150
    "PA0UMH", "Y25MX",  "N1VPO",  "G3BJC",  "UW9GUS",
    "SM6UHZ", "K3WJX",  "TF3ABQ", "ON4WOH", "DH4VSY",
    // 160
    "PY4KG",  "UV4REN", "DF3DEO", "G3SVK",  "JR1IYQ",
    "UV0ZJX", "PA0LFK", "VE3LCT", "IK1ROO", "DL7HBA",
    // 170
    "UV1KCU", "OH9FGT", "SV1LIY", "DH8TPO", "HB9PAT",
    "UA3WZE", "JF2NFL", "UA1YJF", "SP1GGO", "F2SH",
    // 180
    "UY5LDR", "SP2KXV", "F6ERJ",  "SM0JTQ", "F9NNG",
    "WB2DIJ", "EA5VXS", "SP1EX",  "JE6SPJ", "OK1FTX",
    // 190
    "G2GF",   "PA0ETL", "YU8IXG", "PA3RZF", "I2ZNS",
    "KC4ECQ", "F6XJR",  "RA1UON", "SP5DC",  "LZ1ATN",
    // 200
    "DC7DIO", "XE2CWM", "UV3ZWW", "DL7TNN", "UA4MOJ",
    "IK7HQC", "I5OHM",  "PA0YAS", "JR4SVD", "DJ2XXQ",
    // 210
    "PA3SJQ", "JE2EON", "PT2CSY", "UW1SFY", "RA9ETL",
    "GM4FAF", "ZL3KHS", "EA5CEI", "LU9FF",  "UT5LMG",
    // 220
    "N7NUZ",  "NG7MS",  "VK2NVR", "OK1OEC", "LU1FHI",
    "HB9TS",  "SM0AV",  "K8NUY",  "ZS2EPW", "VK7OMO",
    // 230
    "LA9UN",  "LU7KAG", "CX3LT",  "ON5DB",  "LA3GW",
    "WB5PSM", "LU1HT",  "DF7XRO", "LZ2HMZ", "VE3XCX",
    // 240
    "JE6YKQ", "KA8XCR", "OK1VDE", "OH5OHV", "WA2KZN",
    "GW0WAY", "CX9WJJ", "JH9CGX", "UV1XOV", "JI1HZU",
    // 250
    "DL6PQS", "SP5SSZ", "JH8ODM", "G4HRF",  "YU3DSW",
    "HA0GNH", "Y43DG",  "WB5RZA", "YO3FV",  "SP3UVH",
    // 260
    "YV1CQC", "YU5FZG", "UV3TCV", "GW0TFG", "F6BQB",
    "HA6ZAY", "ZL2CGT", "YU2ILE", "UW4BMY", "G0MSR",
    // 270
    "JA2NFT", "G0CWQ",  "EA3DYH", "KA4MCJ", "F6SFI",
    "UB5OMU", "JE6VYD", "VE1GQC", "PA0RDW", "HB9FS",
    // 280
    "DC9DRK", "UV1ILT", "F2JP",   "PY3FKK", "W0JIW",
    "EA2VAU", "HA1NEO", "UW1HAB", "SM5RVF", "LZ1AIO",
    // 290
    "HA9SZN", "OK2EE",  "JE2TSG", "KB7DDM", "ON4PW",
    "W4DHY",  "DC8DUE", "JH6LNO", "K7PBR",  "UV4IFN",
    // 300
    "YU1SR",  "W2ZNJ",  "OH5KKE", "ZL3FWX", "IK0ZJJ",
    "UW9DKP", "DJ6YYQ", "WA8OUT", "VE1WBG", "DL9UV",
    // 310
    "VE3VQJ", "G0AXI",  "HB9VBL", "UY5ZKI", "UW3LYI",
    "JE3OEA", "Y44HU",  "OE1EVJ", "DF2ZRC", "WD5KFD",
    // 320
    "N5GQG",  "IV3VUX", "RA9AXI", "EA8LW",  "JH6SSO",
    "JA7LQS", "VU2IYY", "KD9RWR", "KE7JC",  "DH6GCY",
    // 330
    "WD6POQ", "CT4JTR", "JR4LPD", "PA0POU", "LU4VRU",
    "UJ8IKI", "UP2OBK", "ZS5EH",  "JH1HTQ", "SP2DV",
    // 340
    "W5JWY",  "RW3YXP", "OK2EDU", "K0XGQ",  "VE2DTC",
    "UW9SWJ", "OK3OWB", "VK4DDT", "JA7FTI", "YO2BNG",
    // 350
    "JR7JSY", "G3SZU",  "WB0PBO", "K6TYA",  "OH7PUK",
    "VK2HZY", "4Z4KJN", "SP9HZV", "SP4VM",  "UT5PAS",
    // 360
    "G4JAR",  "F6EWN",  "EA3KVA", "DJ9UHM", "EA6VHY",
    "YU5FV",  "I4WIZ",  "N5CSD",  "K9RGX",  "HA2NFE",
    // 370
    "DK4XZ",  "UW6MCQ", "GM4ZML", "VE7YG",  "PY7WUI",
    "CT1TTS", "YU3MF",  "IT9AC",  "Y65CT",  "G2KO",
    // 380
    "GI4VTQ", "K8RPF",  "UW4URP", "ON7LJX", "OZ7EKO",
    "UV0MVK", "KC0ZNR", "G3PGD",  "OZ1JRZ", "SV3OQ",
    // 390
    "DF6VFT", "OE8BA",  "IS0VSL", "VK5OVO", "EA5YPR",
    "SM4VF",  "Y52KL",  "OK2ZE",  "DC8CQA", "SP9IOD",
    // 400
    "SM7SRE", "UC2FKH", "RW3HSF", "W7LYI",  "JA4XTO",
    "EA3NXC", "G3AAX",  "IK0OGU", "RA3GTI", "OK3REU",
    // 410
    "G0UUI",  "EA5BC",  "UA3WFD", "YU3ZHS", "VK4IFW",
    "GW0SOF", "EA2LDU", "RW3KHC", "HA9FJZ", "DJ6EON",
    // 420
    "PY6PYY", "DK5EYP", "JH7RAG", "IK7RLM", "PT2OMV",
    "KC6ZQR", "HA7PIM", "SP6KAC", "JH6USM", "IK8XUS",
    // 430
    "SP3AAH", "K3EHQ",  "HA7RQ",  "DL7TYZ", "YU2NF",
    "RW3SLY", "LZ1PWX", "YO8BUN", "WB7AYH", "OH6SWN",
    // 440
    "F2HT",   "JE2KHZ", "UL7GWG", "WB4JGU", "DF3VDU",
    "IK3UQN", "JR3YSG", "YU5YGX", "SM2LXQ", "K5ZEY",
    // 450
    "UB5XFS", "VE2DSW", "EI8JIL", "JA5GPU", "I3IAV",
    "DK1AGB", "WA1AVW", "OH9HWB", "SP5EIX", "W8MDE",
    // 460
    "JA1SXQ", "SP6EQR", "UP2JFH", "DL7EUL", "4Z4GEM",
    "N7YZD",  "JR6IDE", "WX6IX",  "DJ2EDH", "OZ9EFE",
    // 470
    "G4GFQ",  "DF5CWA", "K0DDA",  "LZ1TSB", "WD6CKV",
    "VK3XBL", "LA8FIT", "LA9JP",  "JA7SCD", "HA2GNR",
    // 480
    "OK2XVB", "I7NN",   "GM4LCB", "ZS1HU",  "KF9BC",
    "PY3FIS", "YO7FNC", "ZS1UUW", "UL7GJI", "OZ1CUC",
    // 490
    "DL2RRO", "JH0KDV", "EA1BGQ", "SP5MBX", "LA1HG",
    "K7GEQ",  "W4AKI",  "YV3POK", "F5BDX",  "SM2PJF",
    // 500
    "OH6DTF", "YO5GVO", "ZS6RCZ", "K5KTI",  "K1VJI",
    "UY5XAR", "W8YXP",  "YU2NUJ", "OZ8OCD", "ON4BHS",
    // 510
    "UR2KSU", "DK5UL",  "WD0VYH", "Y26AX",  "DC8ICV",
    "UM8SDO", "WB2GTH", "OK3DGM", "LX1PBB", "G3WHF",
    // 520
    "UW3BGR", "KB0JHD", "VE3BML", "UW9BTG", "Y53OA",
    "LU2WY",  "OK1BTI", "HA3UDL", "EA1ELQ", "OK1RDB",
    // 530
    "K6STH",  "DF1OBF", "VE4AOF", "PA3DXM", "KB0WNW",
    "5B4AJZ", "UW6UHS", "TA2KWW", "ON4AWQ", "UB5AJX",
    // 540
    "YU1CFH", "K0YIV",  "UA3PTY", "UL7SCQ", "4Z4GKZ",
    "I2YBF",  "N0HTH",  "N5PAW",  "SV2OHV", "SM4DM",
    // 550
    "IK3HYZ", "JH9JDJ", "YO4OJ",  "IS0ZPD", "I0ABR",
    "IV3DBI", "SM0MFL", "G0XYM",  "VE3VZW", "UA6TCT",
    // 560
    "UB5GBB", "UW4EQV", "VU2CXU", "IK8EDR", "ZL3WY",
    "UV4JUR", "UV0PAM", "K5WDA",  "UP2NDF", "LZ1NM",
    // 570
    "DC1HQC", "SP3JMT", "HB9CW",  "LZ1TC",  "UA0ECN",
    "OK3SHE", "OK3RAU", "DK3DHS", "WD6MUN", "VE1SJL",
    // 580
    "VE7ZBE", "OZ8ZVO", "K6ZOU",  "LU6VQ",  "CE3CBR",
    "DL7VIF", "UV6ALH", "N7MWL",  "G3ZFV",  "YO3JHK",
    // 590
    "JR3NMP", "WB7DNL", "WB9ZTK", "F8JC",   "UV4YAS",
};

const char amateur_op[AMATEUR_ROWS][16] = {
    // 0
    "LUIGI",      "MARIO",      "DINO",       "BUD",        "MAREK",
    "KARL",       "TOM",        "WALTER",     "RUSLAN",     "COLIN",
    // 10
    "ZENEK",      "PEKKA",      "REINHARD",   "SERGIO",     "STOYAN",
    "MARV",       "ROD",        "JERRY",      "MILOS",      "",
    // 20
    "GARRY",      "KAZIK",      "MICHEL",     "GERD",       "ANGEL",
    "JOZO",       "NIGEL",      "ANGUS",      "HARRY",      "ANDREI",
    // 30
    "",           "ROLF",       "MITSU",      "GERT",       "",
    "LENNART",    "STEPAN",     "DUANE",      "EBERHARD",   "",
    // 40
    "KEN",        "ROY",        "GERHARD",    "PANCHO",     "RICK",
    "PEPE",       "LES",        "VALIO",      "JEFF",       "MAC",
    // 50
    "PEPI",       "ROGER",      "URS",        "CHRIS",      "WARREN",
    "FABIO",      "PIET",       "JORGEN",     "ICHIRO",     "LUBOS",
    // 60
    "DIETMAR",    "ROBERTO",    "MICK",       "RUI",        "GARY",
    "LORNE",      "FRANCO",     "IVO",        "MINORU",     "UWE",
    // 70
    "KATSU",      "WOLF",       "KOJI",       "DANIEL",     "LUCIANO",
    "GEORGE",     "HARALD",     "COSTEL",     "ERIC",       "MATTI",
    // 80
    "BERND",      "MARIAN",     "LIVIU",      "STANDA",     "WILLI",
    "KAREL",      "CHET",       "VEIKKO",     "TOR",        "WOJTEK",
    // 90
    "KARI",       "ZDENEK",     "HECTOR",     "RON",        "ROGER",
    "HANK",       "WERNER",     "ROMAS",      "JOHN",       "TREVOR",
    // 100
    "MIKE",       "MIRCEA",     "MICHEL",     "CARLOS",     "TOMEK",
    "WALTER",     "ZE",         "ANDREAS",    "FRITZ",      "XAVIER",
    // 110
    "ZDZISIEK",   "FERI",       "ARI",        "PEDRO",      "OTA",
    "SEPP",       "LADA",       "HEINER",     "DUSAN",      "ISTVAN",
    // 120
    "SASHA",      "ORIOL",      "VANKO",      "MIKE",       "GUY",
    "ZHENYA",     "GORAN",      "TOSHO",      "MARCOS",     "COLIN",
    // 130
    "PETER",      "STAN",       "STAS",       "BOGDAN",     "ANDRZEJ",
    "HELMUT",     "SEPP",       "HEINZ",      "REINHARD",   "MISHA",
    // 140
    "SAID",       "RON",        "ARKADY",     "TADASHI",    "WLODEK",
    "YURI",       "JOOP",       "MILO",       "SAM",        "KLAAS",
    // 150
    "TON",        "RAINER",     "DAVE",       "DOUG",       "DIMA",
    "BOSSE",      "CHUCK",      "GUNNAR",     "WILLY",      "HORST",
    // 160
    "PAULO",      "TOLYA",      "UWE",        "FRED",       "TETSU",
    "VICTOR",     "RUUD",       "DOUG",       "SALVO",      "OTTO",
    // 170
    "BORIS",      "ILKKA",      "SPIROS",     "FRITZ",      "MARKUS",
    "ALEX",       "NORI",       "OLEG",       "",           "ALAIN",
    // 180
    "VASYL",      "BOLEK",      "CHRISTIAN",  "BJORN",      "SERGE",
    "DAN",        "",           "JANEK",      "MASA",       "VASEK",
    // 190
    "BARRY",      "GERRIT",     "AGIM",       "FRANS",      "ENZO",
    "PHIL",       "PIERRE",     "GLEB",       "JACEK",      "BOYKO",
    // 200
    "JUERGEN",    "JOSE",       "VALENTIN",   "UWE",        "GENNADY",
    "GIANNI",     "NINO",       "HARM",       "TAKESHI",    "LUTZ",
    // 210
    "KEES",       "",           "JOAO",       "KOSTYA",     "VANYA",
    "DOUGIE",     "NEVILLE",    "CARLOS",     "JUAN",       "MYKOLA",
    // 220
    "GENE",       "TERRY",      "NEIL",       "VLASTA",     "ALBERTO",
    "",           "OLLE",       "",           "KOOS",       "RON",
    // 230
    "HARALD",     "RUBEN",      "HUGO",       "STAF",       "KNUT",
    "FRED",       "CARLOS",     "",           "EMIL",       "BRIAN",
    // 240
    "IWAO",       "TOM",        "MILAN",      "JUKKA",      "ED",
    "HUW",        "WASHINGTON", "HARU",       "YURI",       "SHIN",
    // 250
    "HEINO",      "EDEK",       "ATSUSHI",    "IAN",        "MARJAN",
    "OTTO",       "BERND",      "WAYNE",      "RADU",       "STEFAN",
    // 260
    "JOSE",       "BLAGOJA",    "ROMAN",      "DAI",        "GERARD",
    "TIBOR",      "LANCE",      "STJEPAN",    "",           "ALAN",
    // 270
    "",           "TONY",       "PERE",       "",           "PATRICK",
    "OLEKSA",     "TORU",       "BRUCE",      "THEO",       "RUEDI",
    // 280
    "DIETER",     "ANATOLY",    "JEAN",       "ZECA",       "HOWIE",
    "FERNANDO",   "MIKLOS",     "VICTOR",     "ANDERS",     "PETKO",
    // 290
    "BELA",       "FRANTA",     "OSAMU",      "EARL",       "ANDRE",
    "DENNIS",     "ERWIN",      "MAKOTO",     "HERB",       "VITALY",
    // 300
    "ZORAN",      "JIM",        "ESA",        "ROSS",       "MASSIMO",
    "ILYA",       "HERBERT",    "CARL",       "CLIFF",      "HARTMUT",
    // 310
    "BOB",        "STAN",       "GIAN",       "VIKTOR",     "GENNADY",
    "SUSUMU",     "WERNER",     "FRANZ",      "GUENTER",    "LARRY",
    // 320
    "GUS",        "",           "KOSTYA",     "TONI",       "GORO",
    "SHIGE",      "SURESH",     "ELMER",      "WES",        "MANFRED",
    // 330
    "LOU",        "FERNANDO",   "TAKA",       "BEN",        "CACHO",
    "RAHIM",      "VYTAS",      "RIAAN",      "HIRO",       "",
    // 340
    "HOMER",      "VOVA",       "TONDA",      "NED",        "ANDRE",
    "VOLODYA",    "LACO",       "PETER",      "KEN",        "DAN",
    // 350
    "YOSHI",      "GORDON",     "BOYD",       "CLIFF",      "RAIMO",
    "STEVE",      "YOSSI",      "JANUSZ",     "ZBYSZEK",    "IGOR",
    // 360
    "KEITH",      "RENE",       "TONI",       "EGON",       "JUAN",
    "KIRO",       "ORAZIO",     "RAY",        "MARTY",      "SANYI",
    // 370
    "THOMAS",     "EDIK",       "ALISTAIR",   "GORD",       "CARLOS",
    "JOAO",       "MATJAZ",     "RENATO",     "MANFRED",    "LES",
    // 380
    "BILLY",      "GARY",       "STAS",       "ALBERT",     "FLEMMING",
    "SASHA",      "TONY",       "GEOFF",      "ERIK",       "NIKOS",
    // 390
    "ROLF",       "HANS",       "",           "MERV",       "PACHI",
    "LARS",       "ACHIM",      "",           "JOCHEN",     "JUREK",
    // 400
    "INGVAR",     "VIKTOR",     "KOLYA",      "FLOYD",      "JUN",
    "MARC",       "NORMAN",     "PIERO",      "SLAVA",      "IVAN",
    // 410
    "REG",        "ALFONSO",    "VADIM",      "FRANC",      "BARRY",
    "IEUAN",      "MANOLO",     "ARKADY",     "GABOR",      "KURT",
    // 420
    "TONINHO",    "KLAUS",      "SATOSHI",    "BEPPE",      "SERGIO",
    "NORM",       "KAROLY",     "STASZEK",    "KAZU",       "ANGELO",
    // 430
    "MIREK",      "JACK",       "ZOLI",       "ACHIM",      "DRAZEN",
    "EVGENY",     "MITKO",      "DORU",       "MEL",        "KALEVI",
    // 440
    "DEDE",       "",           "VOLODYA",    "RUSS",       "",
    "SERGIO",     "TOSHI",      "GOCE",       "BENGT",      "JOE",
    // 450
    "ROMAN",      "LUC",        "SEAN",       "ISAO",       "BRUNO",
    "RALF",       "PETE",       "JARI",       "ROMAN",      "RANDY",
    // 460
    "HIDE",       "BOGDAN",     "KESTAS",     "GUSTL",      "AVI",
    "PAUL",       "KIYOSHI",    "HAL",        "KLAUS",      "LEIF",
    // 470
    "CYRIL",      "ALFRED",     "SKIP",       "ZHIVKO",     "BART",
    "BRUCE",      "EINAR",      "ARNE",       "FUMIO",      "CSABA",
    // 480
    "JIRI",       "GIORGIO",    "SANDY",      "MIKE",       "WALT",
    "GILBERTO",   "VIOREL",     "PIET",       "KAIRAT",     "JENS",
    // 490
    "NORBERT",    "YUTAKA",     "CHEMA",      "KRZYSZTOF",  "GEIR",
    "DICK",       "LES",        "GUSTAVO",    "YVES",       "KJELL",
    // 500
    "MARKKU",     "ION",        "DEON",       "LLOYD",      "DOUG",
    "TARAS",      "RICH",       "ANTE",       "OLE",        "JAN",
    // 510
    "TIIT",       "KARL",       "FRANK",      "FRANK",      "HELMUT",
    "TALANT",     "BRUCE",      "VLADO",      "JANG",       "TREVOR",
    // 520
    "PASHA",      "CURT",       "DON",        "SERGEI",     "HARTMUT",
    "DANIEL",     "PEPA",       "PISTA",      "JAIME",      "",
    // 530
    "VERN",       "THOMAS",     "JIM",        "BART",       "OTIS",
    "COSTAS",     "MAXIM",      "AHMET",      "GUY",        "GRYGORY",
    // 540
    "MILE",       "",           "PETYA",      "VICTOR",     "BENNY",
    "MAURO",      "ART",        "TED",        "KOSTAS",     "STAFFAN",
    // 550
    "",           "",           "",           "PAOLO",      "CARLO",
    "MARIO",      "LASSE",      "MALCOLM",    "RON",        "VALERY",
    // 560
    "IVAN",       "LEONID",     "KRISHNA",    "ALDO",       "BRUCE",
    "GLEB",       "IGOR",       "STEVE",      "RIMAS",      "ICO",
    // 570
    "ULI",        "RYSIEK",     "FRANCO",     "RUMEN",      "VADIM",
    "MARTIN",     "PALO",       "",           "DON",        "BILL",
    // 580
    "ART",        "PREBEN",     "MARK",       "RICARDO",    "LUCHO",
    "HANS",       "GRISHA",     "GLEN",       "JOHN",       "PETRE",
    // 590
    "YASU",       "BILL",       "RALPH",      "CLAUDE",     "FEDOR",
};

const char amateur_qth[AMATEUR_ROWS][25] = {
    // 0
    "CHIETI",             "COMODORO RIVADAVIA", "OLBIA",              "PASADENA CA",        "BYDGOSZCZ",
    "VILLACH",            "WATERFORD",          "WILHELMSHAVEN",      "KALININ",            "BENONI",
    // 10
    "NOWY SACZ",          "KEMI",               "KONSTANZ",           "CONCEPCION",         "",
    "BOISE ID",           "",                   "PHOENIX AZ",         "NITRA",              "GOTTWALDOV",
    // 20
    "",                   "SOPOT",              "ROUEN",              "MAINZ",              "BADAJOZ",
    "POPRAD",             "LONDON",             "AYR",                "BANGOR ME",          "KRASNODAR",
    // 30
    "ST POELTEN",         "FALUN",              "NARA",               "WELKOM",             "NIMES",
    "STOCKHOLM",          "KHERSON",            "NEW ORLEANS LA",     "LUDWIGSLUST",        "LOS ANGELES CA",
    // 40
    "NASHUA NH",          "ERIE PA",            "STENDAL",            "VERACRUZ",           "LEXINGTON KY",
    "HAVANA",             "MELBOURNE",          "PLOVDIV",            "MIAMI FL",           "EDMONTON",
    // 50
    "WIENER NEUSTADT",    "PARIS",              "BIEL",               "",                   "SIOUX FALLS SD",
    "FERRARA",            "AMERSFOORT",         "RANDERS",            "HIMEJI",             "KARLOVY VARY",
    // 60
    "LUEBECK",            "SANTA MARIA",        "SLIGO",              "EVORA",              "KITCHENER",
    "OTTAWA",             "PERUGIA",            "RIJEKA",             "KAGOSHIMA",          "SUHL",
    // 70
    "HAKODATE",           "AUGSBURG",           "NIIGATA",            "REIMS",              "UDINE",
    "EVANSTON IL",        "BOCHUM",             "CONSTANTA",          "LINCOLN",            "PORI",
    // 80
    "OSNABRUECK",         "BOTOSANI",           "BACAU",              "USTI NAD LABEM",     "PASSAU",
    "CESKE BUDEJOVICE",   "MISSOULA MT",        "SEINAJOKI",          "DRAMMEN",            "ZIELONA GORA",
    // 90
    "KOTKA",              "LIBEREC",            "SALTA",              "DENVER CO",          "SAN ANTONIO TX",
    "INDIANAPOLIS IN",    "BRAUNSCHWEIG",       "SIAULIAI",           "SALT LAKE CITY UT",  "WAGGA WAGGA",
    // 100
    "NORWICH",            "ALBA IULIA",         "ARLON",              "FARO",               "KIELCE",
    "PETROPOLIS",         "RIO DE JANEIRO",     "LARNACA",            "THUN",               "LLEIDA",
    // 110
    "PLOCK",              "BUDAPEST",           "VAASA",              "MARACAIBO",          "KROMERIZ",
    "EISENSTADT",         "MLADA BOLESLAV",     "REGENSBURG",         "MARTIN",             "SZOMBATHELY",
    // 120
    "VITEBSK",            "BARCELONA",          "VRATSA",             "SPOKANE WA",         "LYON",
    "ULYANOVSK",          "KALMAR",             "BURGAS",             "OLINDA",             "IPSWICH",
    // 130
    "KOBLENZ",            "LANSING MI",         "BRYANSK",            "KIEV",               "CZESTOCHOWA",
    "WIEN",               "HANNOVER",           "AACHEN",             "FRANKFURT",          "SMOLENSK",
    // 140
    "LENINABAD",          "BATH",               "TOLYATTI",           "WAKAYAMA",           "ELK",
    "PODOLSK",            "DORDRECHT",          "TITOGRAD",           "PALO ALTO CA",       "DELFT",
    // 150
    "",                   "LEIPZIG",            "WORCESTER MA",       "YORK",               "NOVOKUZNETSK",
    "SKOVDE",             "WILMINGTON DE",      "REYKJAVIK",          "GENT",               "NUERNBERG",
    // 160
    "BELO HORIZONTE",     "VOLGOGRAD",          "BAYREUTH",           "COVENTRY",           "KAWASAKI",
    "VLADIVOSTOK",        "MAASTRICHT",         "",                   "TORINO",             "BERLIN",
    // 170
    "MURMANSK",           "TORNIO",             "ATHENS",             "FLENSBURG",          "ZURICH",
    "TAMBOV",             "TSU",                "ARKHANGELSK",        "SWINOUJSCIE",        "BORDEAUX",
    // 180
    "VINNITSA",           "ELBLAG",             "",                   "TABY",               "BREST",
    "PRINCETON NJ",       "VALENCIA",           "KOSZALIN",           "KUMAMOTO",           "KOLIN",
    // 190
    "DERBY",              "LEEUWARDEN",         "PRIZREN",            "TILBURG",            "VARESE",
    "CHARLOTTE NC",       "NANTES",             "SYKTYVKAR",          "OSTROLEKA",          "STARA ZAGORA",
    // 200
    "BREMEN",             "CHIHUAHUA",          "IVANOVO",            "BERLIN",             "PENZA",
    "POTENZA",            "PISA",               "GRONINGEN",          "MATSUE",             "WIESBADEN",
    // 210
    "ROTTERDAM",          "SHIZUOKA",           "BRASILIA",           "VOLOGDA",            "SVERDLOVSK",
    "STIRLING",           "NELSON",             "ELCHE",              "ROSARIO",            "CHERKASSY",
    // 220
    "RENO NV",            "TACOMA WA",          "DUBBO",              "HRADEC KRALOVE",     "SANTA FE",
    "WINTERTHUR",         "SOLNA",              "CINCINNATI OH",      "PORT ELIZABETH",     "LAUNCESTON",
    // 230
    "LILLEHAMMER",        "TUCUMAN",            "MONTEVIDEO",         "MECHELEN",           "TRONDHEIM",
    "AUSTIN TX",          "CORDOBA",            "GOETTINGEN",         "VARNA",              "LONDON ONT",
    // 240
    "",                   "DETROIT MI",         "PARDUBICE",          "LAPPEENRANTA",       "NEW YORK NY",
    "",                   "PAYSANDU",           "FUKUI",              "PSKOV",              "HACHIOJI",
    // 250
    "BAMBERG",            "SIEDLCE",            "OBIHIRO",            "",                   "MARIBOR",
    "NYIREGYHAZA",        "BRANDENBURG",        "OKLAHOMA CITY OK",   "",                   "",
    // 260
    "MARACAIBO",          "BITOLA",             "RYAZAN",             "ABERYSTWYTH",        "CAEN",
    "GYONGYOS",           "PALMERSTON NORTH",   "ZAGREB",             "CHEBOKSARY",         "LONDON",
    // 270
    "TOYOHASHI",          "DONCASTER",          "SABADELL",           "ORLANDO FL",         "LIMOGES",
    "ZHITOMIR",           "KITAKYUSHU",         "MONCTON NB",         "AMSTERDAM",          "ST GALLEN",
    // 280
    "KOELN",              "PETROZAVODSK",       "PARIS",              "CAXIAS DO SUL",      "",
    "SAN SEBASTIAN",      "SOPRON",             "LENINGRAD",          "NYKOPING",           "BLAGOEVGRAD",
    // 290
    "MISKOLC",            "FRYDEK MISTEK",      "HAMAMATSU",          "PORTLAND OR",        "CHARLEROI",
    "NASHVILLE TN",       "HAMBURG",            "",                   "SEATTLE WA",         "ASTRAKHAN",
    // 300
    "NIS",                "TRENTON NJ",         "",                   "TIMARU",             "TERNI",
    "UFA",                "MUENSTER",           "AKRON OH",           "CHARLOTTETOWN PEI",  "FREIBURG",
    // 310
    "THUNDER BAY",        "PLYMOUTH",           "BELLINZONA",         "SUMY",               "MOSCOW",
    "KOBE",               "DESSAU",             "WIEN",               "PADERBORN",          "SANTA FE NM",
    // 320
    "AMARILLO TX",        "PORDENONE",          "NOVOSIBIRSK",        "LAS PALMAS",         "OITA",
    "FUKUSHIMA",          "BOMBAY",             "FORT WAYNE IN",      "EUGENE OR",          "DORTMUND",
    // 330
    "SAN JOSE CA",        "",                   "",                   "HAARLEM",            "BARILOCHE",
    "DUSHANBE",           "",                   "DURBAN",             "UTSUNOMIYA",         "TORUN",
    // 340
    "FORT WORTH TX",      "KALUGA",             "JIHLAVA",            "CEDAR RAPIDS IA",    "TROIS RIVIERES",
    "MAGNITOGORSK",       "TRNAVA",             "MACKAY",             "",                   "DEVA",
    // 350
    "AOMORI",             "EXETER",             "ST PAUL MN",         "MODESTO CA",         "JOENSUU",
    "TAMWORTH",           "RISHON LEZION",      "SOSNOWIEC",          "SUWALKI",            "LVOV",
    // 360
    "CHELMSFORD",         "MONTPELLIER",        "BARCELONA",          "MANNHEIM",           "IBIZA",
    "OHRID",              "",                   "HOUSTON TX",         "MADISON WI",         "ESZTERGOM",
    // 370
    "WUPPERTAL",          "SOCHI",              "INVERNESS",          "KELOWNA",            "RECIFE",
    "BRAGA",              "LJUBLJANA",          "SIRACUSA",           "NEUBRANDENBURG",     "READING",
    // 380
    "ARMAGH",             "CLEVELAND OH",       "IZHEVSK",            "LIEGE",              "VEJLE",
    "CHITA",              "DES MOINES IA",      "CARLISLE",           "AALBORG",            "PATRAS",
    // 390
    "KARLSRUHE",          "KLAGENFURT",         "SASSARI",            "ADELAIDE",           "MURCIA",
    "KARLSTAD",           "SUHL",               "BRNO",               "KIEL",               "BYTOM",
    // 400
    "VAXJO",              "GRODNO",             "VLADIMIR",           "LAS VEGAS NV",       "KURASHIKI",
    "GIRONA",             "BLACKPOOL",          "ROMA",               "ZELENOGRAD",         "PIESTANY",
    // 410
    "BIRMINGHAM",         "ALBACETE",           "KURSK",              "KOPER",              "TOOWOOMBA",
    "SWANSEA",            "",                   "VORONEZH",           "OZD",                "MUENCHEN",
    // 420
    "SALVADOR",           "OLDENBURG",          "AKITA",              "BRINDISI",           "",
    "OAKLAND CA",         "GODOLLO",            "WROCLAW",            "NAGASAKI",           "SALERNO",
    // 430
    "PILA",               "PHILADELPHIA PA",    "SZENTENDRE",         "BERLIN",             "OSIJEK",
    "YAROSLAVL",          "SMOLYAN",            "IASI",               "TUCSON AZ",          "KOKKOLA",
    // 440
    "NANCY",              "NAGOYA",             "KARAGANDA",          "HUNTSVILLE AL",      "SAARBRUECKEN",
    "TREVISO",            "",                   "SKOPJE",             "LULEA",              "ALBUQUERQUE NM",
    // 450
    "VOROSHILOVGRAD",     "LAVAL",              "GALWAY",             "KOCHI",              "VERONA",
    "",                   "BURLINGTON VT",      "ROVANIEMI",          "WARSZAWA",           "TOLEDO OH",
    // 460
    "TOKYO",              "LEGNICA",            "PANEVEZYS",          "BERLIN",             "JERUSALEM",
    "TACOMA WA",          "MIYAZAKI",           "SANTA ROSA CA",      "INGOLSTADT",         "AARHUS",
    // 470
    "LEICESTER",          "STUTTGART",          "OMAHA NE",           "SOFIA",              "SANTA BARBARA CA",
    "SHEPPARTON",         "HAMAR",              "TROMSO",             "MORIOKA",            "TATABANYA",
    // 480
    "PROSTEJOV",          "FOGGIA",             "EDINBURGH",          "PAARL",              "PEORIA IL",
    "PELOTAS",            "TURNU SEVERIN",      "GEORGE",             "TSELINOGRAD",        "KOBENHAVN",
    // 490
    "DARMSTADT",          "MATSUMOTO",          "BURGOS",             "WARSZAWA",           "STAVANGER",
    "BILLINGS MT",        "COLUMBIA SC",        "BARQUISIMETO",       "MARSEILLE",          "BODEN",
    // 500
    "JYVASKYLA",          "ZALAU",              "",                   "SHREVEPORT LA",      "BOSTON MA",
    "SEVASTOPOL",         "YOUNGSTOWN OH",      "SIBENIK",            "KOLDING",            "LEUVEN",
    // 510
    "TALLINN",            "BONN",               "MINNEAPOLIS MN",     "STRALSUND",          "KASSEL",
    "FRUNZE",             "UTICA NY",           "ZILINA",             "LUXEMBOURG",         "LEEDS",
    // 520
    "TULA",               "TOPEKA KS",          "SUDBURY",            "BARNAUL",            "BERLIN",
    "TRELEW",             "PISEK",              "PECS",               "SANTANDER",          "PRAHA",
    // 530
    "SAN FRANCISCO CA",   "SIEGEN",             "WINNIPEG",           "UTRECHT",            "DULUTH MN",
    "LIMASSOL",           "NALCHIK",            "ANKARA",             "BRUXELLES",          "CHERNIGOV",
    // 540
    "BEOGRAD",            "WICHITA KS",         "ORYOL",              "CHIMKENT",           "NETANYA",
    "MONZA",              "LINCOLN NE",         "DALLAS TX",          "THESSALONIKI",       "OREBRO",
    // 550
    "BOLZANO",            "KANAZAWA",           "TULCEA",             "NUORO",              "FROSINONE",
    "TRIESTE",            "NACKA",              "LIVERPOOL",          "SAULT STE MARIE",    "NOVOROSSIYSK",
    // 560
    "POLTAVA",            "KUIBYSHEV",          "BANGALORE",          "NAPOLI",             "CHRISTCHURCH",
    "SARANSK",            "BLAGOVESHCHENSK",    "EL PASO TX",         "KAUNAS",             "HASKOVO",
    // 570
    "BIELEFELD",          "LESZNO",             "LOCARNO",            "KYUSTENDIL",         "KRASNOYARSK",
    "PRESOV",             "KOSICE",             "DUISBURG",           "BAKERSFIELD CA",     "HALIFAX NS",
    // 580
    "VANCOUVER",          "HORSENS",            "SACRAMENTO CA",      "BARILOCHE",          "SANTIAGO",
    "BERLIN",             "GROZNY",             "CHEYENNE WY",        "SHEFFIELD",          "BUCURESTI",
    // 590
    "OTSU",               "OGDEN UT",           "CHICAGO IL",         "AVIGNON",            "SARATOV",
};

// DX expeditions to rare places: their own calls or a home call after the
// prefix of the place.
const char dx[33][11] = {
    "3Y0DZ",      "VP8/G4WLK",  "VK0HX",      "ZL9RD",      "FT5ZM",      "FO0KTN",
    "KC4/N6PQW",  "1S1RM",      "BV9PG",      "3C0MW",      "9M0TK",      "XF4RM",
    "HK0/DL8RW",  "VK9ZMR",     "ZK3RT",      "T31KM",      "T33BH",      "3D2/K7FQL",
    "A51TK",      "XZ1DN",      "ZA1FZ",      "7O1MX",      "VR6MW",      "VP2M/W2GTQ",
    "8Q7ZR",      "FR/F6JPQ/G", "ZD9QL",      "ZS8MX",      "3B7FQ",      "JD1/JA6ZWL",
    "KH1/N7RFQ",  "KP1/KE4KJ",  "YV0/YV5RW",
};

// Contest stations: short calls of many countries.
const char contest[41][6] = {
    "N6QT",  "K9JV",  "W8BZ",  "KW4V",  "WX0M",  "VE3XW", "VE6UY", "J37ZK", "8P9ML", "LU5HT",
    "CE3FW", "YV5KX", "EA8KT", "CT3BZ", "ZS6TZ", "CN8WX", "OH2LV", "SM3BJ", "LA6ZW", "OZ7TV",
    "DK0EZ", "DF0MK", "HB9MZ", "OE6XW", "OK5RT", "HA8KW", "YU1MX", "YO5KT", "LZ5Y",  "SP9ZT",
    "UZ4FW", "RB5IZ", "IR2W",  "F6KTV", "EA3NW", "G3WZT", "PA6Z",  "4X4T",  "JE7ZV", "VK2WJ",
    "ZL3TX",
};

// Low-power stations (they sign /QRP after the call).
const char amateur_qrp[16][10] = {
    "G4RXJ",   "DJ6TW",   "OK2BLH",  "PA3EZG",  "K4IWL",   "WA1FNK",  "F5NJR",   "HB9TLG",
    "SM6PZV",  "OE5WR",   "ON6YH",   "VE3JXB",  "DK2HF/P", "LA8OY",   "JA1GVX",  "YU3NVW",
};

// Antennas as the operators send them, "DIPOLE" first.
const char amateur_ant[9][16] = {
    "DIPOLE",     "3 EL YAGI",  "GP",         "LW 40M",     "DELTA LOOP",
    "INV V",      "2 EL QUAD",  "VERTICAL",   "WINDOM",
};

const char amateur_wx[2][16] = {
    "SUNNY",  "CLOUDY",
};

// Special-event stations (anniversaries, fairs, a club's expedition) and, row
// by row, the QSL manager of each.
const char spe_evnt[10][12] = {
    "GB2CTH",     "TM7FJ",      "DL800RG",    "OK5PRG",     "HG1100XB",
    "SN600KR",    "II3FIERA",   "EG92BCN",    "8J2EXPO",    "SV9/DK0MWZ",
};
const char spe_qsl[10][10] = {
    "G4VMZ",  "F6EHX",  "DK8TW",  "OK1FTJ", "HA5BUV",
    "SP9HWP", "I3GRB",  "EA3FZK", "JA2HTW", "DL6RBK",
};

// A Czechoslovak national contest: the stations (OK1 in Bohemia, OK2 in
// Moravia and Silesia, OKxK club stations) and, row by row, the three-letter
// code of the district (okres) each sends: the first letter is the region
// (A Prague, B Central, C South, D West, E North, F East Bohemia, G South,
// H North Moravia), the other two the district.
const char spk_cs[85][7] = {
    // 0
    "OK1JUA", "OK2IGM", "OK1LA",  "OK1PU",  "OK2UST", "OK1ZRT", "OK2WJW", "OK1VPH", "OK2VUJ", "OK1KHC",
    // 10
    "OK2KNW", "OK1ESP", "OK1EOZ", "OK1YB",  "OK1JAB", "OK1ZWX", "OK1KAB", "OK2YT",  "OK1ZW",  "OK1IK",
    // 20
    "OK1INI", "OK1ADM", "OK2JDV", "OK1WGN", "OK2HQP", "OK1KGF", "OK1KRY", "OK1XD",  "OK1KYP", "OK2KSR",
    // 30
    "OK1IFO", "OK1KWW", "OK1KRK", "OK2KVF", "OK1KIR", "OK1IN",  "OK2XKY", "OK2KAR", "OK2GDI", "OK1HKO",
    // 40
    "OK1WBV", "OK1YSY", "OK1FHL", "OK1TDI", "OK2HVD", "OK1KEW", "OK2CS",  "OK1SA",  "OK2ZBI", "OK1MN",
    // 50
    "OK1PYV", "OK1MWV", "OK2TXH", "OK1WQ",  "OK2XQF", "OK1KSN", "OK1HFX", "OK1IIU", "OK2KIW", "OK2TZW",
    // 60
    "OK1EMR", "OK1OQL", "OK1KGX", "OK2KNR", "OK2YVY", "OK2KHX", "OK2KZB", "OK2DQ",  "OK1LZB", "OK2BFQ",
    // 70
    "OK1HZN", "OK1EWN", "OK1EB",  "OK1SBY", "OK2OC",  "OK1IVY", "OK1KTU", "OK1HWW", "OK1YX",  "OK2LK",
    // 80
    "OK2WTZ", "OK1UFD", "OK1IRN", "OK2KCJ", "OK1KTL",
};
const char spk_wj[85][4] = {
    // 0
    "BPB", "HKA", "EJA", "FSV", "GJI", "BKO", "GJI", "FTR", "GZN", "DPS",
    // 10
    "HOS", "EMO", "BME", "APE", "EMO", "BKO", "CPE", "GUH", "DKV", "CPI",
    // 20
    "APB", "FCH", "GBV", "DPM", "GBV", "APE", "APD", "APA", "FNA", "GPR",
    // 30
    "BBE", "ELI", "DCH", "GVY", "EDE", "BKD", "HKA", "GHO", "GBR", "APG",
    // 40
    "FPA", "CPR", "CST", "FJI", "GPR", "CPE", "GGO", "BKH", "GBM", "APA",
    // 50
    "APA", "DRO", "GBV", "DRO", "HSU", "ETE", "FTR", "CPR", "HOP", "GGO",
    // 60
    "ELO", "BBN", "APB", "HOS", "HVS", "GBR", "HVS", "GTR", "DKV", "GZN",
    // 70
    "BPV", "APB", "APJ", "BPZ", "GHO", "ECH", "ELO", "CBU", "DPS", "GZR",
    // 80
    "HFM", "BMB", "CJH", "GUH", "BKH",
};

// Stations calling the expedition on 14 MHz and on 27 MHz.
const char li2b_callers_14[15][10] = {
    "W2HXK",  "W6MLZ",  "LA1JG",  "W9TBE",  "VE3AVK", "G3BNW",  "W4CYF",  "ZL1HX",
    "PY1GJ",  "W7EPM",  "OZ7KL",  "SM5ZN",  "VK2NB",  "LU6DJ",  "W3KDR",
};
const char li2b_callers_27[5][10] = {
    "W6NTY", "W5JCS", "W1MVB", "W0FKD", "W8AOP",
};

// The international beacon chain in the order of its turns.
const char beacon_calls[18][8] = {
    "4U1UN",  "VE8AT",  "W6WX",   "KH6WO",  "ZL6B",   "VK6RBP", "JA2IGY", "RR9O",   "VR2B",
    "4S7B",   "ZS6DN",  "5Z4B",   "4X6TU",  "OH2B",   "CS3B",   "LU4AA",  "OA4B",   "YV5B",
};

// Two propagation bulletins of a national observatory; {DAY} and {MON} are
// filled with the date.
const char *const propagation_odd_day =
    "FORECAST FOR {DAY} {MON} = SOLAR FLUX 146 SUNSPOT NUMBER 98 = A INDEX 12 K INDEX 3 = MUF EUROPE "
    "NORTH AMERICA 24 MHZ EUROPE JAPAN 19 MHZ EUROPE SOUTH AFRICA 28 MHZ EUROPE AUSTRALIA 17 MHZ = "
    "GEOMAGNETIC FIELD QUIET TO UNSETTLED MINOR STORM POSSIBLE AFTER 1800 UT = VALID UNTIL {DAY} {MON} "
    "2400 UT +    ";

const char *const propagation_even_day =
    "OBSERVATORY BULLETIN {DAY} {MON} = SOLAR ACTIVITY LOW = SOLAR FLUX 88 SUNSPOT NUMBER 41 = A INDEX "
    "28 K INDEX 5 = MAGNETIC STORM IN PROGRESS = MUF NORTH ATLANTIC 14 MHZ EUROPE ASIA 12 MHZ EUROPE "
    "SOUTH AMERICA 18 MHZ POLAR PATHS CLOSED = CONDITIONS IMPROVING SLOWLY = FORECAST VALID UNTIL {DAY} "
    "{MON} 2400 UT +    ";

}  // namespace kestrel
