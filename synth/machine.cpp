#include "synth/machine.h"

#include "platform/media.h"
#include "state/emission.h"
#include "state/random.h"
#include "state/receiver.h"

namespace kestrel {

namespace {

constexpr const char *PLAY_RTT1 = "play fone/rtt-001.wav";
constexpr const char *PLAY_RTT1_MP3 = "play fone/rtt-001.mp3";
constexpr const char *PLAY_RTT2 = "play fone/rtt-002.wav";
constexpr const char *PLAY_SITOR = "play fone/sitorb.wav";
constexpr const char *PLAY_FAX = "play fone/fax-001.wav";

// The minute test of the teleprinter senders: m = 0 means every minute.
bool minute_fits(int m) { return m == 0 || t.wMinute % m == 0; }

void teleprinter(const char *command, int m) {
    if (!bkgnd) return;
    if (!minute_fits(m)) return;
    smetr(hwnd);
    media().send_string(command);
}

// 125/170 -> 170, 425/500 -> 425, 850/1000 -> 850, anything else 0.
int shift_class(int shift) {
    switch (shift) {
    case 125:
    case 170: return 170;
    case 425:
    case 500: return 425;
    case 850:
    case 1000: return 850;
    default: return 0;
    }
}

}  // namespace

void rtlx_cond_50_170(const char *, int m) { teleprinter(PLAY_RTT1, m); }
void rtlx_cond_50_425(const char *, int m) { teleprinter(PLAY_RTT1_MP3, m); }
void rtlx_cond_50_850(const char *, int m) { teleprinter(PLAY_RTT1, m); }
void rtlx_cond_75_170(const char *, int m) { teleprinter(PLAY_RTT2, m); }
void rtlx_cond_75_425(const char *, int m) { teleprinter(PLAY_RTT2, m); }
void rtlx_cond_75_850(const char *, int m) { teleprinter(PLAY_RTT2, m); }
void rtlx_cond_100_425(const char *, int m) { teleprinter(PLAY_RTT2, m); }
void rtlx_cond_100_850(const char *, int m) { teleprinter(PLAY_RTT2, m); }
void rtlx_cond_arqe_96(const char *, int m) { teleprinter(PLAY_RTT2, m); }

void rtlx_cond(const char *name, int shift, int baud, int m) {
    int cls = shift_class(shift);
    if (baud == 50) {
        if (cls == 170) rtlx_cond_50_170(name, m);
        else if (cls == 425) rtlx_cond_50_425(name, m);
        else if (cls == 850) rtlx_cond_50_850(name, m);
    } else if (baud == 75) {
        if (cls == 170) rtlx_cond_75_170(name, m);
        else if (cls == 425) rtlx_cond_75_425(name, m);
        else if (cls == 850) rtlx_cond_75_850(name, m);
    }
}

void rtlx(const char *name, int shift, int baud) {
    smetr(hwnd);
    rtlx_cond(name, shift, baud, 0);
}

void sitor() {
    if (t.wSecond % 3 != 0 || !bkgnd) return;
    smetr(hwnd);
    media().send_string(PLAY_SITOR);
}

void fax(int, int) {
    if (bkgnd) media().send_string(PLAY_FAX);
}

}  // namespace kestrel
