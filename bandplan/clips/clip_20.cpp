// Clips heard between 20 and 21 MHz: fixed stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_20() {
    clip_at(20057, 68);
    if (eh()) clip_at(20129, 221);
    if (oh()) clip_at(20129, 276);
    clip_at(20149, 104);
    if (oh()) clip_at(20208, 298);
    if (oh()) clip_at(20239, 312);
    if (min_sked(30)) clip_at(20289, 70);
    if (oh()) clip_at(20289, 104);
    if (eh()) clip_at(20289, 145);
    if (eh()) clip_at(20346, 233);
    if (oh()) clip_at(20346, 57);
    if (oh()) clip_at(20353, 291);
    if (oh()) clip_at(20371, 279);
    if (oh()) clip_at(20379, 127);
    clip_at(20502, 31);
    if (eh()) clip_at(20503, 141);
    if (min_sked(50)) clip_at(20526, 201);
    if (mh(29)) clip_at(20568, 64);
    if (oh()) clip_at_any({20571, 20913, 20986}, 316);
    if (ct(730, 1600)) clip_at(20583, 68);
    if (eh()) clip_at(20583, 321);
    if (min_sked_20(0)) clip_at(20645, 296);
    if (t.wDayOfWeek == 3) clip_at(20696, 81);
    if (eh()) clip_at(20696, 149);
    if (oh()) clip_at(20696, 35);
    clip_at(20702, 279);
    clip_at(20735, 25);
    clip_at(20751, 18);
    if (ct(730, 1600)) clip_at(20765, 224);
    clip_at(20772, 141);
    if (oh()) clip_at(20804, 179);
    clip_at(20835, 164);
    clip_at(20845, 15);
    if (eh()) clip_at(20847, 241);
    if (oh()) clip_at(20847, 319);
    if (eh()) clip_at(20872, 95);
    clip_at(20883, 177);
    clip_at(20892, 232);
    clip_at(20905, 57);
    if (oh()) clip_at(20921, 252);
}

}  // namespace kestrel
