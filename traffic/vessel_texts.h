// The texts of the maritime service: ports, offices of origin, names and
// addresses of telegrams, ship positions, countries, coast-station lists, and
// the telegram templates of ships and coast stations.
//
// Templates are filled by name, never as printf formats, so a template can
// neither read a missing argument nor print one of the wrong type. A field is
// written {NAME}; the fields of each template kind are listed below.
#pragma once

namespace kestrel {

extern const char next_port[82][16];     // port names, for ETA and destination
extern const char origin[54][16];        // offices of origin of coast telegrams
extern const char name[22][16];          // surnames of addressees and signatures
extern const char adr[33][51];           // full telegraphic addresses
extern const char vsl_qth[21][20];       // ship positions in assorted notations
extern const char country[61][16];       // countries for QSJ and CC LL requests
extern const char opchat_tail[7][16];    // endings of a coast telegram

// Coast-station calls: `coast` sorted, some repeated to weight them; the
// 22 MHz lists by region of the path open at the hour.
extern const char coast[112][5];
extern const char coast22reg3f[32][5];    // Far East and Pacific, 0000-0600
extern const char coast22reg1_3m[62][5];  // Europe, Africa, Middle East, 0600-1600
extern const char coast22reg2[24][5];     // the Americas, 1200-2400

// Ship telegram templates, rows 0..53 the common pool, 54..59 " = MASTER",
// 70 German, 80..82 Polish, 90..91 Turkish, the rest empty (nullptr).
// Fields: {ETADAY} {ETAMONTH} {ETAHOUR} (two digits), {ETAMON} (JAN..DEC),
// {PORT1} {PORT2} (next_port rows, never the same), {NAME1} {NAME2} (name
// rows, never the same), {DAY} {MONTH} {HOUR} (today, UTC), {DRAUGHT}
// (5.0..11.9), {QTY} (100..349), {CREW} (20..44), {SHIP} (the ship's name),
// {CALL} (its call).
constexpr int QTC_TEMPLATES = 100;
extern const char *const qtc_table[QTC_TEMPLATES];
extern const int qtc_ck[QTC_TEMPLATES];   // word count of the template's text
extern const int qtc_ads[QTC_TEMPLATES];  // 201: an adr row precedes the text; 200: the text has its address

// The fixed telegrams of the ships of qtc_700_cs, preamble included, no fields.
constexpr int QTC_700 = 37;
extern const char *const qtc_700_tab[QTC_700];

// Coast-station telegrams: 25 common, then the Norwegian, Danish and Dutch one.
// Fields: {ORIGIN} (office of origin), {NR} (message number), {DAY} {MONTH}
// {HOUR} {MIN} (now, UTC), {MON} (JAN..DEC), {SHIPNAME} {CALL} (the ship),
// {D} (the coast station's designation, " DOHARADIO " or " A7D "), {PORT}
// (a next_port row), {SIGN} (a name row), {N1} (10..99), {N2} (100..999).
constexpr int COAST_QTC_COMMON = 25;
extern const char *const coast_qtc_common[COAST_QTC_COMMON];
extern const char *const coast_qtc_norwegian;
extern const char *const coast_qtc_danish;
extern const char *const coast_qtc_dutch;

// Short service phrases of a ship operator's aside.
extern const char vsl_opchat_phrases[36][24];

}  // namespace kestrel
