// Clips heard between 16 and 17 MHz: fixed and maritime stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background/background.h"
#include "procedures/predicates.h"

namespace kestrel {

void clip_16() {
    if (eh()) clip_at_any({16036, 16190, 16586, 16644}, 184);
    if (od()) clip_at(16119, 100);
    if (eh()) clip_at(16176, 272);
    if (eh()) clip_at(16189, 76);
    if (eh()) clip_at(16193, 203);
    if (oh()) clip_at(16193, 17);
    if (min_sked_20(10)) clip_at(16242, 106);
    if (od()) clip_at(16305, 124);
    if (oh()) clip_at(16305, 222);
    if (eh()) clip_at(16312, 128);
    if (min_sked_20(30)) clip_at(16366, 279);
    clip_at(16369, 315);
    clip_at(16372, 312);
    clip_at(16376, 268);
    if (oh()) clip_at(16379, 135);
    clip_at(16400, 143);
    clip_at(16403, 200);
    clip_at(16406, 104);
    if (eh()) clip_at(16412, 53);
    if (min_sked_20(20)) clip_at(16413, 41);
    if (oh()) clip_at(16425, 267);
    if (min_sked(15)) clip_at(16428, 29);
    if (oh()) clip_at(16431, 57);
    if (od()) clip_at(16447, 300);
    if (eh()) clip_at(16466, 257);
    if (ed()) clip_at(16466, 253);
    if (oh()) clip_at(16466, 145);
    if (eh()) clip_at(16487, 128);
    clip_at(16506, 115);
    if (eh()) clip_at(16518, 190);
    if (eh()) clip_at(16526, 308);
    if (oh()) clip_at(16526, 276);
    if (eh()) clip_at(16622, 70);
    if (min_sked_20(0)) clip_at(16701, 104);
    if (eh()) clip_at(16701, 162);
    if (mh(29)) clip_at(16709, 276);
    if (mh(29)) clip_at(16778, 249);
    if (oh()) clip_at(16778, 70);
    clip_at(16789, 57);
    clip_at(16956, 87);
}

}  // namespace kestrel
