#include "procedures/voice.h"

#include "platform/media.h"
#include "procedures/send.h"

namespace kestrel {

void fone_cond(int n) {
    if (n != 0 && t.wSecond % n != 0) return;
    media().send_string("play fone/ssb-002.wav");
}

void radar() { media().send_string("play fone/othr-001.wav"); }

}  // namespace kestrel
