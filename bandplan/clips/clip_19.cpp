// Clips heard between 19 and 20 MHz: broadcasters to 19020, fixed and maritime stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background/background.h"
#include "procedures/predicates.h"

namespace kestrel {

void clip_19() {
    if (oh()) clip_at(19000, 292);
    if (min_sked_20(20)) clip_at(19000, 115);
    if (min_sked(30)) clip_at(19000, 281);
    if (eh()) clip_at(19000, 0);
    if (ed()) clip_at(19000, 49);
    clip_at(19005, 191);
    if (min_sked_20(20)) clip_at(19010, 254);
    if (min_sked(45)) clip_at(19010, 189);
    if (od()) clip_at(19010, 38);
    if (ed()) clip_at(19010, 173);
    if (oh()) clip_at(19010, 230);
    if (eh()) clip_at(19010, 36);
    clip_at(19015, 34);
    clip_at(19020, 44);
    if (eh()) clip_at(19102, 70);
    clip_at(19165, 120);
    clip_at(19172, 201);
    if (oh()) clip_at(19194, 149);
    clip_at(19246, 209);
    clip_at(19264, 160);
    if (oh()) clip_at(19267, 179);
    if (ct(730, 1600)) clip_at(19283, 181);
    clip_at(19290, 215);
    clip_at(19336, 110);
    clip_at(19396, 89);
    if (eh()) clip_at(19434, 45);
    if (min_sked(10)) clip_at(19553, 285);
    clip_at(19709, 213);
    clip_at(19715, 291);
    clip_at(19755, 112);
    clip_at(19761, 149);
    if (eh()) clip_at(19767, 318);
    if (eh()) clip_at(19770, 59);
    if (min_sked_20(20)) clip_at(19771, 24);
    if (eh()) clip_at(19774, 147);
    if (oh()) clip_at(19777, 10);
    clip_at(19786, 59);
    if (ed()) clip_at(19829, 316);
    if (ml(30)) clip_at(19829, 279);
    if (od()) clip_at(19829, 45);
    if (eh()) clip_at(19829, 174);
    if (oh()) clip_at(19829, 233);
    clip_at(19889, 101);
    clip_at(19923, 222);
    if (eh()) clip_at(19937, 149);
}

}  // namespace kestrel
