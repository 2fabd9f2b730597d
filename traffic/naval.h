// Naval stations: the units at sea that call their shore headquarters, the
// NATO fleet broadcasts, naval coast stations keeping their marker tapes and
// working ships, the Israeli naval station and the smaller national navies.
// Each generator leaves its emission closed, or sends nothing.
#pragma once

namespace kestrel {

// Hull and unit calls of Soviet and Russian naval units working their shore headquarters.
extern const char rus_units[16][8];
// The units heard on 20 MHz and on 23 MHz.
extern const unsigned char rus_units_20_rows[14];
extern const unsigned char rus_units_23_rows[10];

// Ship calls of the NATO navies on the fleet broadcasts (NUL-padded rows).
extern const char rn_vsl_2[24][5];
extern const char us_navy_2[25][5];
extern const char canadian_navy_2[25][5];
extern const char danish_navy_2[10][5];
extern const char dutch_navy_2[14][5];
extern const char greek_navy_2[12][5];
extern const char por_navy_2[10][5];
extern const char trk_navy2[12][5];
// All of them and some more, British, American, Turkish, Portuguese, Danish,
// Dutch, Greek and Canadian in turn: the list a broadcast with count 167 draws from.
constexpr int NATO_VSL_ROWS = 166;
extern const char (&nato_vsl)[NATO_VSL_ROWS][5];

// Ships of the navies that call their shore stations.
extern const char us_navy[37][5];
extern const char us_navy_old[37][5];
extern const char canadian_navy[24][5];
extern const char french_navy[49][5];
extern const char spanish_navy1[25][6];
extern const char tai_navy[51][5];
extern const char danish_navy[6][5];
extern const char ger_navy[12][4];
extern const char polish_navy_vsl[41][5];
extern const char rn_vsl[38][5];
// Soviet naval units by the shore station that works them.
extern const char rus_navy_riw[25][6];
extern const char rus_navy_rit[25][6];
extern const char rus_navy_rmp[24][6];
extern const char rus_navy_rcv[26][6];
// American naval shore stations, and those of the older procedure.
extern const char usn_stn[8][4];
extern const char usn_stn2[8][4];
// One to nine in Russian, Latin letters.
extern const char russian_figs[9][8];
// The fixed fleet weather message of 4XZ, with the fields {NR}, {A}, {B},
// {DH1}, {DH2} (day and hour digits reversed, in two pairs) and {DAY}.
extern const char *const fm46_4xz_text;

// A NATO fleet broadcast: four numbered messages to ships of `calls` (count
// 167: the combined list; 0: fresh calls), after the marker.
void nato_broadcast(const char *marker, const char *bcast, const char (*calls)[5], int count);
// A naval coast station: its marker tape, a ship answering, or a figure message.
void naval_coast(const char *marker, const char *own, const char (*calls)[5], int count);
// An American coast station that also takes weather reports from ships.
void usn_pg(const char *marker, const char *own, const char (*calls)[5], int count);
// A naval coast station with a tape, a ship's answer and a letter message.
void italian_naval(const char *marker, const char *own);
// A Soviet naval shore station calling one of its ships, in odd minutes.
void russian_navy_coast(const char *own, const char (*calls)[6], int count);
// The same with the operating signals of a ship's working channel.
void russian_navy_qsx(const char *own, const char (*calls)[6], int count);
// One of the four Soviet primary shore stations calling a ship.
void russian_navy_primary();
// An American warship calling a shore station.
void usn();
// The same in the older procedure.
void usn_old();
// A Canadian warship calling `station`.
void rcn(const char *station);
// A French warship calling `station`.
void fn(const char *station);
// A Danish warship calling `station`, hand keyed.
void dan_navy(const char *station);
// Royal Navy ships calling the shore stations open at the hour, 12 MHz.
void rn_12mhz();
// The same on 16 MHz.
void rn_16mhz();
// The same on 22 MHz, from 03:00 to 15:59.
void rn_22mhz();
// The Israeli naval station 4XZ by the hour and minute.
void _4xz();
// 4XZ's list of the messages on hand, numbered from `serial`.
void anouncements_4xz(int n, int serial);
// 4XZ's letter messages, numbered from `serial`.
void _4xz_qtc_v_format(int n, int serial);
// 4XZ's fleet weather message.
void fm46_4xz_msg(int serial);
// The Polish navy: a message to a ship (kind 0) or a ship's receipt (kind 1).
void polish_navy(int kind);
// The Spanish navy: figure groups, or a ship's call with its messages on hand.
void spanish_navy();
// The Taiwanese navy: figure groups and the sender's call.
void taiwan_navy();
// Two NATO tactical calls.
void undef_naval_nato();
// The Japanese coast guard calling a ship.
void jap_coast_guard(const char *station);
// Two Bangladeshi naval stations calling each other.
void bangladesh_navy();
// A German warship and its shore station passing a message.
void german_navy();
// Two Soviet naval stations checking a channel with a keying test.
void qrr3(const char *a, const char *b);
// A submarine's short signal.
void uboot();
// A Canadian direction-finding tuning signal, now and then with a message.
void rcn_df();
// The Venezuelan navy's broadcast of five messages.
void venezuelian_navy();
// The British fleet broadcast MKL with its aerodrome forecasts.
void mkl_broadcast();
// Two Algerian naval stations.
void algerian_navy();
// HFV's list of messages on hand and the messages, from serial `first`.
void hfv_tfclist(int first, int count);
// HFV's marker tape.
void hfv_tape();
// An Indian naval station and a ship.
void ins();
// A Thai warship with a message for its shore station.
void th_navy_ship();
// A Thai naval shore station receiving a message.
void th_navy_coast();
// A French naval coast station: its marker, now and then a ship.
void french_navy_coast(const char *marker, const char *own);

}  // namespace kestrel
