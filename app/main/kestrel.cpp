// The receiver program: FLTK window and the sound card, then the start-up sequence.
#include "app/window.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/media.h"
#include "platform/ui.h"
#include "platform/window_fltk.h"

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
}  // namespace

int main() {
    // Installed, it keeps its channel files in a folder of the user's own.
    enter_working_folder();
    window_use(window_fltk());
    ui_use(ui_fltk());
    media_use(&media_card);
    int code = WinMain(0, 0, "", 1);
    media_sdl_close();
    return code;
}
