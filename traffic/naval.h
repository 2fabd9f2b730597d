// Naval stations: the units at sea that call their shore headquarters.
#pragma once

namespace kestrel {

// Hull and unit calls of Soviet and Russian naval units working their shore headquarters.
extern const char rus_units[16][8];
// The units heard on 20 MHz and on 23 MHz.
extern const unsigned char rus_units_20_rows[14];
extern const unsigned char rus_units_23_rows[10];

}  // namespace kestrel
