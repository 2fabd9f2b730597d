// Clips heard between 24 and 25 MHz: fixed stations and amateurs.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background.h"
#include "procedures/predicates.h"

namespace kestrel {

void clip_24() {
    if (ed()) clip_at(24006, 150);
    if (ed()) clip_at(24015, 66);
    clip_at(24128, 90);
    if (oh()) clip_at(24141, 203);
    clip_at(24384, 70);
    if (min_sked_20(40)) clip_at(24601, 279);
    clip_at(24678, 166);
    if (oh()) clip_at(24681, 104);
    clip_at(24792, 57);
    if (od()) clip_at(24931, 247);
    if (eh()) clip_at(24931, 280);
    if (oh()) clip_at(24931, 215);
    if (mh(29)) clip_at(24938, 203);
    if (eh()) clip_at(24945, 231);
    if (oh()) clip_at(24945, 202);
    clip_at(24952, 61);
    clip_at(24960, 95);
    if (eh()) clip_at(24961, 17);
    if (oh()) clip_at(24976, 211);
    clip_at(24977, 20);
}

}  // namespace kestrel
