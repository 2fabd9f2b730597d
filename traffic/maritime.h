// Ship and coast station exchanges: a coast station's answer, and what ships
// pass to coast stations (weather observations, position reports, telegrams).
#pragma once

namespace kestrel {

// A coast station answering a ship on its working frequency.
void coast_answer(const char *ship, const char *coast, const char *rest);
// A ship's weather observation for a coast station, in the ship synoptic code.
void ship_obs(const char *coast, const char *ship);
// A ship's position report for the traffic lists of a coast station.
void ship_tr(const char *coast, const char *ship, const char *name, const char *dest);
// A radiotelegram from a ship: preamble, then the address, text and signature given.
void ship_tgm(const char *coast, const char *ship, const char *name, const char *body);

}  // namespace kestrel
