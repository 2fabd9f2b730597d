#include "bandplan/reset.h"

#include "bandplan/background/background.h"
#include "procedures/reset.h"
#include "state/reset.h"
#include "synth/channels.h"
#include "synth/reset.h"
#include "traffic/reset.h"

namespace kestrel {

void bandplan_reset() { background_reset(); }

void program_reset() {
    stop_all_devs();
    state_reset();
    synth_reset();
    procedures_reset();
    traffic_reset();
    bandplan_reset();
}

}  // namespace kestrel
