#include "bandplan/fixed_nets.h"

#include "state/clock.h"
#include "state/receiver.h"
#include "traffic/netcheck.h"

namespace kestrel {

bool net_on_air(int net) {
    for (int i = 0; i < net_sked_count; ++i) {
        const NetSked &r = net_skeds[i];
        if (r.net != net || r.freq != freq) continue;
        const int h = t.wHour;
        if (r.from_h < r.to_h ? (h >= r.from_h && h < r.to_h) : (h >= r.from_h || h < r.to_h)) return true;
    }
    return false;
}

void fixed_net(int net, int form) {
    if (net < 0 || net >= FIXED_NETS || !net_on_air(net)) return;
    simplex_fix_radiocheck(fixed_nets[net].calls, fixed_nets[net].count, form);
}

}  // namespace kestrel
