// Whether a sound file would play: the same decoder the backends use opens it.
#include "platform/audio.h"
#include "platform/audio_decoder.h"

namespace kestrel {

bool media_file_playable(const char *path, std::string *why) {
    const char *reason = "";
    audio::Decoder *d = audio::decoder_open(path, 22050, &reason);
    if (!d) {
        if (why) *why = reason;
        return false;
    }
    float probe[64];
    const int got = audio::decoder_pull(d, probe, 64);
    audio::decoder_close(d);
    if (got <= 0) {
        if (why) *why = "holds no sound";
        return false;
    }
    return true;
}

}  // namespace kestrel
