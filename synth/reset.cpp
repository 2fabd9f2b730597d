#include "synth/reset.h"

#include "synth/channels.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel {

void synth_reset() {
    wave_writes_reset();
    keying_reset();
    params_reset();
    channels_reset();
}

}  // namespace kestrel
