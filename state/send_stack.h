// The send stack every station's text passes through: written by the send
// primitives (procedures/), emptied by the band dispatch, read by the
// renderer, the copy check and the command line.
#pragma once
#include <cstdint>

namespace kestrel {

constexpr int SLOT_SIZE = 10000;  // 9999 characters and the terminator
extern char send_buf[7][SLOT_SIZE];
extern int send_call;        // the open slot = number of closed slots
extern uint32_t emission_time;
extern int nr;               // message number
extern int gr;               // group count
extern int coast_opchat;

}  // namespace kestrel
