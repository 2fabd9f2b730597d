// Press and telecom traffic of the commercial circuits.
#pragma once

namespace kestrel {

// A message in four-figure groups (the commercial code of the Far East).
void fig4_msg(const char *head, int groups);

}  // namespace kestrel
