// The fixed nets on their frequencies: each net is worked on its day or
// night frequencies by the hour.
#pragma once
#include <cstdint>

namespace kestrel {

struct NetSked {
    int net;             // FixedNetId
    int32_t freq;        // kHz
    int from_h, to_h;    // on while from_h <= hour < to_h (wrapping past midnight)
};
extern const NetSked net_skeds[];
extern const int net_sked_count;

// Net `net` is on the tuned frequency at this hour.
bool net_on_air(int net);
// The control station of net `net` works through its members (form as
// simplex_fix_radiocheck), when the net is on the tuned frequency at this hour.
void fixed_net(int net, int form);

}  // namespace kestrel
