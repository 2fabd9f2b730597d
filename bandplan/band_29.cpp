// Stations of 29000-29999 kHz, tested in order; every entry that applies is queued.

#include "bandplan/entry.h"

namespace kestrel {

void band_29() {
    band_start(29, 22);


    band_end(29);
}

}  // namespace kestrel
