// Frequency dispatch: one complete reception of the tuned frequency.
#pragma once

namespace kestrel {

// Fresh station parameters, empty send stack, the band function of freq / 1000,
// then every closed slot rendered and started.
void bands();
// The same reception up to the composed texts: nothing is rendered or played
// by the send stack (carriers and recordings the band plan starts directly still go to the media layer).
void bands_compose();

// The band function for a band number; nullptr for bands without stations.
using BandFunction = void (*)();
BandFunction band_function(int band_nr);

}  // namespace kestrel
