// Clips heard between 14 and 15 MHz: amateurs and fixed stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_14() {
    if (min_sked(5)) clip_at(14006, 156);
    if (oh()) clip_at(14013, 279);
    clip_at(14017, 192);
    if (eh()) clip_at(14030, 215);
    if (eh()) clip_at(14098, 230);
    if (min_sked_20(40)) clip_at(14110, 202);
    if (oh()) clip_at(14119, 274);
    clip_at(14155, 208);
    if (oh()) clip_at(14167, 177);
    if (oh()) clip_at(14178, 32);
    if (ml(30)) clip_at(14178, 272);
    if (eh()) clip_at(14178, 298);
    if (od()) clip_at(14178, 138);
    if (oh()) clip_at(14179, 178);
    if (mh(29)) clip_at(14179, 70);
    clip_at(14180, 247);
    if (min_sked_20(30)) clip_at(14207, 162);
    clip_at(14212, 169);
    clip_at(14222, 86);
    if (eh()) clip_at(14223, 103);
    clip_at(14239, 30);
    clip_at(14274, 277);
    if (oh()) clip_at(14296, 77);
    clip_at(14311, 237);
    if (oh()) clip_at(14315, 49);
    if (ed()) clip_at(14328, 197);
    if (min_sked_20(10)) clip_at(14347, 77);
    clip_at(14373, 83);
    if (eh()) clip_at_any({14469, 14740, 14960}, 14);
    if (min_sked_20(30)) clip_at(14487, 194);
    clip_at(14496, 75);
    clip_at(14513, 88);
    if (oh()) clip_at(14548, 200);
    if (eh()) clip_at(14548, 149);
    if (t.wDayOfWeek == 5) clip_at(14548, 211);
    if (ed()) clip_at(14548, 64);
    if (od()) clip_at(14548, 276);
    if (mh(29)) clip_at(14611, 227);
    clip_at(14626, 201);
    if (oh()) clip_at(14647, 100);
    if (eh()) clip_at(14692, 57);
    if (od()) clip_at(14692, 221);
    if (min_sked(50)) clip_at(14876, 90);
    if (ct(730, 1600)) clip_at(14897, 312);
    clip_at(14994, 67);
}

}  // namespace kestrel
