// Clips heard between 24 and 25 MHz: fixed stations and amateurs.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background/background.h"
#include "procedures/predicates.h"

namespace kestrel {

void clip_24() {
    clip_at(24041, 90);
    if (mh(29)) clip_at(24134, 215);
    if (oh()) clip_at(24167, 279);
    clip_at(24236, 312);
    if (oh()) clip_at(24355, 301);
    if (od()) clip_at(24535, 224);
    if (oh()) clip_at(24535, 324);
    if (eh()) clip_at(24578, 15);
    if (min_sked_20(40)) clip_at(24667, 185);
    if (oh()) clip_at(24717, 165);
    if (eh()) clip_at(24717, 198);
    if (ed()) clip_at(24774, 162);
    if (ed()) clip_at(24786, 298);
    if (eh()) clip_at(24798, 298);
    clip_at(24932, 96);
    clip_at(24958, 212);
    clip_at(24975, 189);
    clip_at(24978, 148);
    if (oh()) clip_at(24981, 1);
    clip_at(24986, 237);
}

}  // namespace kestrel
