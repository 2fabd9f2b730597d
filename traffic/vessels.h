// The vessel register and ship selection: the ships of many flags heard on the
// maritime bands, the ship now speaking, and the choices that go with it (a
// ship of a coast station's nation, the keying of its flag, the greeting of two
// stations, its working channel, a maritime farewell).
#pragma once

namespace kestrel {

// The register: calls sorted in ASCII order, so that each national series is
// one block; the names row by row beside them. Row 1856 is reached only
// through a prefix search.
constexpr int VSL_ROWS = 1857;
extern const char vsl[VSL_ROWS][6];
extern const char qra[VSL_ROWS][25];

// Ship-type lists, every call in the register, consulted in this order.
extern const char vsl_type_motorcargo[190][6];
extern const char vsl_type_ore[92][6];
extern const char vsl_type_motortanker[51][6];
extern const char vsl_type_steamcargo[16][6];
extern const char vsl_type_cc[9][6];
extern const char vsl_type_refrigatedcargo[16][6];
extern const char vsl_type_steamtanker[25][6];
extern const char vsl_type_motorpassanger[13][6];
extern const char vsl_type_steampassanger[18][6];
extern const char vsl_type_trawler[23][6];

// Ships that always send their own fixed telegram (qtc_700_tab, same row).
extern const char qtc_700_cs[37][6];

// Flags whose traffic is accounted by a foreign authority: rows 1..11.
extern const char vsl_qrc_px_1[12][3];
extern const char vsl_qrc_px_2[12][5];
// Accounting authority codes a coast station may ask a ship for.
extern const char qrc[11][5];

// The ship now speaking and the rows last drawn.
extern char __vsl[6];
extern char __qra[25];
extern int vsl_nr, coast_nr, vsl_nr1, vsl_nr2;
extern int national_fleet_flag;  // 1 after national_fleet, 2 after assigned_series
extern int qrc_nr;
extern int anm_sent;
extern int opchat_nr;
// The ship now speaking, the rows last drawn and the flags above back to 0.
void vessels_reset();

// Register row `row` becomes the ship now speaking (__vsl, __qra, vsl_nr).
void set_vsl(int row);
// A ship drawn from the register (never row 1856) and a coast row of `coast`.
void get_vsl();
// A row after the first call beginning with the two characters of prefix:
// that row + 1 + rand() % span; 0 when no call has the prefix.
int find_base_vsl(const char *prefix, int span);
// A ship of the coast station's nation, or get_vsl() when there is none.
void find_fleet(const char *coast_call);
// The row 1..11 of vsl_qrc_px_1 that begins `call` (also in qrc_nr); 0 for none.
int find_qrc(const char *call);
// The type code of __vsl: 1, 6, 22, 2, 25, 11, 21, 14, 15, 24; 255 for none.
int find_specialistic_vsl();
// The keying of the ship now speaking, by its flag.
void fleet_style(const char *call);
// The greeting of stations a and b into str2.
void international_hello(const char *a, const char *b);
// The ship's working channel on `band` (4, 6, 8, 12, 16, 22) into str3.
void get_channel(int band);
// One of 34 closing formulas; `own` is the closing station's call.
void maritime_bye(const char *own);

}  // namespace kestrel
