// Clips heard between 23 and 24 MHz: fixed stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_23() {
    clip_at(23042, 162);
    if (eh()) clip_at(23052, 276);
    if (oh()) clip_at(23067, 24);
    if (min_sked(15)) clip_at(23100, 110);
    clip_at(23182, 120);
    if (oh()) clip_at(23234, 203);
    if (ed()) clip_at(23259, 312);
    if (eh()) clip_at(23259, 324);
    clip_at(23275, 284);
    clip_at(23303, 72);
    if (t.wDayOfWeek == 6) clip_at(23347, 324);
    if (oh()) clip_at(23347, 90);
    if (eh()) clip_at_any({23348, 23575, 23841, 23915}, 317);
    if (oh()) clip_at(23369, 184);
    if (oh()) clip_at(23413, 62);
    clip_at(23460, 240);
    if (mh(29)) clip_at(23488, 287);
    clip_at(23594, 207);
    clip_at(23670, 3);
    if (ml(30)) clip_at(23687, 219);
    if (eh()) clip_at_any({23699, 23802}, 240);
    if (oh()) clip_at(23759, 238);
    if (eh()) clip_at(23803, 9);
    if (ml(30)) clip_at(23825, 123);
    clip_at(23921, 104);
    if (mh(29)) clip_at(23961, 300);
    if (eh()) clip_at(23987, 305);
    if (t.wDayOfWeek == 3) clip_at(23987, 168);
    if (min_sked(10)) clip_at(23988, 250);
    if (oh()) clip_at(23996, 279);
}

}  // namespace kestrel
