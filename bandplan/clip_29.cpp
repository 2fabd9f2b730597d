// Clips heard between 29 and 30 MHz: amateurs and fixed stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_29() {
    clip_at(29058, 24);
    if (eh()) clip_at(29060, 197);
    clip_at(29107, 247);
    if (eh()) clip_at_any({29127, 29336, 29349, 29376}, 210);
    if (eh()) clip_at(29134, 61);
    if (min_sked_20(40)) clip_at(29187, 145);
    if (oh()) clip_at(29216, 86);
    if (oh()) clip_at(29240, 86);
    if (eh()) clip_at(29247, 51);
    clip_at(29254, 295);
    if (eh()) clip_at_any({29302, 29536, 29863}, 62);
    if (eh()) clip_at(29318, 80);
    if (oh()) clip_at(29318, 110);
    if (eh()) clip_at(29335, 86);
    if (oh()) clip_at(29351, 247);
    if (eh()) clip_at(29351, 211);
    clip_at(29422, 97);
    if (t.wDayOfWeek == 2) clip_at(29459, 153);
    if (t.wDayOfWeek == 2) clip_at(29470, 55);
    if (oh()) clip_at(29473, 197);
    if (ed()) clip_at(29473, 324);
    if (eh()) clip_at_any({29492, 29528, 29562, 29823}, 249);
    if (min_sked_20(30)) clip_at(29503, 100);
    if (min_sked_20(30)) clip_at(29617, 240);
    if (od()) clip_at(29627, 134);
    clip_at(29666, 247);
    clip_at(29715, 66);
    clip_at(29766, 213);
    if (eh()) clip_at(29770, 124);
    if (ml(30)) clip_at(29832, 249);
    if (eh()) clip_at(29832, 77);
    if (oh()) clip_at(29848, 159);
    if (oh()) clip_at(29874, 265);
    if (ml(30)) clip_at(29906, 164);
    if (eh()) clip_at(29906, 55);
    clip_at(29921, 15);
    if (min_sked_20(20)) clip_at(29949, 183);
    if (min_sked(15)) clip_at(29954, 317);
    if (oh()) clip_at(29975, 300);
    if (eh()) clip_at(29975, 75);
}

}  // namespace kestrel
