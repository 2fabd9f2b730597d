#include "traffic/reset.h"

#include "traffic/amateur.h"
#include "traffic/military.h"
#include "traffic/vessels.h"

namespace kestrel {

void traffic_reset() {
    vessels_reset();
    amateur_reset();
    military_reset();
}

}  // namespace kestrel
