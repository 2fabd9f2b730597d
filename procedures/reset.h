// One call that puts all of procedures/ back where the process starts it:
// the send stack with every slot, the message number and group count, the
// dropped-text count and the retune in progress.
#pragma once

namespace kestrel {

void procedures_reset();

}  // namespace kestrel
