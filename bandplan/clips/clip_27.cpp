// Clips heard between 27 and 28 MHz: fixed stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background/background.h"
#include "procedures/predicates.h"

namespace kestrel {

void clip_27() {
    if (od()) clip_at(27017, 167);
    clip_at(27070, 224);
    clip_at(27082, 110);
    if (mh(29)) clip_at(27123, 297);
    if (oh()) clip_at(27155, 110);
    clip_at(27160, 276);
    if (oh()) clip_at(27212, 42);
    clip_at(27232, 66);
    clip_at(27233, 286);
    if (min_sked_20(0)) clip_at(27247, 149);
    if (oh()) clip_at(27375, 81);
    clip_at(27396, 298);
    clip_at(27403, 16);
    clip_at(27500, 35);
    if (ed()) clip_at(27507, 39);
    clip_at(27511, 153);
    if (min_sked(20)) clip_at(27522, 22);
    if (min_sked_20(20)) clip_at(27572, 64);
    if (oh()) clip_at(27574, 235);
    if (eh()) clip_at(27676, 159);
    if (min_sked_20(20)) clip_at(27711, 312);
    if (min_sked(0)) clip_at(27744, 208);
    clip_at(27809, 314);
    if (od()) clip_at(27818, 123);
    if (min_sked(10)) clip_at(27985, 110);
}

}  // namespace kestrel
