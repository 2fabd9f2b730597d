// Amateur radio: general calls and QSOs from the amateur database, DX
// expeditions and their pile-ups, contests, low-power and special-event
// stations, beacons and propagation bulletins.
#pragma once

namespace kestrel {

// The amateur database: calls, the operators' first names and their
// locations, row by row (some names or locations empty); rows 0..590 drawn.
constexpr int AMATEUR_ROWS = 595;
extern const char amateur[AMATEUR_ROWS][10];
extern const char amateur_op[AMATEUR_ROWS][16];
extern const char amateur_qth[AMATEUR_ROWS][25];

extern const char dx[33][11];             // DX-expedition calls
extern const char contest[41][6];         // contest stations
extern const char amateur_qrp[16][10];    // low-power stations
extern const char amateur_ant[9][16];     // antennas, "DIPOLE" first
extern const char amateur_wx[2][16];      // "SUNNY" first
extern const char spe_evnt[10][12];       // special-event stations
extern const char spe_qsl[10][10];        // their QSL managers
extern const char spk_cs[85][7];          // stations of a national contest
extern const char spk_wj[85][4];          // their district codes
extern const char li2b_callers_14[15][10];  // callers of the expedition on 14 MHz
extern const char li2b_callers_27[5][10];   // and on 27 MHz
extern const char beacon_calls[18][8];      // the international beacon chain
extern const char *const propagation_odd_day;   // fixed bulletins; {DAY} {MON} fields
extern const char *const propagation_even_day;

// The QSO in progress.
extern char am_1[10], am_2[10], name_1[16], name_2[16], qth_1[25], qth_2[25];
extern int am1_nr, am2_nr, am_nr;
// No QSO in progress: the calls, names and places above empty, the rows 0.
void amateur_reset();

void find_2stns();
void amateur_tfc();
void amateur_qso();
void amateur_dx();
void dx_pileup();
void contest_qso();
void qrp_qso();
void spe_event();
void german_qso();
void li2b(int mode);
void spk();
void world_beacon_net();
void cluster_beacon();
void propagation_info();

}  // namespace kestrel
