// Military and intelligence messages as the band plan sends them: figure and
// letter groups after a call-up, unattended broadcasts, NATO-format messages,
// net traffic between two stations and indicator broadcasts, which queue with
// the speed, tone and strength set before them; and the stations that set
// their own: cipher and flash broadcasts, numbers stations and cut numbers,
// kana groups, an American fixed net and a direction-finding net.
#pragma once

namespace kestrel {

// A call-up, a message of five-figure groups (gr of them) with its check
// group, the close.
void fig_msg(const char *head, const char *tail);
// The same with " AR K" as the close.
void fig_msg_ar(const char *call_line);
// A numbered message of `groups` figure groups after its heading, closed with " K".
void fig_msg_count(const char *head, int groups);

// A call-up, then gr five-letter groups (alphabet 3 with the Russian letters).
void let_msg(const char *head, int alphabet, int flags);
// The same in the Latin alphabet (alphabet 2).
void let_msg_latin(const char *call_line, int flags);
// A numbered message of `groups` letter groups in the Latin alphabet after its heading, closed.
void let_msg_count(const char *head, int groups, int flags);

// A NATO-format message after its call-up.
void nato_msg(const char *head, char precedence);
// One message passed between two stations of a net, both sides in one slot;
// sep is "DE", or "V" in the Russian procedure.
void pass_msg(const char *to, const char *from, const char *sep);
// Letter groups between two copies of their indicator, after a call of its own.
void indicator_bcst(const char *call, const char *indicator);

// ---- Cipher broadcasts, numbers stations, intelligence and direction-finding
// nets. Each appends to the open slot and closes it, unless a time gate keeps
// it silent (the slot then stays open and empty).

// Soviet-style net calls: headquarters and its regional station, row by row.
constexpr int NKVD_NET_ROWS = 12;
extern const char nkvd_net_hq[NKVD_NET_ROWS][5];
extern const char nkvd_net_reg[NKVD_NET_ROWS][5];
// Russian code words that open the flash messages.
extern const char rdl_codeword[25][14];
// The direction-finding net's day key, by day of the month - 1 (five digits).
extern const int dkt[31];
// Frequencies the direction-finding net works, in kHz less 10000.
constexpr int PELENG_FREQS = 107;
extern const int peleng_freq_tab[PELENG_FREQS];
// The one fixed radiogram the American fixed net passes to WVT.
extern const char *const usarmy_wvt_001;
// The war years' American fixed nets, net control first: the Pacific net of
// the San Francisco port of embarkation, the Atlantic net of the War
// Department station, and the Caribbean net of the Canal Zone.
extern const char usarmy_net_pacific[5][5];
extern const char usarmy_net_atlantic[4][5];
extern const char usarmy_net_caribbean[3][5];
// The direction-finding code of the last tuning: bearing, day key, frequency code.
extern char pbuf[6], kbuf[6], cbuf[6];
// No direction-finding code drawn yet.
void military_reset();

// A net broadcast after a call given three times: letter groups for kind 3, else figures.
void red_army_broadcast(int kind, int flags);
// The same after a V-call, with the receipt asked for at the end ("R003?".."R009?").
void red_army_broadcast_qsl(int kind, int flags);
// Two net stations passing one letter message, in even milliseconds.
void simplex_qtc(int alphabet, int flags);
// Headquarters calls its regional station of that row with a figure message; minutes % 5 == 0.
void nkvd_2(int row);
// A short Allied message between own and called, one tuning in three.
void brusa(const char *own, const char *called);
// A flash message (kinds 1..4, +128 for a closing " K"), sent twice; minutes % 5 == 0.
void xxx_flash(const char *text, int kind);
// n digits in str as cut numbers (1 A, 2 U, 8 D, 9 N, 0 T) and a blank.
char *cut_group(int n);
// The same cutting 3 V, 5 E, 7 B as well: only 4 and 6 stay digits.
char *cut_group2(int n);
// One string of cut_group(n), closed.
void qtc4f_cut(int n);
// One string of cut_group2(n), closed.
void qtc4f_cut2(int n);
// Four-figure groups to a count drawn afresh before each group; one tuning in six.
void qtc_4f();
// The same with five-figure groups.
void qtc_5f();
// 99 fast five-figure groups in F1; minutes % 3 == 0.
void qtc_5f_undef();
// Five letters of "WRIAGDMUNT" (the letter at index d for digit d) and a blank, in str.
char *cuban_figures();
// Three call groups, then a block of 150 cut-letter groups for each; seconds % 4 == 0.
void cuban_cut_numbers();
// The 044/00 marker in minutes 30..34, figure groups from 35, hours 07..12 only.
void m3();
// Call-ups of a three-digit identifier, then a keyed figure message; one time in three none.
void m12();
// Its identifier five times, then 30 fast figure groups.
void mxx();
// A 120-group broadcast: letters for kind 1, else figures.
void p7x(int kind);
// count + 1 kana groups of (length % 128) symbols, wide spacing for 6 and 7; appends only.
void kato_groups(int length, int count);
// Kana cipher groups; length 128 and up keeps the current station and leaves out " K".
void katokana_qtc(int length, int count);
// An intelligence broadcast between runs of A and K, groups counted in the preamble.
void vietnam_intel();
// Figure groups after a preamble of identifier and count (kind 1, else doubled); even milliseconds.
void rus_intel_14(int kind, const char *call);
// The next azimuth of the rotating station: two degrees on, 0 again after 36.
int spw_azimuth_step(int azimuth);
// Rotating azimuth announcements, a traffic list in even hours at 30..34, a contact in minutes % 5 == 0.
void spw(const char *freq_text);
// A figure message in even hours before the quarter, else its marker.
void olx();
// The bare call WPC; seconds % 3 == 0.
void wpc();
// A fast unidentified F1 signal.
void undef_qrm();
// The fixed radiogram to WVT; for any other call nothing.
void usarmy_fixed_spec_msg(const char *call);
// An American fixed-net exchange among count calls of the list (the first is net control); seconds % 3 == 0.
void usarmy_fixed_net(const char (*calls)[5], int count);
// The frequency code into cbuf: key's first digit, then key and freq digits added without carry.
char *peleng_code(const char *key, const char *freq);
// A bearing into pbuf: "3", 0..2, 0..4, 0..8, "1", the last four with the day key in kbuf added.
char *bearing();
// The direction-finding net: frequency confirmed by three stations, then their bearings; minutes % 3 == 0.
void peleng_network();

}  // namespace kestrel
