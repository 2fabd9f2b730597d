// Clips heard between 23 and 24 MHz: fixed stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_23() {
    if (min_sked(50)) clip_at(23010, 256);
    if (oh()) clip_at(23010, 104);
    if (mh(29)) clip_at(23017, 276);
    if (eh()) clip_at(23037, 238);
    if (oh()) clip_at(23056, 213);
    if (min_sked(35)) clip_at(23088, 3);
    clip_at(23089, 78);
    clip_at(23193, 148);
    if (eh()) clip_at_any({23273, 23667}, 63);
    if (eh()) clip_at(23297, 213);
    if (oh()) clip_at(23297, 253);
    if (ml(30)) clip_at(23297, 234);
    if (eh()) clip_at_any({23307, 23631}, 209);
    clip_at(23413, 281);
    clip_at(23467, 238);
    if (ed()) clip_at(23485, 160);
    if (oh()) clip_at(23485, 80);
    if (ml(30)) clip_at(23485, 257);
    if (eh()) clip_at(23576, 224);
    clip_at(23585, 203);
    if (oh()) clip_at(23598, 177);
    if (t.wDayOfWeek == 0) clip_at(23612, 203);
    if (oh()) clip_at(23661, 298);
    if (mh(29)) clip_at(23680, 280);
    if (oh()) clip_at(23695, 263);
    if (t.wDayOfWeek == 5) clip_at(23717, 76);
    clip_at(23730, 65);
    clip_at(23847, 279);
    if (eh()) clip_at(23869, 323);
    clip_at(23958, 257);
}

}  // namespace kestrel
