#include "state/send_stack.h"

namespace kestrel {

char send_buf[7][SLOT_SIZE];
int send_call = 0;
uint32_t emission_time = 0;
int nr = 0;
int gr = 0;
int coast_opchat = 0;

}  // namespace kestrel
