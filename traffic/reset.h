// One call that puts all of traffic/ back where the process starts it: the
// ship now speaking and the rows last drawn, the fleet and notice flags, the
// amateur QSO in progress, the direction-finding code.
#pragma once

namespace kestrel {

void traffic_reset();

}  // namespace kestrel
