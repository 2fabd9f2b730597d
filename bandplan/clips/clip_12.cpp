// Clips heard between 12 and 13 MHz: broadcasters to 12100, fixed and maritime stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_12() {
    clip_at(12000, 92);
    if (oh()) clip_at(12005, 249);
    if (ct(730, 1600)) clip_at(12005, 81);
    if (ml(30)) clip_at(12005, 74);
    clip_at(12010, 226);
    if (ml(30)) clip_at(12015, 157);
    if (oh()) clip_at(12015, 182);
    if (mh(29)) clip_at(12015, 115);
    if (eh()) clip_at(12015, 83);
    if (ed()) clip_at(12020, 206);
    if (eh()) clip_at(12020, 13);
    if (oh()) clip_at(12020, 160);
    if (ml(30)) clip_at(12025, 53);
    if (oh()) clip_at(12025, 245);
    clip_at(12029, 324);
    clip_at(12030, 251);
    clip_at(12035, 49);
    if (eh()) clip_at(12040, 238);
    clip_at(12042, 166);
    if (oh()) clip_at(12045, 49);
    if (min_sked_20(40)) clip_at(12045, 79);
    if (eh()) clip_at(12045, 309);
    if (min_sked(15)) clip_at(12048, 312);
    if (oh()) clip_at(12050, 113);
    if (eh()) clip_at(12050, 127);
    if (oh()) clip_at(12055, 171);
    if (ml(30)) clip_at(12055, 194);
    clip_at(12060, 69);
    if (oh()) clip_at(12065, 204);
    if (oh()) clip_at(12070, 287);
    if (eh()) clip_at(12070, 161);
    clip_at(12075, 180);
    if (t.wDayOfWeek == 6) clip_at(12080, 52);
    if (oh()) clip_at(12080, 147);
    if (od()) clip_at(12080, 289);
    clip_at(12085, 211);
    if (oh()) clip_at(12090, 98);
    if (t.wDayOfWeek == 3) clip_at(12095, 159);
    if (eh()) clip_at(12095, 269);
    if (oh()) clip_at(12095, 231);
    clip_at(12100, 55);
    clip_at(12123, 57);
    if (mh(29)) clip_at(12182, 319);
    clip_at(12201, 11);
    if (ml(30)) clip_at(12232, 104);
    if (oh()) clip_at(12233, 149);
    if (oh()) clip_at(12242, 59);
    if (eh()) clip_at(12249, 53);
    clip_at(12264, 26);
    clip_at(12273, 179);
    clip_at(12280, 302);
    if (oh()) clip_at(12292, 61);
    if (oh()) clip_at(12295, 300);
    if (eh()) clip_at(12297, 90);
    if (eh()) clip_at(12298, 302);
    if (oh()) clip_at(12320, 42);
    clip_at(12329, 36);
    if (oh()) clip_at(12370, 67);
    if (ed()) clip_at(12370, 185);
    clip_at(12431, 270);
    if (ml(30)) clip_at(12593, 300);
    if (eh()) clip_at(12601, 128);
    clip_at(12605, 324);
    clip_at(12669, 279);
    clip_at(12670, 57);
    clip_at(12672, 132);
    if (eh()) clip_at(12687, 57);
    clip_at(12745, 276);
    if (eh()) clip_at(12798, 160);
    if (oh()) clip_at(12798, 224);
    clip_at(12825, 271);
    if (ct(730, 1600)) clip_at(12901, 172);
    if (oh()) clip_at(12903, 280);
    if (oh()) clip_at(12915, 230);
    clip_at(12917, 147);
    clip_at(12935, 258);
    if (od()) clip_at(12983, 172);
    if (eh()) clip_at(12983, 160);
    if (t.wDayOfWeek == 6) clip_at(12983, 201);
    if (eh()) clip_at(12998, 288);
}

}  // namespace kestrel
