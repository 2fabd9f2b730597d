#include "bandplan/bands.h"

#include "app/receiver.h"
#include "procedures/send.h"
#include "synth/morse.h"

namespace kestrel {

BandFunction band_function(int) { return nullptr; }

void bands() {
    stn();
    send_stack_reset();
    band = freq / 1000;
    if (BandFunction fn = band_function(band)) fn();
    Activate_Send_Stack();
    noise_generation();
}

}  // namespace kestrel
