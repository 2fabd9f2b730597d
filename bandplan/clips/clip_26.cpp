// Clips heard between 26 and 27 MHz: broadcasters to 26100, maritime and fixed stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_26() {
    clip_at(26000, 248);
    if (ml(30)) clip_at(26005, 102);
    if (oh()) clip_at(26005, 101);
    if (eh()) clip_at(26005, 146);
    if (min_sked(5)) clip_at(26010, 3);
    if (eh()) clip_at(26010, 53);
    if (min_sked(20)) clip_at(26015, 318);
    if (ml(30)) clip_at(26015, 179);
    if (oh()) clip_at(26015, 123);
    if (eh()) clip_at(26015, 249);
    clip_at(26020, 306);
    if (min_sked(15)) clip_at(26025, 89);
    if (oh()) clip_at(26025, 129);
    if (eh()) clip_at(26025, 175);
    if (oh()) clip_at_any({26025, 26055}, 190);
    clip_at(26030, 290);
    if (min_sked(25)) clip_at(26035, 14);
    if (eh()) clip_at(26035, 251);
    clip_at(26040, 267);
    if (oh()) clip_at(26045, 286);
    clip_at(26050, 10);
    if (min_sked_20(10)) clip_at(26060, 289);
    clip_at(26065, 94);
    if (oh()) clip_at(26075, 2);
    if (eh()) clip_at(26075, 171);
    if (mh(29)) clip_at(26075, 313);
    if (oh()) clip_at(26080, 174);
    if (eh()) clip_at(26080, 317);
    if (t.wDayOfWeek == 0) clip_at(26085, 188);
    if (oh()) clip_at(26085, 152);
    if (min_sked(15)) clip_at(26085, 77);
    if (eh()) clip_at(26085, 105);
    if (oh()) clip_at(26089, 255);
    if (ed()) clip_at(26090, 229);
    if (min_sked_20(40)) clip_at(26090, 69);
    if (eh()) clip_at(26090, 33);
    if (oh()) clip_at(26095, 283);
    if (eh()) clip_at(26095, 311);
    if (ct(730, 1600)) clip_at(26100, 249);
    if (eh()) clip_at(26148, 112);
    if (ct(730, 1600)) clip_at(26148, 104);
    clip_at(26154, 324);
    clip_at(26160, 320);
    if (mh(29)) clip_at(26170, 126);
    if (eh()) clip_at(26170, 6);
    if (min_sked(10)) clip_at(26170, 240);
    clip_at(26306, 201);
    if (oh()) clip_at(26363, 279);
    clip_at(26454, 311);
    if (oh()) clip_at(26509, 317);
    clip_at(26518, 211);
    if (eh()) clip_at(26520, 47);
    clip_at(26590, 57);
    if (oh()) clip_at(26645, 45);
    if (eh()) clip_at(26645, 252);
    clip_at(26878, 64);
    clip_at(26884, 1);
    if (min_sked_20(10)) clip_at(26982, 77);
    if (eh()) clip_at(26982, 128);
    if (oh()) clip_at(26982, 124);
}

}  // namespace kestrel
