// Clips heard between 16 and 17 MHz: fixed and maritime stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background.h"
#include "procedures/predicates.h"

namespace kestrel {

void clip_16() {
    clip_at(16172, 231);
    clip_at(16189, 76);
    if (eh()) clip_at(16190, 141);
    if (oh()) clip_at(16190, 245);
    if (eh()) clip_at(16266, 17);
    if (oh()) clip_at(16266, 57);
    clip_at(16276, 219);
    clip_at(16324, 149);
    if (eh()) clip_at(16363, 92);
    clip_at(16366, 160);
    if (eh()) clip_at(16369, 27);
    clip_at(16385, 302);
    if (min_sked_20(0)) clip_at(16400, 128);
    if (min_sked(0)) clip_at(16400, 141);
    if (eh()) clip_at(16400, 104);
    clip_at(16404, 203);
    if (eh()) clip_at(16413, 302);
    if (eh()) clip_at(16428, 99);
    if (eh()) clip_at_any({16431, 16484, 16849}, 138);
    clip_at(16444, 324);
    clip_at(16465, 312);
    if (mh(29)) clip_at(16479, 203);
    if (min_sked_20(10)) clip_at(16481, 147);
    if (eh()) clip_at(16496, 59);
    if (oh()) clip_at(16500, 135);
    if (mh(29)) clip_at(16500, 160);
    if (oh()) clip_at(16506, 115);
    if (oh()) clip_at(16508, 27);
    if (ed()) clip_at(16518, 249);
    if (min_sked_20(20)) clip_at(16521, 15);
    if (eh()) clip_at(16610, 104);
    if (od()) clip_at(16610, 88);
    if (od()) clip_at(16665, 314);
    if (min_sked_20(30)) clip_at(16705, 174);
    if (oh()) clip_at(16727, 209);
    if (eh()) clip_at(16729, 141);
    if (od()) clip_at(16856, 166);
    if (eh()) clip_at(16880, 279);
    if (oh()) clip_at(16880, 298);
    if (oh()) clip_at(16935, 210);
}

}  // namespace kestrel
