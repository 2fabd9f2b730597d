// One call that puts all of bandplan/ back where the process starts it (the
// clip chosen, the listing visitor), and the call that puts the whole program
// there: every layer's reset, after every channel has been stopped. A
// reception that should not hear what an earlier one left behind (a sweep of
// the dial, a test) starts with program_reset(); the receiver itself carries
// its state from one retune to the next.
#pragma once

namespace kestrel {

void bandplan_reset();

// stop_all_devs(), then state/, synth/, procedures/, traffic/ and bandplan/
// back to process start. What the program chose stays: the media, window and
// file backends, writing behind, the retune hook, the diagnostic log switch
// and the test clock (callers set the instant and the seed after this).
void program_reset();

}  // namespace kestrel
