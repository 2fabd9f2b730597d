// Clips heard between 19 and 20 MHz: broadcasters to 19020, fixed and maritime stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background.h"
#include "procedures/predicates.h"

namespace kestrel {

void clip_19() {
    clip_at(19000, 168);
    if (min_sked(30)) clip_at(19005, 319);
    if (od()) clip_at(19005, 48);
    if (oh()) clip_at(19005, 172);
    if (ed()) clip_at(19005, 243);
    if (ml(30)) clip_at(19005, 205);
    if (eh()) clip_at(19005, 8);
    if (min_sked_20(0)) clip_at(19010, 321);
    if (eh()) clip_at(19010, 122);
    if (min_sked(30)) clip_at(19010, 163);
    if (oh()) clip_at(19010, 28);
    clip_at(19015, 18);
    clip_at(19020, 231);
    if (eh()) clip_at(19079, 45);
    clip_at(19142, 45);
    clip_at(19165, 120);
    clip_at(19246, 209);
    clip_at(19264, 160);
    if (oh()) clip_at(19280, 60);
    if (eh()) clip_at(19280, 233);
    if (min_sked_20(30)) clip_at(19353, 110);
    if (min_sked_20(30)) clip_at(19396, 89);
    if (min_sked(0)) clip_at(19488, 298);
    if (ed()) clip_at(19496, 224);
    clip_at(19525, 224);
    clip_at(19553, 285);
    if (oh()) clip_at(19644, 128);
    if (eh()) clip_at(19708, 34);
    clip_at(19715, 291);
    if (ct(730, 1600)) clip_at(19727, 16);
    if (eh()) clip_at(19743, 166);
    clip_at(19751, 324);
    clip_at(19761, 45);
    if (oh()) clip_at(19764, 296);
    if (eh()) clip_at(19764, 54);
    if (od()) clip_at(19764, 16);
    if (ed()) clip_at(19764, 312);
    if (eh()) clip_at(19767, 318);
    clip_at(19771, 300);
    clip_at(19777, 29);
    clip_at(19786, 315);
    if (eh()) clip_at(19792, 66);
    if (oh()) clip_at(19792, 48);
    clip_at(19795, 58);
    clip_at(19889, 101);
}

}  // namespace kestrel
