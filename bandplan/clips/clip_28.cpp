// Clips heard between 28 and 29 MHz.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background/background.h"

namespace kestrel {

void clip_28() {
    // No clips between 28 and 29 MHz.
}

}  // namespace kestrel
