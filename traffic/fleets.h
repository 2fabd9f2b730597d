// Traffic lists, national fleets and the other maritime stations: coast
// stations' lists of ships with traffic and their announcements, frequencies
// worked by the ships of one nation, the Soviet fleet's traffic, port radios,
// small coast stations, direction-finding stations and a few more.
#pragma once

namespace kestrel {

// Soviet ships by their five-character calls: rows 0..118 the UA block, 119
// and up the UR block; their names beside them.
constexpr int RUS_VSL_ROWS = 140;
extern const char rus_vsl_cs[RUS_VSL_ROWS][6];
extern const char rus_vsl_qra[RUS_VSL_ROWS][20];

// A Soviet ship's private telegrams, in the Latin letters of Russian Morse
// ('!' Ya, '#' Sha, '$' Che, '@' Yu, '%' E oborotnoye). Each row: word count,
// address, text, signature.
struct RusTelegram {
    int words;
    const char *address;
    const char *text;
    const char *signature;
};
extern const RusTelegram rus_vsl_tgm[9];
extern const char rus_qtc_sender[12][20];  // first names that sign family telegrams

// A Soviet coast station's blind broadcast: offices of origin, and seven
// telegrams with their word counts; addressees by surname.
extern const char rus_qtc_orig[6][16];
extern const int rus_qtc_ck[7];
extern const char *const rus_qtc_tab[7];
extern const char rus_qtc_name[32][20];

// A tracking net: the called stations and the calling ones.
extern const char rus_trkcst[5][8];
extern const char rus_trknet[10][8];

// Chess moves two ships exchange.
extern const char chess_moves[6][10];

// Direction-finding stations: the 375 kHz service (calls of long range
// stations, coast stations with their place), and the 410 kHz service.
extern const char gonio_375_dx[8][5];
extern const char gonio_375_sx[105][6];
extern const char gonio_375_sx_nm[105][25];
extern const char gonio_410_sx[7][5];

// Ships and coast stations of the years before 1950.
constexpr int OLD_VSL_ROWS = 140;
extern const char old_vsl[OLD_VSL_ROWS][6];
extern const char old_qra[OLD_VSL_ROWS][25];
extern const char old_coast[4][5];

// The stations of a fleet's own net.
extern const char panocean_fleet_net[8][6];

// The American ships assigned to each slot of the national series, one to
// three calls per slot (slots 2..60; rows 0 and 1 unused), each in the register.
extern const char assigned_calls[61][3][6];

void tfc_anmt(const char *text);
void tfc_list(int style, int density, const char *coast_call);
void gkb_tfc_list();
// A list for the ships of one flag: as tfc_list, over the register block of
// the calls beginning with the two-letter `prefix`, each ship with traffic
// one time in two (one at least). Nothing when no call has the prefix.
void national_tfc_list(int style, const char *coast_call, const char *prefix);
void send_cq_anm(const char *call, const char *text);
void nav_wng_anm(const char *call);
void national_fleet(const char *called, const char *prefix, int span);
void assigned_series(int slot);
void russian_fleet(const char *coast_call, const char *prefix, int span);
void port_radio(const char *port_call);
void small_coast_station(const char *coast_call, int mode);
void rcvg_obs_msg(const char *coast_call);
void jap_fishery(const char *call, int mhz);
void pch_blind();
void pch_px();
void gkb_opchat(const char *marker);
void russian_vsl();
void rus_blind_tfc();  // leaves the slot open
void rus_tracking_net();
void chess();
void marine_qte(int kind, const char *station);
void old_vsl_qtc();
void drift_net_buoys(const char *text);
void panocean_fleet();

}  // namespace kestrel
