#include "synth/machine.h"

#include "state/emission.h"
#include "state/random.h"
#include "state/receiver.h"
#include "synth/channels.h"

namespace kestrel {

namespace {


// The minute test of the teleprinter senders: m = 0 means every minute.
bool minute_fits(int m) { return m == 0 || t.wMinute % m == 0; }

void teleprinter(FixedRecording recording, int m) {
    if (!bkgnd) return;
    if (!minute_fits(m)) return;
    smetr(hwnd);
    play_fixed(recording);
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

void rtlx_cond_50_170(const char *, int m) { teleprinter(RTT_001_WAV, m); }
void rtlx_cond_50_425(const char *, int m) { teleprinter(RTT_001_MP3, m); }
void rtlx_cond_50_850(const char *, int m) { teleprinter(RTT_001_WAV, m); }
void rtlx_cond_75_170(const char *, int m) { teleprinter(RTT_002_WAV, m); }
void rtlx_cond_75_425(const char *, int m) { teleprinter(RTT_002_WAV, m); }
void rtlx_cond_75_850(const char *, int m) { teleprinter(RTT_002_WAV, m); }
void rtlx_cond_100_425(const char *, int m) { teleprinter(RTT_002_WAV, m); }
void rtlx_cond_100_850(const char *, int m) { teleprinter(RTT_002_WAV, m); }
void rtlx_cond_arqe_96(const char *, int m) { teleprinter(RTT_002_WAV, m); }

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
    play_fixed(SITORB_WAV);
}

void fax(int, int) {
    if (bkgnd) play_fixed(FAX_001_WAV);
}

}  // namespace kestrel
