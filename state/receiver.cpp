#include "state/receiver.h"

#include "platform/ui.h"
#include "state/emission.h"

namespace kestrel {

int freq = 10000;
int band = 0;
int scan = 0;
int att = 0;
int filter = 0;
int hist = 1;
int clips = 1;
int bkgnd = 1;
int qrn = 1;
int sampling = 4;
int mem[12] = {};
int hwnd = 0;
int marine_band = 0;

char fbuf[FBUF_SIZE];

char str[STR_SIZE];
char str2[STR_SIZE];
char str3[STR_SIZE];

void smetr(int) {
    char meter[6] = "     ";
    // The meter shows whatever qsa holds; levels outside 0..5 are drawn clipped.
    int n = qsa < 0 ? 0 : (qsa > 5 ? 5 : qsa);
    for (int i = 0; i < n; ++i) meter[i] = '>';
    ui().set_text(ID_SMETER, meter);
}

void clr_smetr(int window) {
    qsa = 0;
    smetr(window);
}

void receiver_reset() {
    freq = 10000;
    band = 0;
    scan = 0;
    att = 0;
    filter = 0;
    hist = 1;
    clips = 1;
    bkgnd = 1;
    qrn = 1;
    sampling = 4;
    for (int &m : mem) m = 0;
}

}  // namespace kestrel
