// Diplomatic, press and telecom traffic: embassy nets and ministries, the
// operators of the public administrations' point-to-point telegraph circuits,
// high-speed automatic Morse tests, a radiophoto circuit, a news agency, a
// wartime government network and a humanitarian organisation.
// Each generator leaves its emission closed, or sends nothing; ptt_nr_time
// only appends.
#pragma once

namespace kestrel {

// Diplomatic traffic: the outstations of embassy nets, as their control stations call them.
extern const char cuba_posts[6][6];
extern const char egypt_posts[6][7];

// ---- Fixed texts.

// State Department telegrams as the embassy circuits passed them.
extern const char *const us_diplo_qtc001;
extern const char *const us_diplo_qtc002;
extern const char *const us_diplo_qtc003;
extern const char *const us_diplo_qtc004;
extern const char *const us_diplo_qtc005;
extern const char *const us_diplo_qtc006;
// A Moroccan ministry telegram in French, up to its cipher groups.
extern const char *const morrocan_diplo_001;
// A Nicaraguan embassy telegram in Spanish.
extern const char *const qtc_managua_001;
// Public telegrams with their preamble and address, in the circuits' languages.
constexpr int PTT_QTCS = 22;
extern const char *const qtc_ptt_table[PTT_QTCS];
// Soviet circuit telegrams in the Latin letters of Russian Morse: printf
// formats taking day, hour and minute (three ints), two circuits.
constexpr int RUS_RKV_QTCS = 4;
constexpr int RUS_RIP_QTCS = 3;
extern const char *const qtc_rus_rkv_table[RUS_RKV_QTCS];
extern const char *const qtc_rus_rip_table[RUS_RIP_QTCS];
// The wartime government network: each net's control station (row 0) and its
// out-stations; rows past the last call are empty.
constexpr int PLG_NETS = 11;
constexpr int PLG_NET_ROWS = 10;
extern const char plg_qga_net[PLG_NET_ROWS][6];
extern const char plg_qgf_net[PLG_NET_ROWS][6];
extern const char plg_qgg_net[PLG_NET_ROWS][6];
extern const char plg_qgh_net[PLG_NET_ROWS][6];
extern const char plg_qgl_net[PLG_NET_ROWS][6];
extern const char plg_qgn_net[PLG_NET_ROWS][6];
extern const char plg_qgr_net[PLG_NET_ROWS][6];
extern const char plg_qgz_net[PLG_NET_ROWS][6];
extern const char plg_qja_net[PLG_NET_ROWS][6];
extern const char plg_qkx_net[PLG_NET_ROWS][6];
extern const char plg_qg321_net[PLG_NET_ROWS][6];

// ---- Telecom circuits.

// A circuit operator of office `own` working `called`: spd 24..37, then one of the 50 cases of telecom_opchat_case.
void telecom_opchat_dx(const char *called, const char *own, const char *third);
// Case `kind` (0..49) of the circuit operator, with spd already set: talk, marker, speed test or telegram.
void telecom_opchat_case(int kind, const char *called, const char *own);
// The operator of a French office.
void french_ptt(const char *called, const char *own);
// A high-speed automatic Morse test tape at `wpm`, unweighted, repeated.
void auto_morse(int wpm);
// A public telegram with a break-in and its correction, the filing number and time, the receipt.
void qtc_qsk_ptt(const char *text, const char *own, int number);
// " + number HHMM + ": the telegram's filing number and the time; appends only.
void ptt_nr_time(int number);
// A Soviet telegraph circuit: the speed test in odd minutes, else four (circuit 1) or three (circuit 2) telegrams.
void russian_ptt(const char *called, const char *own, int circuit);
// A radiophoto circuit operator's service signal to `called`.
void radiophoto_opchat(const char *called, const char *own);
// The V-call of a circuit's called office (`own` is not heard).
void ufc(const char *called, const char *own);
// The news agency's header.
void kcna();

// ---- Diplomatic networks.

// One of the six State Department telegrams, two words a minute slower.
void us_diplo_qtc();
// The government network calling: ten minutes from `start` (HHMM); tens of `station` the net, units its out-station.
void pol_gov_ldn_net_clg(int start, int station);
// The government network working: net 1..6 or 80..84, ten minutes an hour by net.
void pol_gov_ldn_net_wrk(int net);
// Italian embassy: in seconds multiple of 5, a service question or a message with its repeated indicators.
void italian_diplo();
// German embassy: "no traffic" and the close.
void german_diplo();
// A simplex exchange: the call-up `callup`, answered by `caller`'s correspondent `called`.
void diplo_simplex(const char *callup, const char *caller, const char *called);
// Polish embassy `call`, in minutes multiple of 3: a message, a receipt or a call twice.
void polish_diplo(const char *call);
// The same between `a` and `b`.
void polish_diplo2(const char *a, const char *b);
// Moroccan embassy: a call of `a` by `b`, or the French telegram with its figure groups.
void morrocan_diplo(const char *a, const char *b);
// Iranian embassy: three-letter groups and the close.
void iranian_diplo();
// Portuguese embassy: a figure message (qtc_5f).
void portuguese_diplo();
// British embassy of the older procedure: report, message, group-count check, receipt.
void british_diplo_old();
// Vietnamese embassy: one of two short service lines.
void vietnamese_diplo();
// Albanian embassy `call`: a V-call and CQ, then a numbered figure message.
void albanian_diplo(const char *call);
// The marker of SNN299, frequency-shift keyed.
void snn299();
// Cuban embassy `call` calling the ministry CLP1.
void cuban_diplo(const char *call);
// Norwegian embassy `call` calling the ministry LJA20, which answers.
void nor_diplo(const char *call);
// Bulgarian embassy `call` calling the ministry DOR.
void bul_emba(const char *call);
// The Nicaraguan embassy's telegram, semi-automatic key.
void managua_msg();
// Algerian embassy `call` calling the ministry 7RQ20.
void algerian_diplo(const char *call);
// The Belgian ministry's cipher telegram to one of its embassies.
void brussels_mfa();
// The Thai ministry's figure message to one of its embassies.
void thai_mfa();
// The Red Cross station HBC88 and its delegation `call`.
void red_cross(const char *call);

}  // namespace kestrel
