// Clips heard between 29 and 30 MHz: amateurs and fixed stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_29() {
    clip_at(29022, 198);
    clip_at(29044, 86);
    if (min_sked_20(20)) clip_at(29068, 169);
    if (ml(30)) clip_at(29070, 169);
    if (oh()) clip_at(29125, 247);
    if (oh()) clip_at(29167, 86);
    if (eh()) clip_at(29167, 312);
    if (eh()) clip_at(29202, 169);
    if (min_sked_20(10)) clip_at(29226, 42);
    clip_at(29247, 169);
    if (eh()) clip_at_any({29249, 29280, 29694, 29829}, 33);
    if (min_sked_20(10)) clip_at(29291, 197);
    if (oh()) clip_at(29312, 247);
    if (ed()) clip_at(29312, 313);
    if (eh()) clip_at_any({29318, 29741}, 295);
    if (eh()) clip_at(29348, 237);
    if (oh()) clip_at(29359, 282);
    clip_at(29407, 169);
    if (eh()) clip_at(29432, 86);
    if (oh()) clip_at(29445, 171);
    if (eh()) clip_at(29454, 86);
    clip_at(29474, 86);
    clip_at(29483, 247);
    if (t.wDayOfWeek == 3) clip_at(29523, 86);
    if (eh()) clip_at_any({29617, 29875}, 99);
    if (min_sked(15)) clip_at(29663, 148);
    if (min_sked_20(20)) clip_at(29740, 177);
    if (oh()) clip_at(29839, 279);
    if (eh()) clip_at(29862, 128);
    if (eh()) clip_at(29876, 262);
    if (oh()) clip_at(29896, 124);
    if (t.wDayOfWeek == 2) clip_at(29920, 320);
    if (oh()) clip_at(29937, 120);
    if (eh()) clip_at(29944, 214);
    if (od()) clip_at(29963, 279);
    if (ml(30)) clip_at(29963, 324);
    if (eh()) clip_at(29963, 311);
    if (eh()) clip_at(29979, 110);
    clip_at(29981, 160);
    clip_at(29996, 124);
}

}  // namespace kestrel
