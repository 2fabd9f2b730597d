// Clips heard between 22 and 23 MHz: maritime and fixed stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_22() {
    clip_at(22006, 45);
    if (min_sked_20(10)) clip_at(22019, 177);
    if (eh()) clip_at(22019, 149);
    if (oh()) clip_at(22025, 298);
    if (oh()) clip_at(22028, 128);
    clip_at(22040, 266);
    if (oh()) clip_at(22046, 29);
    if (eh()) clip_at(22046, 220);
    if (od()) clip_at(22046, 49);
    if (eh()) clip_at(22050, 279);
    if (min_sked_20(30)) clip_at(22059, 1);
    clip_at(22074, 93);
    if (t.wDayOfWeek == 0) clip_at(22078, 150);
    if (oh()) clip_at(22093, 95);
    if (eh()) clip_at(22095, 175);
    clip_at(22108, 66);
    clip_at(22127, 3);
    clip_at(22133, 104);
    if (oh()) clip_at(22141, 203);
    clip_at(22146, 66);
    if (mh(29)) clip_at(22152, 160);
    clip_at(22155, 59);
    if (eh()) clip_at(22394, 67);
    if (oh()) clip_at(22472, 211);
    if (eh()) clip_at(22472, 243);
    clip_at(22502, 147);
    if (ml(30)) clip_at(22518, 213);
    if (eh()) clip_at(22518, 56);
    if (eh()) clip_at(22537, 90);
    if (oh()) clip_at(22632, 312);
    if (t.wDayOfWeek == 3) clip_at(22632, 50);
    clip_at(22635, 152);
    if (min_sked_20(10)) clip_at(22637, 127);
    if (eh()) clip_at(22637, 166);
    clip_at(22646, 3);
    clip_at(22669, 110);
    if (oh()) clip_at(22722, 210);
    if (oh()) clip_at(22729, 233);
    if (oh()) clip_at(22769, 173);
    if (min_sked(45)) clip_at(22774, 295);
    if (eh()) clip_at(22775, 90);
    if (oh()) clip_at(22775, 211);
    if (oh()) clip_at(22827, 249);
    clip_at(22869, 323);
    if (oh()) clip_at(22873, 8);
}

}  // namespace kestrel
