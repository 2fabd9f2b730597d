// Ships heard on the maritime bands, by the call signs they give a coast station.
#pragma once

namespace kestrel {

// Ships of many flags calling coast stations.
extern const char ships[30][8];
// The ships of that list heard on 25 MHz.
extern const unsigned char ships_25_rows[20];

}  // namespace kestrel
