// Clips heard between 20 and 21 MHz: fixed stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_20() {
    if (oh()) clip_at(20007, 300);
    if (eh()) clip_at(20043, 94);
    if (t.wDayOfWeek == 5) clip_at(20052, 1);
    if (oh()) clip_at(20052, 31);
    clip_at(20056, 312);
    if (oh()) clip_at_any({20087, 20399, 20473, 20476}, 276);
    if (eh()) clip_at(20137, 201);
    if (oh()) clip_at(20137, 228);
    if (ct(730, 1600)) clip_at(20145, 286);
    if (eh()) clip_at(20145, 15);
    if (oh()) clip_at(20145, 279);
    clip_at(20149, 104);
    clip_at(20190, 218);
    clip_at(20230, 64);
    if (oh()) clip_at(20239, 39);
    if (oh()) clip_at(20300, 68);
    clip_at(20345, 145);
    clip_at(20359, 276);
    if (eh()) clip_at(20369, 104);
    if (oh()) clip_at(20369, 68);
    if (eh()) clip_at(20386, 131);
    if (ct(730, 1600)) clip_at(20419, 241);
    if (oh()) clip_at(20419, 91);
    clip_at(20478, 322);
    if (oh()) clip_at(20482, 57);
    clip_at(20485, 141);
    if (oh()) clip_at(20537, 104);
    if (min_sked_20(20)) clip_at(20541, 215);
    clip_at(20571, 181);
    if (min_sked(30)) clip_at(20601, 49);
    clip_at(20611, 195);
    if (oh()) clip_at(20642, 57);
    if (min_sked(10)) clip_at(20645, 296);
    clip_at(20667, 276);
    if (oh()) clip_at(20696, 81);
    clip_at(20702, 279);
    if (eh()) clip_at(20833, 201);
    if (mh(29)) clip_at(20833, 233);
    if (eh()) clip_at(20847, 241);
    if (eh()) clip_at(20984, 149);
}

}  // namespace kestrel
