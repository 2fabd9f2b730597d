// Clips heard between 26 and 27 MHz: broadcasters to 26100, maritime and fixed stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_26() {
    clip_at(26000, 238);
    clip_at(26005, 133);
    if (ml(30)) clip_at(26010, 60);
    if (oh()) clip_at(26010, 24);
    if (eh()) clip_at(26010, 151);
    clip_at(26015, 259);
    if (eh()) clip_at(26020, 261);
    if (oh()) clip_at(26020, 10);
    if (ml(30)) clip_at(26025, 198);
    if (oh()) clip_at(26025, 147);
    clip_at(26030, 307);
    if (oh()) clip_at_any({26030, 26045, 26095}, 67);
    if (eh()) clip_at(26035, 242);
    clip_at(26040, 175);
    if (min_sked(55)) clip_at(26045, 294);
    if (mh(29)) clip_at(26045, 130);
    clip_at(26050, 165);
    if (ed()) clip_at(26055, 281);
    if (eh()) clip_at(26055, 42);
    if (min_sked(15)) clip_at(26055, 113);
    clip_at(26060, 166);
    if (min_sked_20(0)) clip_at(26065, 152);
    if (min_sked(20)) clip_at(26065, 36);
    if (oh()) clip_at(26065, 289);
    if (min_sked(25)) clip_at(26070, 294);
    if (oh()) clip_at(26070, 256);
    if (eh()) clip_at(26075, 118);
    clip_at(26080, 120);
    if (oh()) clip_at(26085, 78);
    if (ct(730, 1600)) clip_at(26090, 282);
    if (min_sked(25)) clip_at(26095, 32);
    if (oh()) clip_at(26095, 153);
    if (eh()) clip_at(26098, 162);
    if (oh()) clip_at(26098, 299);
    if (oh()) clip_at(26100, 173);
    if (min_sked_20(0)) clip_at(26100, 176);
    if (eh()) clip_at(26100, 210);
    clip_at(26148, 146);
    if (oh()) clip_at(26151, 303);
    if (eh()) clip_at(26151, 66);
    clip_at(26160, 274);
    if (min_sked(10)) clip_at(26164, 139);
    if (oh()) clip_at(26167, 149);
    if (ct(730, 1600)) clip_at(26170, 153);
    if (min_sked_20(20)) clip_at(26203, 158);
    if (oh()) clip_at(26203, 154);
    clip_at(26259, 236);
    if (t.wDayOfWeek == 1) clip_at(26289, 312);
    if (eh()) clip_at(26289, 129);
    if (eh()) clip_at(26389, 203);
    clip_at(26441, 160);
    if (mh(29)) clip_at(26495, 298);
    if (eh()) clip_at(26539, 110);
    if (eh()) clip_at(26697, 122);
    clip_at(26777, 114);
    if (eh()) clip_at(26834, 148);
    clip_at(26864, 165);
    if (eh()) clip_at(26881, 298);
    if (oh()) clip_at(26909, 299);
    if (eh()) clip_at(26909, 150);
}

}  // namespace kestrel
