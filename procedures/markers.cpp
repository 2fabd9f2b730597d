#include "procedures/markers.h"

#include <cstdio>
#include <cstdlib>

#include "procedures/predicates.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "synth/machine.h"

namespace kestrel {

void sitor_marker(int tone, int speed, const char *name) {
    int s = t.wSecond;
    if (s % 9 == 0) return;
    if (s % 5 == 0) {
        sitor();
        return;
    }
    ton = tone;
    spd = speed;
    wait(static_cast<int>(myrand() % 3u));
    // A buffer of its own: callers often pass a name built in str.
    char marker[STR_SIZE];
    std::snprintf(marker, sizeof marker, "%s                                     ", name ? name : "");
    send_times(marker, 50);
    send_stack("");
}

void data(int speed, int strength) {
    _f1 = 1;
    spd = speed;
    qsa = strength;
    send_still("ZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZ");
}

void qyt4() {
    if (cond(2)) return;
    data(200, std::rand() % 4);
}

void rtlx_stack(const char *, int) {
    wait(static_cast<int>(myrand() % 5u) + 4);
    send_stack("");
}

void rtlx_opchat(const char *name) {
    stn();
    spd = 27;
    create_params();
    char text[STR_SIZE];
    std::snprintf(text, sizeof text, "^ de %s nw  hr QOG2 QJH", name ? name : "");
    send(text);
    wait(2);
    rtlx_stack("RY", 75);
}

}  // namespace kestrel
