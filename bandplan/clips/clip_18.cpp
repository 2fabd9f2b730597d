// Clips heard between 18 and 19 MHz: amateurs, fixed and maritime stations, broadcasters from 18900.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_18() {
    clip_at(18024, 102);
    clip_at(18110, 103);
    if (eh()) clip_at(18123, 296);
    clip_at(18127, 129);
    if (oh()) clip_at(18128, 103);
    if (oh()) clip_at(18134, 54);
    if (oh()) clip_at(18144, 146);
    if (oh()) clip_at(18154, 322);
    if (oh()) clip_at(18220, 138);
    if (ml(30)) clip_at(18220, 141);
    if (eh()) clip_at(18252, 4);
    if (oh()) clip_at(18252, 80);
    if (eh()) clip_at(18330, 149);
    clip_at(18413, 201);
    clip_at(18449, 218);
    clip_at(18484, 126);
    clip_at(18780, 45);
    if (oh()) clip_at(18786, 135);
    if (oh()) clip_at(18805, 235);
    if (min_sked_20(20)) clip_at(18808, 12);
    if (min_sked_20(20)) clip_at(18900, 210);
    if (oh()) clip_at(18900, 73);
    if (eh()) clip_at(18900, 19);
    clip_at(18905, 134);
    if (oh()) clip_at_any({18910, 18915, 18925, 18980}, 4);
    if (oh()) clip_at(18910, 95);
    if (min_sked(15)) clip_at(18910, 4);
    if (oh()) clip_at(18915, 188);
    if (eh()) clip_at(18915, 30);
    if (eh()) clip_at_any({18920, 18950}, 234);
    if (oh()) clip_at(18920, 172);
    if (oh()) clip_at(18925, 147);
    if (eh()) clip_at(18930, 219);
    if (oh()) clip_at(18930, 75);
    if (min_sked(50)) clip_at(18930, 236);
    if (od()) clip_at(18930, 228);
    clip_at(18935, 72);
    if (ct(730, 1600)) clip_at(18940, 101);
    if (oh()) clip_at(18940, 238);
    if (ct(730, 1600)) clip_at(18945, 147);
    if (eh()) clip_at(18945, 308);
    clip_at(18950, 72);
    if (oh()) clip_at(18955, 200);
    if (oh()) clip_at(18960, 274);
    if (eh()) clip_at(18960, 127);
    if (od()) clip_at(18960, 277);
    if (oh()) clip_at(18965, 223);
    if (eh()) clip_at(18965, 102);
    if (min_sked_20(30)) clip_at(18965, 48);
    clip_at(18970, 156);
    if (oh()) clip_at(18975, 187);
    if (eh()) clip_at(18975, 54);
    if (t.wDayOfWeek == 6) clip_at(18975, 101);
    if (od()) clip_at(18975, 305);
    clip_at(18979, 324);
    if (min_sked_20(0)) clip_at(18980, 24);
    if (oh()) clip_at(18980, 241);
    if (oh()) clip_at(18985, 121);
    if (oh()) clip_at(18990, 161);
    if (oh()) clip_at(18995, 183);
}

}  // namespace kestrel
