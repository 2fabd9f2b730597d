#include "procedures/voice.h"

#include "procedures/send.h"
#include "synth/channels.h"

namespace kestrel {

void fone_cond(int n) {
    if (n != 0 && t.wSecond % n != 0) return;
    play_fixed(SSB_002_WAV);
}

void radar() { play_fixed(OTHR_001_WAV); }

}  // namespace kestrel
