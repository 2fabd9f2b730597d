// Ships working coast stations on the ship telegraphy channels, one table per
// band function: on its frequency an entry fires on one tuning in `chance`
// (cond) and the ship works `called` ("" for a coast station of its own choice).
#pragma once
#include <cstdint>

namespace kestrel {

struct ShipWork {
    int32_t freq;  // kHz
    int chance;    // cond(chance)
    const char *called;
};

extern const ShipWork ship_work_12[];
extern const int ship_work_12_count;
extern const ShipWork ship_work_16[];
extern const int ship_work_16_count;
extern const ShipWork ship_work_18[];
extern const int ship_work_18_count;
extern const ShipWork ship_work_22[];
extern const int ship_work_22_count;
extern const ShipWork ship_work_25[];
extern const int ship_work_25_count;

}  // namespace kestrel
