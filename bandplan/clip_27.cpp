// Clips heard between 27 and 28 MHz: fixed stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background.h"
#include "procedures/predicates.h"

namespace kestrel {

void clip_27() {
    if (eh()) clip_at(27057, 162);
    if (min_sked_20(10)) clip_at(27075, 276);
    clip_at(27128, 129);
    clip_at(27150, 35);
    clip_at(27179, 90);
    if (min_sked(30)) clip_at(27189, 252);
    if (ed()) clip_at(27211, 76);
    clip_at(27311, 94);
    if (min_sked_20(10)) clip_at(27340, 201);
    if (oh()) clip_at(27358, 175);
    if (min_sked(50)) clip_at(27383, 141);
    if (od()) clip_at(27439, 65);
    if (od()) clip_at(27481, 124);
    clip_at(27540, 141);
    clip_at(27543, 218);
    clip_at(27563, 298);
    clip_at(27578, 300);
    if (oh()) clip_at(27616, 283);
    if (min_sked_20(20)) clip_at(27679, 97);
    clip_at(27700, 156);
    if (min_sked(20)) clip_at(27703, 149);
    if (mh(29)) clip_at(27715, 93);
    if (oh()) clip_at(27806, 66);
    clip_at(27840, 128);
    if (oh()) clip_at(27913, 298);
}

}  // namespace kestrel
