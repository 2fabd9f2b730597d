// Clips heard between 10 and 11 MHz: utility stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_10() {
    clip_at(10006, 190);
    if (min_sked(40)) clip_at(10009, 57);
    if (eh()) clip_at(10009, 253);
    if (oh()) clip_at(10009, 124);
    if (oh()) clip_at(10012, 76);
    if (eh()) clip_at(10012, 128);
    if (oh()) clip_at(10027, 196);
    if (min_sked_20(0)) clip_at(10027, 19);
    if (oh()) clip_at(10030, 107);
    if (oh()) clip_at(10033, 157);
    if (oh()) clip_at(10038, 316);
    if (eh()) clip_at(10039, 129);
    if (eh()) clip_at(10044, 175);
    if (oh()) clip_at(10045, 308);
    if (t.wDayOfWeek == 2) clip_at(10045, 203);
    clip_at(10048, 136);
    if (ct(730, 1600)) clip_at(10051, 35);
    if (oh()) clip_at(10054, 114);
    if (eh()) clip_at(10054, 199);
    clip_at(10057, 217);
    if (min_sked(45)) clip_at(10060, 10);
    if (eh()) clip_at(10063, 126);
    if (oh()) clip_at(10066, 7);
    if (od()) clip_at(10069, 298);
    if (oh()) clip_at(10072, 298);
    if (eh()) clip_at(10072, 35);
    if (oh()) clip_at(10075, 36);
    if (oh()) clip_at(10076, 90);
    if (oh()) clip_at(10078, 217);
    clip_at(10081, 64);
    clip_at(10083, 141);
    if (oh()) clip_at(10087, 174);
    clip_at(10090, 300);
    if (min_sked(45)) clip_at(10093, 57);
    if (oh()) clip_at(10093, 45);
    if (oh()) clip_at(10096, 200);
    if (od()) clip_at(10096, 162);
    if (min_sked(20)) clip_at(10099, 116);
    if (eh()) clip_at(10116, 76);
    clip_at(10147, 8);
    if (ml(30)) clip_at(10161, 96);
    if (eh()) clip_at(10188, 3);
    clip_at(10219, 219);
    if (oh()) clip_at(10267, 243);
    clip_at(10286, 276);
    if (oh()) clip_at(10290, 149);
    if (eh()) clip_at(10290, 291);
    if (od()) clip_at(10300, 273);
    if (ct(730, 1600)) clip_at(10300, 177);
    if (eh()) clip_at(10312, 253);
    clip_at(10343, 110);
    if (min_sked(5)) clip_at(10347, 133);
    if (ml(30)) clip_at(10347, 234);
    if (eh()) clip_at(10371, 284);
    if (oh()) clip_at(10372, 70);
    clip_at(10404, 312);
    clip_at(10413, 218);
    if (oh()) clip_at(10420, 160);
    if (eh()) clip_at(10455, 233);
    if (oh()) clip_at(10460, 12);
    clip_at(10497, 177);
    if (eh()) clip_at(10521, 177);
    clip_at(10545, 279);
    if (oh()) clip_at(10605, 1);
    clip_at(10681, 142);
    if (od()) clip_at(10696, 186);
    if (ed()) clip_at(10696, 57);
    clip_at(10712, 20);
    if (min_sked(40)) clip_at(10715, 117);
    if (eh()) clip_at(10730, 305);
    clip_at(10766, 104);
    if (eh()) clip_at(10784, 192);
    clip_at(10801, 0);
    clip_at(10827, 215);
    if (eh()) clip_at(10828, 213);
    clip_at(10838, 149);
    if (eh()) clip_at(10895, 279);
    if (oh()) clip_at(10895, 148);
    clip_at(10914, 260);
    clip_at(10917, 162);
    clip_at(10934, 2);
    clip_at(10945, 6);
    if (eh()) clip_at(10970, 12);
    if (oh()) clip_at(10971, 15);
    if (oh()) clip_at(10980, 162);
    if (ml(30)) clip_at(10980, 35);
    if (ed()) clip_at(10980, 324);
    if (mh(29)) clip_at(10983, 66);
    if (oh()) clip_at(10993, 224);
    if (eh()) clip_at(10993, 201);
}

}  // namespace kestrel
