#include "traffic/netcheck.h"

#include <cstdlib>
#include <cstring>

#include "procedures/procedures.h"
#include "procedures/send.h"
#include "procedures/sendf.h"
#include "state/receiver.h"
#include "synth/params.h"
#include "traffic/blocks.h"

namespace kestrel {

namespace {
// call4l and call4l_rus leave their call in str; keep it before the next one.
void keep(char out[16], const char *call) { textf(out, 16, "%s", call); }

unsigned r_digit() { return static_cast<unsigned>(2 + std::rand() % 3); }
}  // namespace

void duplex_radiocheck(int count, int form) {
    stn();
    ton = 1000 + static_cast<int>(myrand() % 600);
    spd = 17 + static_cast<int>(myrand() % 7);
    char own[16], member[16], report[SENDF_SIZE];
    keep(own, call4l());
    for (int i = 0; i < count; ++i) {
        keep(member, call4l_rus());
        const char *m = member;
        switch (form) {
            case 1:
                sendf("%sDE %sQSA? K", m, own);
                wait(7);
                textf(report, sizeof report, "%sDE %sQSA%01d K", m, own, 2 + static_cast<int>(myrand() % 3));
                break;
            case 2: {
                sendf("%s%s%sDE %s%sQSA? QRK? QXS K", m, m, m, own, own);
                wait(7);
                int q = 3 + static_cast<int>(myrand() & 1);
                textf(report, sizeof report, "%sDE %sQSA%01d QRK%01d K", m, own, 2 + static_cast<int>(myrand() % 3),
                      q);
                break;
            }
            case 3:
                textf(report, sizeof report, "%sDE %s K", m, own);
                send(report);
                wait(4);
                break;
            default:
                // No net uses another form; the member is passed over.
                continue;
        }
        send(report);
        wait(5);
        send("RK");
        wait(2);
    }
    send_stack("");
}

void duplex_osn(int count, int form) {
    char own[16], member[16];
    keep(own, call4l());
    const char *o = own;
    for (int i = 0; i < count; ++i) {
        ton = 900 + static_cast<int>(myrand() % 700);
        spd = 17 + static_cast<int>(myrand() & 7);
        qsa = 2 + static_cast<int>(myrand() & 3);
        create_params();
        keep(member, call4l_rus());
        const char *m = member;
        switch (form) {
            case 1:
                sendf("%sDE %sQSA%01d K", o, m, 2 + static_cast<int>(myrand() % 3));
                break;
            case 2: {
                unsigned qrk = 2 + (myrand() & 1);
                unsigned qsa_digit = 2 + (myrand() & 1);
                sendf("%s%s%sDE %s%sQSA%01u QRK%01u K", o, o, o, m, m, qsa_digit, qrk);
                break;
            }
            case 3:
                sendf("%sDE %s K", o, m);
                break;
            default:
                break;
        }
        wait(8);
    }
    send_stack("");
}

void simplex_fix_radiocheck(NetList list, int count, int form) {
    hello();
    stn();
    spd1 -= form == 24 ? 3 : 2;
    const char *g = str2;
    // Mended: a call of six characters fills its field without a terminator;
    // it is copied out with one rather than read on into the next field.
    char ctl[NET_CALL_WIDTH + 1] = {0};
    if (count > 0) std::memcpy(ctl, list[0], NET_CALL_WIDTH);
    char m[NET_CALL_WIDTH + 1] = {0};
    for (int i = 1; i < count; ++i) {
        std::memcpy(m, list[i], NET_CALL_WIDTH);
        ton2 = 900 + 10 * static_cast<int>(myrand() % 60);
        spd2 = 17 + static_cast<int>(myrand() % 7);
        if (form == 24) spd2 -= 3;
        qsa2 = 1 + static_cast<int>(myrand() % 3);
        switch (form) {
            case 10:
                dialog1f("%s DE %s QSA? K", m, ctl);
                dialog2f("%s DE %s QSA%01d K", ctl, m, static_cast<int>(r_digit()));
                dialog1f("%s DE %s OK QSA%01u ZNN ]", m, ctl, r_digit());
                dialog2("ZNN ]");
                wait(3);
                break;
            case 12:
                dialog1f("%s DE %s GM QRK? K", m, ctl);
                dialog2f("DE %s R GM LB FR QRK%01d QRU + K", m, 4);
                dialog1f("%s DE %s R QRK%01u AWDH + ]", m, ctl, 4u);
                wait(2);
                break;
            case 21:
            case 22:
                if (form == 21) dialog1f("%s DE %s QSA? K", m, ctl);
                else dialog1f("%s %s %s DE %s %s QSA? K", m, m, m, ctl, ctl);
                dialog2f("%s DE %s QSA%01d K", ctl, m, static_cast<int>(r_digit()));
                dialog1f("%s DE %s OK QSA%01u RK", m, ctl, r_digit());
                wait(2);
                break;
            case 23:
                dialog1f("%s %s DE %s %s QSA? K", m, m, ctl, ctl);
                dialog2f("%s DE %s QSA%01d K", ctl, m, static_cast<int>(r_digit()));
                dialog1f("%s DE %s OK QSA%01u R +", m, ctl, r_digit());
                wait(3);
                break;
            case 24:
                dialog1f("%s %s V %s %s &X257 K", m, m, ctl, ctl);
                dialog2f("%s V %s X257 K", ctl, m);
                dialog1f("%s V %s OK R +", m, ctl);
                wait(3);
                break;
            case 25:
                dialog1f("%s DE %s QRK? K", m, ctl);
                dialog2f("%s DE %s %s QRK%01d K", ctl, m, g, 4);
                dialog1f("%s DE %s %s QRK%01u ]", m, ctl, g, 4u);
                wait(3);
                break;
            case 27:
                dialog1f("%s DE %s QSA? K", m, ctl);
                dialog2f("%s DE %s QSA%01d K", ctl, m, static_cast<int>(r_digit()));
                dialog1f("%s DE %s NIL SK", m, ctl);
                wait(2);
                break;
            case 32:
                dialog1f("%s DE %s ZSA? K", m, ctl);
                dialog2f("%s DE %s ZSA%01d K", ctl, m, static_cast<int>(r_digit()));
                dialog1f("%s DE %s OK ZSA%01u ]", m, ctl, r_digit());
                wait(3);
                break;
            case 41:
                dialog1f("%s DE %s QSA QRK? K", m, ctl);
                dialog2f("%s DE %s BJR AMI QSA QRK %01d/%01d VCI NIL K", ctl, m, 4, 4);
                dialog1f("R BJR RECU %01u/%01u MCI VS ] EE", 4u, 4u);
                dialog2("EE");
                wait(2);
                break;
            case 80:
                dialog1f("%s DE %s QSA? K", m, ctl);
                dialog2f("%s DE %s QSA%01d ZDD QDW K", ctl, m, 4);
                dialog1f("%s DE %s QSA%01u ]", m, ctl, 4u);
                wait(5);
                break;
            default:
                break;
        }
    }
    send_stack("");
}

}  // namespace kestrel
