#include "bandplan/bands.h"
#include "bandplan/entry.h"
#include "bandplan/one_signal.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/log.h"
#include "synth/morse.h"

#include <cstdio>


namespace kestrel {

namespace {
// Slots a requested retune inside this reception has already started.
int g_settled = 0;
constexpr BandFunction band_functions[20] = {band_10, band_11, band_12, band_13, band_14, band_15, band_16,
                                             band_17, band_18, band_19, band_20, band_21, band_22, band_23,
                                             band_24, band_25, band_26, band_27, band_28, band_29};
}

BandFunction band_function(int band_nr) {
    if (band_nr < 10 || band_nr > 29) return nullptr;
    return band_functions[band_nr - 10];
}

void band_start(int band_nr, int marine) {
    char text[32];
    std::snprintf(text, sizeof text, "band start %d MHz", band_nr);
    Log(text, "", 0);
    marine_band = marine;
}

void band_end(int band_nr) {
    char text[32];
    std::snprintf(text, sizeof text, "band end %d MHz", band_nr);
    Log(text, "send_call", static_cast<unsigned long>(send_call));
}

void bands_compose() {
    const bool nested = retune_nested();
    if (!nested) g_settled = 0;
    stn();
    send_stack_reset();
    band = freq / 1000;
    if (BandFunction fn = band_function(band)) fn();
    // Mended: every entry that holds runs, and several of one station may hold
    // at once (its marker and the message it announces, a watch and the
    // station's list); one transmitter keys one signal, so the others give way.
    one_signal_per_station(nested ? 0 : g_settled);
    if (nested) g_settled = send_call;
}

void bands() {
    bands_compose();
    Activate_Send_Stack();
    noise_generation();
}

}  // namespace kestrel
