// Ship and coast station exchanges: coast stations on watch answering ships,
// ships working and calling coast stations, ship and coast radiotelegrams and
// their receipt, AMVER and weather-observation reports, ship-to-ship chats.
// Each leaves its emission closed unless said otherwise.
#pragma once
#include <cstddef>

namespace kestrel {

// A coast station on watch: its marker, now and then an exchange with a ship.
void coast_station_ex(const char *marker, const char *coast_call, const char *place);
// A ship working the coast station `called` ("" for one drawn from `coast`).
void vsl_tfc(const char *called);
// Two to four ships calling coast stations on the calling band.
void vsl_clg_coast();
// Two ships chatting.
void vsl2vsl_tfc();
// Two different ships of the register (rows in vsl_nr1, vsl_nr2): the first
// calls the second, which answers with the greeting left in `greeting`.
void ship_to_ship_call(char *greeting, std::size_t size);
// A coast station calling a ship (hand keyed, on half of the tunings).
void coast_qsx(const char *coast_call);
// A ship's weather observation for the coast station; `text` the addressee.
void obs_tfc(const char *coast_call, const char *text);

// Pieces of the exchanges above.
void coast_ans_vsl(int band_mhz, const char *coast_call, const char *place);  // open slot
void coast_qtc(int row, const char *coast_call, const char *place);           // open slot
void vsl_qtc(const char *called);
void vsl_opchat();
void amver(int coast_row, int ship_row);
void vsl_rcvg_qtc();
void _rcvg_qtc();  // open slot

// Ship telegram template k filled for the ship now speaking, with its ETA,
// two ports and two names (rows of next_port and name) and fresh draws for
// the draught, quantity and crew.
struct ShipTelegram {
    unsigned eta_day, eta_month;
    int eta_hour, port1, port2, name1, name2;
};
void fill_ship_telegram(char *out, std::size_t size, int k, const ShipTelegram &v);

// The ETA date of a ship's telegram sent on `day`/`month`: the next day, the
// 1st of the next month after the 30th.
void vsl_eta(unsigned day, unsigned month, unsigned &eta_day, unsigned &eta_month);
// Two rows below `count` for one telegram (two ports, two names); when both
// draws agree they become `if_same_a` and `if_same_b`.
void two_rows(int count, int if_same_a, int if_same_b, int &a, int &b);

}  // namespace kestrel
