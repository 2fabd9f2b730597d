#include "state/reset.h"

#include "state/clock.h"
#include "state/emission.h"
#include "state/random.h"
#include "state/receiver.h"

namespace kestrel {

void state_reset() {
    receiver_reset();
    hwnd = 0;
    marine_band = 0;
    str[0] = str2[0] = str3[0] = 0;
    emission_reset();
    t = SYSTEMTIME{};
    random_reset(1);  // rand() starts as if seeded with 1
}

}  // namespace kestrel
