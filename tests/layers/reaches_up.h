// A synth file that reaches up to the band plan: the layer check must refuse it.
#include "bandplan/bands.h"
#include "platform/clock.h"
