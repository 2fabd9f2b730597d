// Clips heard between 22 and 23 MHz: maritime and fixed stations.
// Each entry: frequency, clock guard, index into clip_table; the last entry
// that applies wins.
#include "bandplan/background.h"
#include "procedures/predicates.h"
#include "procedures/send.h"

namespace kestrel {

void clip_22() {
    if (min_sked_20(10)) clip_at(22009, 27);
    clip_at(22012, 283);
    if (oh()) clip_at(22022, 324);
    if (eh()) clip_at(22043, 160);
    if (eh()) clip_at(22046, 90);
    clip_at(22065, 53);
    if (oh()) clip_at(22071, 104);
    if (eh()) clip_at(22074, 112);
    if (oh()) clip_at(22105, 104);
    clip_at(22108, 120);
    if (eh()) clip_at(22130, 249);
    if (oh()) clip_at(22130, 163);
    clip_at(22136, 90);
    if (oh()) clip_at(22140, 227);
    if (eh()) clip_at(22140, 276);
    if (oh()) clip_at(22143, 288);
    if (eh()) clip_at(22143, 160);
    if (oh()) clip_at(22149, 45);
    clip_at(22155, 261);
    if (eh()) clip_at(22231, 312);
    clip_at(22239, 177);
    if (ml(30)) clip_at(22253, 304);
    clip_at(22367, 162);
    if (min_sked_20(40)) clip_at(22375, 137);
    clip_at(22403, 218);
    if (min_sked_20(20)) clip_at(22451, 276);
    if (eh()) clip_at(22459, 177);
    if (t.wDayOfWeek == 1) clip_at(22577, 312);
    clip_at(22611, 215);
    if (oh()) clip_at(22626, 149);
    if (oh()) clip_at(22674, 298);
    if (mh(29)) clip_at(22686, 290);
    if (eh()) clip_at(22689, 177);
    if (oh()) clip_at(22693, 290);
    clip_at(22735, 149);
    if (od()) clip_at(22746, 226);
    if (eh()) clip_at(22746, 45);
    if (oh()) clip_at(22751, 148);
    if (oh()) clip_at(22823, 111);
    clip_at(22860, 224);
    clip_at(22887, 279);
    if (t.wDayOfWeek == 1) clip_at(22888, 248);
    if (oh()) clip_at(22899, 97);
    clip_at(22913, 141);
    if (min_sked(0)) clip_at(22922, 324);
}

}  // namespace kestrel
