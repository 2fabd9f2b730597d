// Clips heard between 12 and 13 MHz: broadcasters to 12100, fixed and maritime stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_12() {
    clip_at(12000, 0);
    if (eh()) clip_at(12005, 226);
    if (oh()) clip_at(12005, 263);
    if (min_sked_20(40)) clip_at(12005, 138);
    if (t.wDayOfWeek == 6) clip_at(12005, 291);
    if (ed()) clip_at(12005, 94);
    if (od()) clip_at(12005, 38);
    if (oh()) clip_at(12010, 261);
    if (eh()) clip_at(12010, 244);
    clip_at(12015, 40);
    if (eh()) clip_at(12020, 56);
    if (oh()) clip_at(12020, 206);
    if (oh()) clip_at(12025, 274);
    clip_at(12030, 251);
    clip_at(12035, 236);
    clip_at(12040, 21);
    clip_at(12045, 285);
    if (eh()) clip_at(12050, 152);
    if (t.wDayOfWeek == 1) clip_at(12050, 119);
    if (oh()) clip_at(12050, 115);
    if (ct(730, 1600)) clip_at(12050, 134);
    if (eh()) clip_at(12052, 162);
    if (oh()) clip_at(12055, 123);
    clip_at(12060, 69);
    if (ml(30)) clip_at(12065, 42);
    if (oh()) clip_at(12065, 82);
    clip_at(12066, 300);
    if (od()) clip_at(12070, 289);
    if (ml(30)) clip_at(12070, 109);
    if (mh(29)) clip_at(12075, 42);
    if (oh()) clip_at(12075, 180);
    if (ct(730, 1600)) clip_at(12075, 255);
    if (ml(30)) clip_at(12075, 165);
    if (eh()) clip_at(12075, 147);
    if (oh()) clip_at(12080, 159);
    if (eh()) clip_at(12080, 245);
    if (ml(30)) clip_at(12085, 271);
    if (oh()) clip_at(12085, 294);
    if (eh()) clip_at(12085, 264);
    clip_at(12090, 238);
    if (oh()) clip_at(12095, 297);
    if (eh()) clip_at(12095, 179);
    if (mh(29)) clip_at(12095, 63);
    if (ml(30)) clip_at(12095, 191);
    clip_at(12100, 245);
    if (oh()) clip_at(12182, 13);
    if (eh()) clip_at(12236, 45);
    if (oh()) clip_at(12236, 116);
    if (t.wDayOfWeek == 6) clip_at(12236, 287);
    clip_at(12239, 59);
    clip_at(12242, 172);
    if (eh()) clip_at(12249, 26);
    clip_at(12255, 143);
    if (oh()) clip_at(12258, 289);
    if (eh()) clip_at(12258, 181);
    clip_at(12280, 302);
    clip_at(12295, 300);
    if (oh()) clip_at(12297, 90);
    if (min_sked(30)) clip_at(12314, 135);
    if (eh()) clip_at(12317, 52);
    if (oh()) clip_at(12320, 37);
    clip_at(12351, 196);
    clip_at(12379, 66);
    if (oh()) clip_at(12424, 215);
    if (eh()) clip_at(12424, 47);
    if (oh()) clip_at(12453, 117);
    clip_at(12514, 215);
    if (oh()) clip_at(12575, 215);
    clip_at(12605, 324);
    clip_at(12669, 279);
    if (oh()) clip_at(12678, 218);
    if (oh()) clip_at(12687, 57);
    clip_at(12735, 75);
    clip_at(12743, 11);
    if (ml(30)) clip_at(12798, 160);
    clip_at(12821, 66);
    clip_at(12838, 128);
    clip_at(12901, 262);
    if (ed()) clip_at(12915, 230);
    if (eh()) clip_at(12983, 87);
}

}  // namespace kestrel
