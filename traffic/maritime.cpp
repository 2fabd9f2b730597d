#include "traffic/maritime.h"

#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/receiver.h"
#include "traffic/blocks.h"

namespace kestrel {

void coast_answer(const char *ship, const char *coast, const char *rest) {
    hello();
    sendf("%s DE %s %s %s K", ship, coast, str2, rest);
    hand = 1;
    send_stack("");
}

void ship_obs(const char *coast, const char *ship) {
    sendf("%s DE %s OBS = BBXX %s %02d%02d4 ", coast, ship, ship, t.wDay, t.wHour);
    for (int i = 0; i < 9; ++i) send(group5f());
    send_stack("+ K");
}

void ship_tr(const char *coast, const char *ship, const char *name, const char *dest) {
    int lat = static_cast<int>(myrand() % 60), lon = static_cast<int>(myrand() % 170);
    char ns = myrand() & 1 ? 'N' : 'S', ew = myrand() & 1 ? 'E' : 'W';
    sendf("%s DE %s TR = %s %s = QTH %02d%c %03d%c = TO %s ETA %02d = QRU + K", coast, ship, ship, name, lat, ns, lon, ew,
          dest, next_day());
    send_stack("");
}

void ship_tgm(const char *coast, const char *ship, const char *name, const char *body) {
    GetSystemTime(&t);
    sendf("%s DE %s QTC 1 = %s %s %d %d %02d%02d = %s + K", coast, ship, ship, name,
          static_cast<int>(myrand() % 9 + 1), 9 + static_cast<int>(myrand() % 40), t.wHour, t.wMinute, body);
    send_stack("");
}

}  // namespace kestrel
