// One call that puts all of state/ back where the process starts it: the
// receiver's switches and memories, the scratch buffers, the emission
// parameters and the dialog sets, the clock sample and the random source.
#pragma once

namespace kestrel {

void state_reset();

}  // namespace kestrel
