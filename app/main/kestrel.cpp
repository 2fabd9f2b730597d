// The receiver program: FLTK window and the sound card, then the start-up sequence.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/listening.h"
#include "app/sound_mode.h"
#include "app/window.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/media.h"
#include "platform/ui.h"
#include "platform/waterfall.h"
#include "platform/window_fltk.h"
#include "state/log.h"
#include "state/receiver.h"

namespace {
using namespace kestrel;

// The sound card is opened at the first sound, not before: a second start ends
// at the single-instance test without touching the device.
const MediaBackend &card() {
    static const MediaBackend *opened = media_sdl_open();
    return *opened;
}
void card_channel_play(int k, const char *file) { card().channel_play(k, file); }
void card_channel_close(int k) { card().channel_close(k); }
void card_send_string(const char *command) { card().send_string(command); }
void card_loop_play(const char *file) { card().loop_play(file); }
int card_num_devs() { return card().num_devs(); }

const MediaBackend media_card = {"sound card", card_channel_play, card_channel_close, card_send_string,
                                 card_loop_play, card_num_devs};

// What sounds besides the band noise and the channels, as the live band asks.
int others_sounding() {
    const int others = media_sdl_sources() - (qrn ? 1 : 0);
    return others > 0 ? others : 0;
}

// Set (not empty, not "0") in the environment, it switches the log on as --debug-log does.
bool env_debug_log() {
    const char *v = std::getenv("KESTREL_DEBUG_LOG");
    return v && *v && std::strcmp(v, "0") != 0;
}

void usage(const char *what) {
    std::fprintf(stderr,
                 "kestrel: %s\n"
                 "usage: kestrel [--debug-log] [--sound MODE] [--effects LIST] [--live]\n"
                 "               [--at YYYY-MM-DDTHH:MM:SSZ] [--scan-stop]\n"
                 "  --debug-log       append the diagnostic log TOVA_LOG.TXT in the working folder\n"
                 "                    (also: KESTREL_DEBUG_LOG=1 in the environment)\n"
                 "  --sound MODE      described (the channel files as they are, the default),\n"
                 "                    receiver (filter, AGC, fading, noise and static crashes) or\n"
                 "                    receiver-nofading; the key F cycles them\n"
                 "  --effects LIST    the parts of the receiver sound, a comma list of filter, agc,\n"
                 "                    fading, flutter, crashes (default: all; none: plain chain)\n"
                 "%s",
                 what, listening_usage);
}
}  // namespace

int main(int argc, char **argv) {
    std::string sound = "described", effects = "all";
    for (int i = 1; i < argc; ++i) {
        std::string error;
        if (std::strcmp(argv[i], "--debug-log") == 0) {
            debug = 1;
        } else if ((std::strcmp(argv[i], "--sound") == 0 || std::strcmp(argv[i], "--effects") == 0) && i + 1 < argc) {
            (argv[i][2] == 's' ? sound : effects) = argv[i + 1];
            ++i;
        } else if (int taken = listening_option(argc, argv, &i, &error)) {
            if (taken < 0) {
                usage(error.c_str());
                return 2;
            }
        } else {
            usage((std::string("unknown option '") + argv[i] + "'").c_str());
            return 2;
        }
    }
    std::string why;
    if (!sound_select(sound, effects, 0, &why)) {
        usage(why.c_str());
        return 2;
    }
    if (env_debug_log()) debug = 1;
    // Installed, it keeps its channel files in a folder of the user's own.
    enter_working_folder();
    window_use(window_fltk());
    ui_use(ui_fltk());
    waterfall_use(waterfall_fltk());
    media_use(&media_card);
    ask_use(ask_fltk());
    live_use_probe(others_sounding);
    int code = WinMain(0, 0, "", 1);
    media_sdl_close();
    return code;
}
