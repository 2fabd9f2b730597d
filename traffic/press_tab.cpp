// The phrases of the agencies' press in plain language: datelines, the
// month names as each language wrote them in the dateline, and item texts of
// the kind the agencies filed (shipping, harvests and markets, flights,
// floods and storms, parliaments, fairs, strikes, sport). Accents are dropped
// as telegraphy dropped them; the Russian is in the Latin letters of Russian
// Morse. The people named are invented.
#include "traffic/press.h"

namespace kestrel {

namespace {

template <class T, int N>
constexpr int count(T (&)[N]) {
    return N;
}

// ---- French (Havas, France Presse).
const char *const fr_places[] = {"PARIS",  "MARSEILLE", "LE HAVRE",   "BORDEAUX", "LYON",   "BREST", "NANTES",
                                 "ALGER",  "TUNIS",     "DAKAR",      "CASABLANCA", "SAIGON", "BEYROUTH",
                                 "GENEVE", "BRUXELLES", "STRASBOURG", "ORAN"};
const char *const fr_ports[] = {"MARSEILLE", "LE HAVRE", "BORDEAUX", "BREST", "NANTES", "ALGER", "TUNIS", "DAKAR", "CASABLANCA", "CHERBOURG", "ORAN"};
const char *const fr_months[] = {"JANVIER", "FEVRIER", "MARS",      "AVRIL",   "MAI",      "JUIN",
                                 "JUILLET", "AOUT",    "SEPTEMBRE", "OCTOBRE", "NOVEMBRE", "DECEMBRE"};
const char *const fr_texts[] = {
    "LE PAQUEBOT {V} EST ARRIVE CE MATIN A {H} AVEC {K} PASSAGERS A BORD. LA TRAVERSEE S EST FAITE PAR MER CALME.",
    "LA RECOLTE DE BLE DANS LA REGION DE {P} S ANNONCE SUPERIEURE A CELLE DE L AN DERNIER. LES COURS SONT RESTES FERMES.",
    "UN AVION POSTAL PARTI DE {P} A ATTERRI A {Q} APRES {N} HEURES DE VOL. LE PILOTE {S} SIGNALE DU BROUILLARD SUR LA "
    "COTE.",
    "LA CHAMBRE A REPRIS CET APRES MIDI LA DISCUSSION DU BUDGET DES TRAVAUX PUBLICS. LE VOTE EST ATTENDU DANS LA NUIT.",
    "DE VIOLENTES TEMPETES ONT SEVI SUR LES COTES. {N} BATEAUX DE PECHE SONT RENTRES A {H} AVEC DES AVARIES.",
    "LA FOIRE DE {P} A ETE OUVERTE CE MATIN. {N} EXPOSANTS ETRANGERS Y PRENNENT PART.",
    "LA GREVE DES DOCKERS DU PORT DE {H} A PRIS FIN. LE TRAVAIL REPRENDRA DEMAIN SUR TOUS LES QUAIS.",
    "LE COUREUR {S} A GAGNE L ETAPE {P} {Q} DEVANT {N} CONCURRENTS ET GARDE LA TETE DU CLASSEMENT GENERAL.",
    "LA CRUE DE LA LOIRE CONTINUE. A TOURS LES EAUX ONT MONTE DE {M} METRES ET PLUSIEURS ROUTES SONT COUPEES.",
    "UN ACCORD COMMERCIAL A ETE SIGNE HIER A {P}. IL PREVOIT L ECHANGE DE VINS ET DE MACHINES CONTRE DU BOIS ET DES "
    "PHOSPHATES.",
    "LA BOURSE A ETE CALME. LA RENTE EST SANS CHANGEMENT ET LES VALEURS DE CUIVRE SONT EN LEGERE HAUSSE.",
    "LE CARGO {V} EN AVARIE DE MACHINE AU LARGE DE {H} A ETE PRIS EN REMORQUE ET SERA CONDUIT A {J}. L EQUIPAGE EST "
    "SAIN ET SAUF.",
    "LE NOUVEAU SERVICE AERIEN ENTRE {P} ET {Q} SERA OUVERT AU PUBLIC LE {D} DU MOIS PROCHAIN.",
    "UN INCENDIE A DETRUIT CETTE NUIT UN ENTREPOT DU PORT DE {H}. LES DEGATS SONT ESTIMES A {K} MILLE FRANCS.",
};
const char *const fr_surnames[] = {"MOREL", "GAUTHIER", "LEBRUN", "FAVIER", "ROUSSEL", "CHAPUIS", "VIGNAUD", "TESSIER"};
const char *const fr_ships[] = {"VILLE D ORAN", "SAINTE ODILE", "CAP SAINT JACQUES", "PORTHOS", "MARECHAL LYAUTEY",
                                "EL DJEZAIR", "COMMANDANT QUERE", "FORT ROYAL"};

// ---- Italian (Stefani).
const char *const it_places[] = {"ROMA",  "MILANO", "GENOVA", "NAPOLI",  "TORINO",  "VENEZIA", "TRIESTE",
                                 "PALERMO", "BARI", "TRIPOLI", "BENGASI", "LIVORNO", "ANCONA",  "CAGLIARI"};
const char *const it_ports[] = {"GENOVA", "NAPOLI", "VENEZIA", "TRIESTE", "PALERMO", "BARI", "LIVORNO", "ANCONA", "CAGLIARI", "TRIPOLI"};
const char *const it_months[] = {"GENNAIO", "FEBBRAIO", "MARZO",     "APRILE",  "MAGGIO",   "GIUGNO",
                                 "LUGLIO",  "AGOSTO",   "SETTEMBRE", "OTTOBRE", "NOVEMBRE", "DICEMBRE"};
const char *const it_texts[] = {
    "IL PIROSCAFO {V} E GIUNTO STAMANE A {H} CON {K} PASSEGGERI. LA TRAVERSATA SI E SVOLTA CON MARE CALMO.",
    "IL RACCOLTO DEL GRANO NELLA PROVINCIA DI {P} SI PRESENTA ABBONDANTE. I PREZZI SUL MERCATO SONO RIMASTI FERMI.",
    "UN IDROVOLANTE PARTITO DA {P} HA AMMARATO A {Q} DOPO UN VOLO DI {N} ORE. IL PILOTA {S} E L EQUIPAGGIO STANNO "
    "BENE.",
    "LA CAMERA HA APPROVATO IERI SERA IL BILANCIO DEI LAVORI PUBBLICI. LA DISCUSSIONE RIPRENDERA DOMANI.",
    "VIOLENTE MAREGGIATE HANNO COLPITO LE COSTE DELLA PENISOLA. A {H} {N} BARCHE DA PESCA HANNO SUBITO DANNI.",
    "LA FIERA CAMPIONARIA DI {P} E STATA INAUGURATA STAMANE. VI PARTECIPANO {N} ESPOSITORI STRANIERI.",
    "IL CORRIDORE {S} HA VINTO LA TAPPA {P} {Q} PRECEDENDO {N} CONCORRENTI E CONSERVA IL PRIMO POSTO IN CLASSIFICA.",
    "IL PO E IN PIENA. PRESSO PIACENZA IL LIVELLO DELLE ACQUE HA RAGGIUNTO {M} METRI SOPRA LA GUARDIA.",
    "UN ACCORDO COMMERCIALE E STATO FIRMATO IERI A {P} PER LO SCAMBIO DI AGRUMI E TESSUTI CONTRO CARBONE E LEGNAME.",
    "LA NUOVA LINEA FERROVIARIA TRA {P} E {Q} SARA APERTA AL TRAFFICO IL {D} DEL MESE PROSSIMO.",
    "LO SCIOPERO DEI PORTUALI DI {H} E TERMINATO. IL LAVORO RIPRENDERA DOMATTINA SU TUTTE LE BANCHINE.",
    "LA MOTONAVE {V} IN AVARIA AL LARGO DI {H} E STATA RIMORCHIATA A {J}. L EQUIPAGGIO E SALVO.",
    "LA BORSA E STATA CALMA. I TITOLI TESSILI SONO IN LIEVE RIALZO, INVARIATA LA RENDITA.",
};
const char *const it_surnames[] = {"BERTOLINI", "FERRARIS", "GALLINA", "MARCHETTI", "ROSSETTI", "TAGLIAVINI",
                                   "CANEVARI",  "LOMBARDO"};
const char *const it_ships[] = {"CONTE ROSSO", "VIMINALE", "PIETRO CALVI", "ESPERIA", "CITTA DI BARI", "GIULIO CESARE",
                                "SANTA LUCIA", "MONTE GRAPPA"};

// ---- German (Transocean, DNB).
const char *const de_places[] = {"BERLIN",   "HAMBURG", "BREMEN", "MUENCHEN", "KOELN",     "LEIPZIG", "DRESDEN",
                                 "STETTIN", "KIEL",    "FRANKFURT", "KOENIGSBERG", "DANZIG", "EMDEN",   "LUEBECK"};
const char *const de_ports[] = {"HAMBURG", "BREMEN", "STETTIN", "KIEL", "EMDEN", "LUEBECK", "DANZIG", "CUXHAVEN", "BREMERHAVEN"};
const char *const de_months[] = {"JANUAR", "FEBRUAR", "MAERZ",     "APRIL",   "MAI",      "JUNI",
                                 "JULI",   "AUGUST",  "SEPTEMBER", "OKTOBER", "NOVEMBER", "DEZEMBER"};
const char *const de_texts[] = {
    "DER DAMPFER {V} IST HEUTE FRUEH IN {H} EINGELAUFEN. AN BORD BEFINDEN SICH {K} FAHRGAESTE.",
    "DIE WEIZENERNTE IM GEBIET VON {P} WIRD ALS GUT BEZEICHNET. DIE PREISE AN DER BOERSE BLIEBEN UNVERAENDERT.",
    "EIN VERKEHRSFLUGZEUG IST NACH EINEM FLUG VON {N} STUNDEN VON {P} IN {Q} GELANDET. FLUGKAPITAEN {S} MELDETE "
    "GUTES WETTER AUF DER GANZEN STRECKE.",
    "DIE MESSE IN {P} WURDE HEUTE VORMITTAG EROEFFNET. {N} AUSLAENDISCHE FIRMEN STELLEN AUS.",
    "SCHWERE STUERME HERRSCHTEN AN DER NORDSEEKUESTE. IN CUXHAVEN BLIEBEN {N} FISCHDAMPFER IM HAFEN.",
    "DER RHEIN FUEHRT HOCHWASSER. BEI KOBLENZ STIEG DER PEGEL UM {M} METER, DIE SCHIFFAHRT IST EINGESTELLT.",
    "EIN HANDELSABKOMMEN WURDE GESTERN IN {P} UNTERZEICHNET. ES SIEHT DEN AUSTAUSCH VON MASCHINEN GEGEN GETREIDE UND "
    "HOLZ VOR.",
    "DIE NEUE STRASSENBRUECKE IN {P} WURDE HEUTE DEM VERKEHR UEBERGEBEN.",
    "DER RADRENNFAHRER {S} GEWANN DIE ETAPPE {P} {Q} VOR {N} MITBEWERBERN UND FUEHRT IN DER GESAMTWERTUNG.",
    "DAS FORSCHUNGSSCHIFF {V} IST NACH {N} MONATEN IM SUEDATLANTIK NACH {H} ZURUECKGEKEHRT.",
    "DER FRACHTER {V} HAT VOR {H} MASCHINENSCHADEN ERLITTEN UND WIRD VON EINEM SCHLEPPER NACH {J} GEBRACHT.",
    "AN DER BOERSE WAR DIE HALTUNG RUHIG. MONTANWERTE LAGEN FEST, RENTEN UNVERAENDERT.",
    "DIE LUFTPOSTLINIE {P} {Q} WIRD VOM {D}. DES NAECHSTEN MONATS AN TAEGLICH BEFLOGEN.",
};
const char *const de_surnames[] = {"BRANDT", "KESSLER", "LINDNER", "VOGT", "HARTMANN", "ZIMMER", "REINECKE", "STAUDE"};
const char *const de_ships[] = {"MONTE PASCOAL", "STUTTGART", "GENERAL OSORIO", "ADOLPH WOERMANN", "SIERRA CORDOBA",
                                "NJASSA", "OSTMARK", "HANNOVER"};

// ---- English, American datelines (United Press, Associated Press, Press Wireless).
const char *const us_places[] = {"NEW YORK",   "WASHINGTON", "CHICAGO", "SAN FRANCISCO", "NEW ORLEANS", "BOSTON",
                                 "SEATTLE",    "HOUSTON",    "HONOLULU", "PHILADELPHIA", "BALTIMORE",   "DETROIT",
                                 "LOS ANGELES", "GALVESTON"};
const char *const us_ports[] = {"NEW YORK", "SAN FRANCISCO", "NEW ORLEANS", "BOSTON", "SEATTLE", "GALVESTON", "HONOLULU", "BALTIMORE", "NORFOLK"};
const char *const us_months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUNE", "JULY", "AUG", "SEPT", "OCT", "NOV", "DEC"};
const char *const en_texts[] = {
    "THE LINER {V} DOCKED AT {H} THIS MORNING WITH {K} PASSENGERS AFTER A CALM CROSSING.",
    "WHEAT CLOSED FIRM AT {P} ON REPORTS OF DROUGHT IN THE GROWING AREAS. COTTON WAS STEADY.",
    "A TRANSPORT PLANE FROM {P} LANDED AT {Q} TODAY AFTER A NONSTOP FLIGHT OF {N} HOURS. PILOT {S} SAID HEAVY ICE WAS "
    "MET OVER THE MOUNTAINS.",
    "FLOOD WATERS ROSE {M} FEET AT {P} OVERNIGHT AND HUNDREDS OF FAMILIES WERE MOVED TO HIGHER GROUND.",
    "THE BILL FOR NEW DOCKS AT {H} WAS PASSED LATE TONIGHT BY {T} VOTES TO {N}.",
    "FIRE DESTROYED A GRAIN ELEVATOR AT {P} EARLY TODAY. DAMAGE WAS PUT AT {K} THOUSAND DOLLARS. NO ONE WAS HURT.",
    "DOCK WORKERS AT {H} VOTED TODAY TO END THEIR STRIKE. LOADING OF SHIPS WILL BEGIN TOMORROW MORNING.",
    "THE FREIGHTER {V} RADIOED THAT SHE IS MAKING FOR {H} UNDER HER OWN POWER AFTER LOSING A PROPELLER BLADE.",
    "A TRADE AGREEMENT SIGNED AT {P} TODAY PROVIDES FOR THE EXCHANGE OF MACHINERY FOR COFFEE AND RUBBER.",
    "THE YACHT {V} WON THE OCEAN RACE TO {H} TODAY, FINISHING {N} HOURS AHEAD OF HER NEAREST RIVAL.",
    "A GALE SWEPT THE COAST NEAR {H} TONIGHT. {N} FISHING BOATS ARE REPORTED MISSING AND THE COAST GUARD IS SEARCHING.",
    "STOCKS WERE IRREGULAR IN QUIET TRADING. RAILS AND COPPERS GAINED SMALL FRACTIONS.",
    "AIR MAIL SERVICE BETWEEN {P} AND {Q} WILL BEGIN ON THE FIRST OF NEXT MONTH, THE POST OFFICE ANNOUNCED.",
};
const char *const us_surnames[] = {"HOLLIS", "PRENTICE", "CALLOWAY", "DUNMORE", "WHITCOMB", "MARLOWE", "TREADWELL",
                                   "KINSEY"};
const char *const us_ships[] = {"SANTA ROSA", "PRESIDENT TAFT", "MANHATTAN", "EXCAMBION", "MARIPOSA", "AMERICAN BANKER",
                                "WEST CAMAK", "LURLINE"};

// ---- English, Empire datelines (Reuter).
const char *const uk_places[] = {"LONDON", "LIVERPOOL", "GLASGOW", "SOUTHAMPTON", "BOMBAY",   "CAPE TOWN", "SYDNEY",
                                 "SINGAPORE", "HONG KONG", "CAIRO", "MONTREAL",   "COLOMBO", "WELLINGTON", "ADEN"};
const char *const uk_ports[] = {"LIVERPOOL", "SOUTHAMPTON", "GLASGOW", "BOMBAY", "CAPE TOWN", "SYDNEY", "SINGAPORE", "HONG KONG", "ADEN", "COLOMBO"};
const char *const uk_months[] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                                 "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
const char *const uk_surnames[] = {"ASHCROFT", "PEMBERTON", "HALLIWELL", "ORMEROD", "FAIRBAIRN", "TRELAWNEY",
                                   "GOODRIDGE", "MALLINSON"};
const char *const uk_ships[] = {"CATHAY", "DUNNOTTAR CASTLE", "ORONTES", "CITY OF BENARES", "ARANDORA", "STRATHNAVER",
                                "RANGITIKI", "CLAN MACLEAN"};

// ---- Spanish (River Plate).
const char *const es_places[] = {"BUENOS AIRES", "ROSARIO", "BAHIA BLANCA", "MAR DEL PLATA", "CORDOBA", "SANTA FE",
                                 "MONTEVIDEO", "ASUNCION", "SANTIAGO", "MENDOZA", "PARANA", "TUCUMAN"};
const char *const es_ports[] = {"BUENOS AIRES", "ROSARIO", "BAHIA BLANCA", "MAR DEL PLATA", "MONTEVIDEO", "PUERTO MADRYN", "VALPARAISO"};
const char *const es_months[] = {"ENERO", "FEBRERO", "MARZO",      "ABRIL",   "MAYO",      "JUNIO",
                                 "JULIO", "AGOSTO",  "SEPTIEMBRE", "OCTUBRE", "NOVIEMBRE", "DICIEMBRE"};
const char *const es_texts[] = {
    "EL VAPOR {V} LLEGO ESTA MANANA A {H} CON {K} PASAJEROS. LA TRAVESIA SE REALIZO CON BUEN TIEMPO.",
    "LA COSECHA DE TRIGO EN LA ZONA DE {P} SE ANUNCIA ABUNDANTE. LOS PRECIOS SE MANTIENEN FIRMES EN EL MERCADO DE "
    "CEREALES.",
    "UN AVION DE LA LINEA POSTAL SALIDO DE {P} ATERRIZO EN {Q} DESPUES DE {N} HORAS DE VUELO. EL PILOTO {S} INFORMO "
    "BUEN TIEMPO EN TODA LA RUTA.",
    "EL CONGRESO APROBO ANOCHE EL PRESUPUESTO DE OBRAS PUBLICAS POR {T} VOTOS CONTRA {N}.",
    "FUERTES TEMPORALES AZOTARON LA COSTA ATLANTICA. EN {H} {N} PESQUEROS SUFRIERON AVERIAS.",
    "LA EXPOSICION RURAL DE {P} FUE INAUGURADA HOY CON {N} EXPOSITORES DEL INTERIOR Y DEL EXTERIOR.",
    "TERMINO LA HUELGA DE LOS PORTUARIOS DE {H}. EL TRABAJO SE REANUDARA MANANA EN TODOS LOS MUELLES.",
    "EL RIO PARANA SIGUE CRECIENDO. FRENTE A ROSARIO LAS AGUAS SUBIERON {M} METROS Y VARIAS ISLAS ESTAN INUNDADAS.",
    "SE FIRMO AYER EN {P} UN CONVENIO COMERCIAL PARA EL INTERCAMBIO DE CARNES Y LANAS POR MAQUINARIA.",
    "EL CARGUERO {V} CON AVERIA EN LAS MAQUINAS FRENTE A {H} ES REMOLCADO A {J}. LA TRIPULACION ESTA A SALVO.",
    "LA BOLSA ESTUVO TRANQUILA. LOS TITULOS FERROVIARIOS MEJORARON LIGERAMENTE.",
};
const char *const es_surnames[] = {"ITURBE", "QUIROGA", "BELTRAN", "ECHEVERRIA", "SOSA", "GOYENECHE", "ARRIETA",
                                   "VILLAFANE"};
const char *const es_ships[] = {"RIO JACHAL", "CIUDAD DE ASUNCION", "VIEDMA", "PRESIDENTE PERON", "RIO SANTA CRUZ",
                                "LIBERTAD", "SAN MARTIN", "CORRIENTES"};

// ---- Portuguese (Brazil).
const char *const pt_places[] = {"RIO DE JANEIRO", "SAO PAULO", "SANTOS", "RECIFE", "BAHIA", "PORTO ALEGRE", "BELEM",
                                 "MANAUS", "BELO HORIZONTE", "CURITIBA", "FORTALEZA", "VITORIA"};
const char *const pt_ports[] = {"RIO DE JANEIRO", "SANTOS", "RECIFE", "BAHIA", "PORTO ALEGRE", "BELEM", "FORTALEZA", "VITORIA", "RIO GRANDE"};
const char *const pt_months[] = {"JANEIRO", "FEVEREIRO", "MARCO",    "ABRIL",   "MAIO",     "JUNHO",
                                 "JULHO",   "AGOSTO",    "SETEMBRO", "OUTUBRO", "NOVEMBRO", "DEZEMBRO"};
const char *const pt_texts[] = {
    "O VAPOR {V} CHEGOU HOJE A {H} COM {K} PASSAGEIROS. A VIAGEM DECORREU COM BOM TEMPO.",
    "A SAFRA DE CAFE NA REGIAO DE {P} E CALCULADA EM {K} MIL SACAS. OS PRECOS MANTEM SE FIRMES EM SANTOS.",
    "UM AVIAO DO CORREIO AEREO SAIDO DE {P} POUSOU EM {Q} APOS {N} HORAS DE VOO. O PILOTO {S} INFORMOU BOM TEMPO EM "
    "TODA A ROTA.",
    "A CAMARA DOS DEPUTADOS APROVOU ONTEM O ORCAMENTO DAS OBRAS PUBLICAS POR {T} VOTOS CONTRA {N}.",
    "FORTES CHUVAS CAUSARAM ENCHENTES EM {P}. AS AGUAS SUBIRAM {M} METROS E VARIAS ESTRADAS ESTAO INTERROMPIDAS.",
    "FOI INAUGURADA HOJE EM {P} A FEIRA DE AMOSTRAS COM {N} EXPOSITORES ESTRANGEIROS.",
    "TERMINOU A GREVE DOS ESTIVADORES DO PORTO DE {H}. O TRABALHO SERA RETOMADO AMANHA EM TODOS OS CAIS.",
    "FOI ASSINADO ONTEM EM {P} UM ACORDO COMERCIAL PARA A TROCA DE CAFE E ALGODAO POR MAQUINAS.",
    "O CARGUEIRO {V} COM AVARIA NAS MAQUINAS AO LARGO DE {H} ESTA SENDO REBOCADO PARA {J}. A TRIPULACAO ESTA SALVA.",
    "A NOVA ESTRADA DE FERRO ENTRE {P} E {Q} SERA ABERTA AO TRAFEGO NO DIA {D} DO MES QUE VEM.",
};
const char *const pt_surnames[] = {"AZEVEDO", "MOURAO", "TAVARES", "QUEIROZ", "BRANDAO", "PIMENTEL", "FALCAO",
                                   "GUIMARAES"};
const char *const pt_ships[] = {"ITAPE", "BAGE", "CUYABA", "ALMIRANTE ALEXANDRINO", "PEDRO II", "ARATIMBO", "ITAQUICE",
                                "RIO GRANDE"};

// ---- Russian (TASS), in the Latin letters of Russian Morse: W for the
// Cyrillic V, V for ZH, ! YA, @ YU, $ CH, # SH, Q SHCH, X the soft sign,
// Y the hard I, % E reversed, J short I, C TS, H KH.
const char *const ru_places[] = {"MOSKWA",   "LENINGRAD", "KIEW",  "ODESSA",      "BAKU",     "HARXKOW",
                                 "SWERDLOWSK", "ARHANGELXSK", "WLADIWOSTOK", "MURMANSK", "TBILISI", "ROSTOW"};
const char *const ru_ports[] = {"ODESSA", "LENINGRAD", "ARHANGELXSK", "WLADIWOSTOK", "MURMANSK", "BATUMI", "NOWOROSSIJSK", "TALLIN"};
const char *const ru_months[] = {"!NWAR!", "FEWRAL!", "MARTA",    "APREL!",  "MA!",    "I@N!",
                                 "I@L!",   "AWGUSTA", "SENT!BR!", "OKT!BR!", "NO!BR!", "DEKABR!"};
const char *const ru_texts[] = {
    "PAROHOD {V} PRIBYL SEGODN! W PORT {H} S GRUZOM ZERNA. RAZGRUZKA NA$NETS! ZAWTRA UTROM.",
    "KOLHOZY W RAJONE GORODA {P} ZAKON$ILI SEW !ROWYH NA {N} DNEJ RANX#E SROKA.",
    "NA ZAWODE W GORODE {P} WYPUQEN {K} TRAKTOR. RABO$IE ZAWODA WYPOLNILI GODOWOJ PLAN DOSRO$NO.",
    "SAMOLET POD UPRAWLENIEM LET$IKA {S} SOWER#IL BESPOSADO$NYJ PERELET {P} {Q} ZA {N} $ASOW.",
    "W GORODE {P} OTKRYLASX WYSTAWKA PROMY#LENNYH TOWAROW. W NEJ U$ASTWU@T {N} PREDPRI!TIJ.",
    "LEDOKOL {V} WY#EL IZ PORTA {H} DL! PROWODKI KARAWANA SUDOW.",
    "NA STROITELXSTWE GIDROSTANCII BLIZ GORODA {P} ULOVENO {K} KUBOMETROW BETONA.",
    "W GORODE {P} NA$ALS! MEVDUNARODNYJ #AHMATNYJ TURNIR. U$ASTWU@T {N} #AHMATISTOW.",
    "RYBAKI PORTA {H} WYLOWILI ZA NEDEL@ {K} CENTNEROW RYBY.",
    "TEPLOHOD {V} S GRUZOM LESA WY#EL IZ PORTA {H} W PORT {J}.",
};
const char *const ru_surnames[] = {"SOKOLOW", "ZAHAROW", "BELOUSOW", "GROMOW", "TIHONOW", "KRYLOW", "LAPTEW",
                                   "SWIRIDOW"};
const char *const ru_ships[] = {"SMOLXNYJ", "KRASIN", "DVURMA", "STARYJ BOLXWIK", "ANATOLIJ SEROW", "SIBIR!KOW",
                                "KOMSOMOLEC", "ILXI$"};

}  // namespace

const PressLanguage press_languages[PL_LANGUAGES] = {
    {fr_places, count(fr_places), fr_ports, count(fr_ports), fr_months, fr_texts, count(fr_texts),
     fr_surnames, count(fr_surnames), fr_ships, count(fr_ships), "FIN"},
    {it_places, count(it_places), it_ports, count(it_ports), it_months, it_texts, count(it_texts),
     it_surnames, count(it_surnames), it_ships, count(it_ships), "FINE"},
    {de_places, count(de_places), de_ports, count(de_ports), de_months, de_texts, count(de_texts),
     de_surnames, count(de_surnames), de_ships, count(de_ships), "ENDE"},
    {us_places, count(us_places), us_ports, count(us_ports), us_months, en_texts, count(en_texts),
     us_surnames, count(us_surnames), us_ships, count(us_ships), "ENDS"},
    {uk_places, count(uk_places), uk_ports, count(uk_ports), uk_months, en_texts, count(en_texts),
     uk_surnames, count(uk_surnames), uk_ships, count(uk_ships), "ENDS"},
    {es_places, count(es_places), es_ports, count(es_ports), es_months, es_texts, count(es_texts),
     es_surnames, count(es_surnames), es_ships, count(es_ships), "FIN"},
    {pt_places, count(pt_places), pt_ports, count(pt_ports), pt_months, pt_texts, count(pt_texts),
     pt_surnames, count(pt_surnames), pt_ships, count(pt_ships), "FIM"},
    {ru_places, count(ru_places), ru_ports, count(ru_ports), ru_months, ru_texts, count(ru_texts),
     ru_surnames, count(ru_surnames), ru_ships, count(ru_ships), "KONEC"},
};

}  // namespace kestrel
