// A synth file that includes only its own layer and those below: accepted.
#include "platform/clock.h"
#include "state/receiver.h"
#include "synth/params.h"
#include <cstdio>
