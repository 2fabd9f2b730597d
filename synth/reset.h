// One call that puts all of synth/ back where the process starts it: the
// keying state, the slots' parameter records, the channels' deadlines and the
// clip to close, the writer's unfinished files and its error book. What the
// program chose (writing behind or not) stays.
#pragma once

namespace kestrel {

void synth_reset();

}  // namespace kestrel
