#include "traffic/amateur.h"

#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "synth/params.h"
#include "traffic/blocks.h"

namespace kestrel {

const char *ham_call(const HamRoster &hams, unsigned spread) { return hams.calls[pick_index(hams.count, spread)]; }

void ham_qso(const HamRoster &hams) {
    int a = static_cast<int>(pick_index(hams.count, 13));
    int b = (a + 1 + static_cast<int>(myrand() % (hams.count - 1))) % static_cast<int>(hams.count);
    qsa_qra_qso(hams.calls[a], hams.calls[b], hams.names[a], hams.names[b]);
}

void ham_cq(const HamRoster &hams) {
    const char *c = hams.calls[pick_index(hams.count, 13)];
    char text[80];
    if (hams.weekend_test && weekend()) textf(text, sizeof text, "CQ TEST %s %s TEST", c, c);
    else textf(text, sizeof text, "CQ CQ CQ DE %s %s %s K", c, c, c);
    send_cond(text);
}

void beacon_chain(int step) {
    int slot = (t.wMinute * 60 + t.wSecond) / 10 % 18;
    spd = 22;
    ton = 1000;
    qsa = 1 + static_cast<int>(myrand() % 4);
    sendf("%s ", beacon_calls[(slot - step + 18) % 18]);
    char dashes[28];
    int n = 0;
    dashes[n++] = static_cast<char>(CODE_SPD);
    dashes[n++] = 6;
    for (int i = 0; i < 4; ++i) {
        int q = qsa - i;
        dashes[n++] = static_cast<char>(CODE_QSA);
        dashes[n++] = static_cast<char>(q > 0 ? q : 128);  // 128 stands for strength 0
        dashes[n++] = 'T';
    }
    dashes[n++] = static_cast<char>(CODE_SPD);  // back to keying speed for the closing gap
    dashes[n++] = 22;
    dashes[n] = 0;
    send(dashes);
    send_stack("");
}

void beacon_turns(int offset, unsigned closed_one_in) {
    int pos = (t.wMinute % 3) * 60 + t.wSecond;
    int next = pos / 10 + 1;
    int lead = 10 - pos % 10;  // seconds to the next beacon's turn
    for (int k = 0; k < 6; ++k) {
        if (myrand() % closed_one_in == 0) continue;  // path closed for this one
        const char *call = beacon_calls[(next + k - offset + 36) % 18];
        spd = 22;
        ton = 850;
        qsa = 1 + static_cast<int>(myrand() % 4);
        send_times(" ", (lead + 10 * k) * 37 / 10);  // about 3.7 blanks per second at 22 wpm
        send(call);
        send("  ");
        send_times("T  ", qsa < 4 ? qsa : 4);
        send_stack("");
    }
}

}  // namespace kestrel
