// Clips heard between 18 and 19 MHz: amateurs, fixed and maritime stations, broadcasters from 18900.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_18() {
    clip_at(18110, 103);
    if (oh()) clip_at(18116, 296);
    if (eh()) clip_at(18134, 13);
    if (oh()) clip_at(18135, 147);
    if (oh()) clip_at(18141, 237);
    if (oh()) clip_at(18151, 111);
    if (oh()) clip_at(18155, 197);
    clip_at(18163, 169);
    if (oh()) clip_at(18252, 4);
    if (oh()) clip_at(18731, 20);
    clip_at(18779, 129);
    if (oh()) clip_at(18786, 41);
    if (eh()) clip_at(18786, 91);
    if (oh()) clip_at(18792, 300);
    if (min_sked(30)) clip_at(18792, 324);
    clip_at(18802, 29);
    if (eh()) clip_at(18805, 235);
    if (oh()) clip_at(18808, 59);
    clip_at(18814, 34);
    if (min_sked_20(20)) clip_at(18820, 141);
    if (eh()) clip_at(18864, 78);
    if (oh()) clip_at(18900, 199);
    if (eh()) clip_at(18900, 18);
    if (ct(730, 1600)) clip_at(18905, 12);
    if (oh()) clip_at(18910, 84);
    if (eh()) clip_at(18910, 138);
    if (min_sked_20(40)) clip_at(18915, 155);
    if (oh()) clip_at(18915, 211);
    if (eh()) clip_at(18915, 287);
    if (t.wDayOfWeek == 1) clip_at(18915, 144);
    if (eh()) clip_at_any({18915, 18935, 18955, 19010}, 199);
    if (oh()) clip_at(18925, 93);
    if (oh()) clip_at_any({18925, 18935, 18995}, 208);
    clip_at(18930, 192);
    clip_at(18935, 290);
    clip_at(18940, 262);
    if (oh()) clip_at(18945, 56);
    if (oh()) clip_at(18955, 189);
    if (oh()) clip_at(18960, 274);
    if (oh()) clip_at(18970, 209);
    if (eh()) clip_at(18970, 2);
    if (min_sked(20)) clip_at(18970, 225);
    if (oh()) clip_at(18975, 23);
    if (min_sked_20(30)) clip_at(18980, 240);
    if (oh()) clip_at(18980, 15);
    if (eh()) clip_at(18980, 188);
    if (od()) clip_at(18980, 211);
    clip_at(18985, 181);
    clip_at(18990, 256);
    if (od()) clip_at(18995, 181);
    if (oh()) clip_at(18995, 209);
    if (min_sked_20(0)) clip_at(18995, 138);
    clip_at(19000, 187);
    if (ct(730, 1600)) clip_at(19005, 151);
    if (oh()) clip_at(19005, 148);
    if (ml(30)) clip_at(19005, 77);
    clip_at(19015, 4);
    if (eh()) clip_at(19020, 106);
    if (oh()) clip_at(19020, 167);
    if (od()) clip_at(19020, 62);
}

}  // namespace kestrel
