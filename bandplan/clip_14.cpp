// Clips heard between 14 and 15 MHz: amateurs and fixed stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_14() {
    clip_at(14003, 183);
    if (od()) clip_at(14013, 256);
    if (oh()) clip_at(14104, 297);
    clip_at(14152, 317);
    if (oh()) clip_at(14165, 52);
    if (mh(29)) clip_at(14172, 160);
    clip_at(14192, 309);
    if (oh()) clip_at(14193, 159);
    if (eh()) clip_at(14193, 66);
    if (ed()) clip_at(14193, 166);
    clip_at(14201, 210);
    if (oh()) clip_at(14203, 154);
    if (ct(730, 1600)) clip_at(14203, 154);
    clip_at(14212, 86);
    if (eh()) clip_at(14220, 169);
    if (min_sked_20(0)) clip_at(14247, 197);
    if (eh()) clip_at(14248, 103);
    clip_at(14259, 237);
    if (oh()) clip_at(14273, 37);
    if (eh()) clip_at(14278, 177);
    if (od()) clip_at(14278, 57);
    if (eh()) clip_at_any({14289, 14322, 14712}, 280);
    clip_at(14291, 35);
    if (min_sked(40)) clip_at(14299, 247);
    clip_at(14319, 231);
    clip_at(14325, 184);
    if (min_sked_20(30)) clip_at(14327, 296);
    clip_at(14369, 56);
    if (oh()) clip_at(14390, 300);
    if (min_sked_20(10)) clip_at(14433, 128);
    if (mh(29)) clip_at(14443, 132);
    if (eh()) clip_at(14473, 123);
    if (oh()) clip_at(14614, 118);
    clip_at(14634, 104);
    if (ml(30)) clip_at(14644, 301);
    if (oh()) clip_at(14644, 221);
    if (eh()) clip_at(14644, 256);
    if (t.wDayOfWeek == 3) clip_at(14644, 18);
    if (ed()) clip_at(14693, 201);
    clip_at(14756, 64);
    if (min_sked_20(30)) clip_at(14832, 137);
    if (min_sked(35)) clip_at(14835, 203);
    if (od()) clip_at(14897, 279);
    if (oh()) clip_at(14897, 56);
    clip_at(14972, 141);
}

}  // namespace kestrel
