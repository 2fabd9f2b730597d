// The receiver program: FLTK window and the sound card, then the start-up sequence.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

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

void usage(std::FILE *out) {
    std::fprintf(out,
                 "usage: kestrel [--debug-log] [--device NAME] [--sound MODE] [--effects LIST]\n"
                 "               [--live] [--at YYYY-MM-DDTHH:MM:SSZ] [--scan-stop]\n"
                 "       kestrel --list-devices | --help | --version\n"
                 "\n"
                 "Kestrel, a shortwave listening simulator: a receiver for 10000 - 30000 kHz on which\n"
                 "you hear the radiotelegraph stations that would be on the air at this UTC minute.\n"
                 "\n"
                 "Options:\n"
                 "  --debug-log      append the diagnostic log TOVA_LOG.TXT in the working folder\n"
                 "                   (also: KESTREL_DEBUG_LOG=1 in the environment)\n"
                 "  --device NAME    play through the output NAME (see --list-devices)\n"
                 "  --sound MODE     described (the channel files as they are, the default),\n"
                 "                   receiver (filter, AGC, fading, noise and static crashes) or\n"
                 "                   receiver-nofading; the key F cycles them\n"
                 "  --effects LIST   the parts of the receiver sound, a comma list of filter, agc,\n"
                 "                   fading, flutter, crashes (default: all; none: plain chain)\n"
                 "%s"
                 "  --list-devices   list the sound outputs and exit\n"
                 "  --help           this text\n"
                 "  --version        the version\n"
                 "\n"
                 "Keys: arrows 1 and 10 kHz, Page Up / Page Down 100 kHz, R record, C copy check,\n"
                 "F sound, W waterfall, L live band, T time machine, S scan stops on signals, digits\n"
                 "and Enter a frequency, the mouse wheel over the frequency 1 or (Shift) 10 kHz\n"
                 "(letter keys alone: with Ctrl or Alt they are not the receiver's).\n"
                 "The buttons: INFO lists them all.\n"
                 "\n"
                 "Files: recordings NNNNNkHz_YYYYMMDDHHMM.wav go into the folder the receiver was\n"
                 "started from (when it cannot be written: the home folder). Started in a folder that\n"
                 "has fone/, the receiver works there; otherwise it uses the installed recordings\n"
                 "(/usr/share/kestrel/fone) and keeps its channel files TOVA0.WAV .. TOVA9.WAV in\n"
                 "$XDG_RUNTIME_DIR/kestrel (else ~/.cache/kestrel).\n"
                 "\n"
                 "No sound? SDL_AUDIODRIVER=pipewire, pulseaudio or alsa picks the sound system;\n"
                 "SDL_AUDIODRIVER=dummy runs without a sound card. See kestrel(1).\n",
                 listening_usage);
}

int list_devices() {
    std::string driver, why;
    std::vector<std::string> names;
    if (!media_sdl_devices(&driver, &names, &why)) {
        std::fprintf(stderr, "kestrel: the sound system did not start (%s): %s\n", driver.c_str(), why.c_str());
        return 1;
    }
    std::printf("%s\n", driver.c_str());
    if (names.empty()) std::printf("  (this driver names no outputs; the default output may still play)\n");
    for (const std::string &n : names) std::printf("  %s\n", n.c_str());
    return 0;
}
}  // namespace

int main(int argc, char **argv) {
    std::string sound = "described", effects = "all";
    for (int i = 1; i < argc; ++i) {
        std::string error;
        if (std::strcmp(argv[i], "--debug-log") == 0) {
            debug = 1;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            usage(stdout);
            return 0;
        } else if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("kestrel %d.%02d\n", VERSION_MAJOR, VERSION_MINOR);
            return 0;
        } else if (std::strcmp(argv[i], "--list-devices") == 0) {
            return list_devices();
        } else if (std::strcmp(argv[i], "--device") == 0 && i + 1 < argc) {
            media_sdl_device(argv[++i]);
        } else if ((std::strcmp(argv[i], "--sound") == 0 || std::strcmp(argv[i], "--effects") == 0) && i + 1 < argc) {
            (argv[i][2] == 's' ? sound : effects) = argv[i + 1];
            ++i;
        } else if (int taken = listening_option(argc, argv, &i, &error)) {
            if (taken < 0) {
                std::fprintf(stderr, "kestrel: %s\n\n", error.c_str());
                usage(stderr);
                return 2;
            }
        } else {
            // Mended: an unknown option stops the receiver with status 2.
            const bool bare = std::strcmp(argv[i], "--device") == 0 || std::strcmp(argv[i], "--sound") == 0 ||
                              std::strcmp(argv[i], "--effects") == 0;
            std::fprintf(stderr, "kestrel: %s '%s'\n\n", bare ? "missing the value after" : "unknown option", argv[i]);
            usage(stderr);
            return 2;
        }
    }
    std::string why;
    if (!sound_select(sound, effects, 0, &why)) {
        std::fprintf(stderr, "kestrel: %s\n\n", why.c_str());
        usage(stderr);
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
