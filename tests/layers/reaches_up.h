// A synth file that reaches up to the band plan: the layer check must refuse it.
#include "platform/clock.h"
#include "bandplan/bands.h"
