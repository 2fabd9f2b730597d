#include "app/window.h"

#include "app/copy_desk.h"
#include "app/heard.h"
#include "app/listening.h"
#include "app/on_air.h"
#include "app/recording.h"
#include "app/report.h"
#include "app/resources.h"
#include "app/sound_mode.h"
#include "app/status.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "bandplan/bands.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/media.h"
#include "platform/ui.h"
#include "procedures/predicates.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel {

void noise_start() {
    media().send_string("open fone/noise.wav alias noise");
    media().send_string("play noise notify");
}

void noise_notified() {
    if (qrn == 1) {
        media().send_string("seek noise to start");
        media().send_string("play noise notify");
    }
}

namespace {

void show_freq(char *digits, int digits_size, char *text, int text_size) {
    std::snprintf(digits, digits_size, "%d", freq);
    std::snprintf(text, text_size, "   %.11s.0 kHz", digits);  // an int has at most 11 characters
    ui().set_text(ID_FREQ_FIELD, text);
}

void quit_sequence() {
    record_stop();  // the file is complete before anything else goes
    stop_all_devs();
    media().send_string("close fone/noise.wav");
    close_files();
    PostQuitMessage(0);
}

void set_and_tune(int to, int window) { tune_to(to, window); }

void command(int id, int window) {
    if (id >= ID_M1 && id < ID_M1 + 12) {
        add_memory(id - ID_M1, window);
        return;
    }
    if (id >= ID_DOWN_1K && id <= ID_UP_1M) {
        tune_step(id, window);
        return;
    }
    switch (id) {
    case ID_SCAN:
        scan = scan ? 0 : 1;
        break;
    case ID_ATT:
        att = att ? 0 : 1;
        dsp_freq(window);
        break;
    case ID_FLT:
        if (filter == 1) {
            filter = 0;
            ui().set_text(ID_FLT, "FLT2");
        } else {
            filter = 1;
            ui().set_text(ID_FLT, "FLT1");
        }
        dsp_freq(window);
        break;
    case ID_LOW:
        set_and_tune(FREQ_MIN, window);
        break;
    case ID_MID:
        set_and_tune(20000, window);
        break;
    case ID_HIGH:
        set_and_tune(FREQ_MAX, window);
        break;
    case ID_HIST:
        hist = hist ? 0 : 1;  // read by the next retune
        break;
    case ID_CLIP:
        clips = clips ? 0 : 1;
        dsp_freq(window);
        break;
    case ID_BGND:
        bkgnd = bkgnd ? 0 : 1;
        dsp_freq(window);
        break;
    case ID_QRN:
        if (qrn == 1) {
            qrn = 0;
            media().send_string("stop fone/noise.wav");
            media().send_string("close fone/noise.wav");
        } else {
            qrn = 1;
            noise_start();
        }
        break;
    case ID_INFO:
        info(window);
        break;
    case ID_SMPL:
        sampling = sampling == 3 ? 4 : 3;
        dsp_freq(window);
        break;
    default:
        break;  // IDs without a control
    }
}

}  // namespace

intptr_t DefWindowProcA(int window_handle, uint32_t message, uintptr_t wparam, intptr_t lparam) {
    return window().def_proc(window_handle, message, wparam, lparam);
}

void PostQuitMessage(int code) { window().quit(code); }

intptr_t WndProc(int window_handle, uint32_t message, uintptr_t wparam, intptr_t lparam) {
    switch (message) {
    case WM_CREATE:
        if (qrn == 1) noise_start();
        return 0;
    case WM_DESTROY:
        quit_sequence();
        return 0;
    case WM_COMMAND: {
        int id = static_cast<int>(wparam & 0xFFFF);
        if (id == ID_OFF) {
            quit_sequence();
            return 0;
        }
        command(id, window_handle);
        show_switches();
        return DefWindowProcA(window_handle, message, wparam, lparam);
    }
    case WM_KEYDOWN:
        if (!command_key(lparam) && listening_key(wparam, window_handle)) {
        } else if (int id = button_for_key(wparam)) tune_step(id, window_handle);
        // Ctrl+C, Alt+R ... belong to the desktop and to the copy check's
        // selection: a letter or digit key is the receiver's only when typed alone.
        else if (command_key(lparam)) {
        } else if (wparam == VK_RECORD) record_toggle();
        else if (wparam == VK_COPY_CHECK) copy_check_toggle();
        else if (wparam == VK_SOUND_MODE) sound_cycle();
        else if (wparam == VK_WATERFALL) waterfall_toggle();
        show_switches();
        status_tick();
        return DefWindowProcA(window_handle, message, wparam, lparam);
    case MM_MCINOTIFY:
        noise_notified();
        return 0;
    case WM_MOUSEWHEEL:
        listening_wheel(wparam, lparam, window_handle);
        return 0;
    default:
        return DefWindowProcA(window_handle, message, wparam, lparam);
    }
}

void dsp_freq(int window_handle) {
    // Own buffers: a retune may run nested inside a generator that is using str and str2.
    char digits[16];
    char text[32];
    show_freq(digits, sizeof digits, text, sizeof text);
    clr_smetr(window_handle);
    WndProc(window_handle, WM_PAINT, 0, 0);
    copy_check_retuning();
    stop_all_devs();
    bands();
    status_heard(heard_summary(on_air_commands()));
    listening_received();
    sound_sync();
    copy_check_refresh();
}

void tune_step(int id, int window_handle) {
    scan = 0;
    freq = tuned_by_button(id, freq);
    dsp_freq(window_handle);
}

void tune_to(int khz, int window_handle) {
    scan = 0;
    freq = khz;
    dsp_freq(window_handle);
}

void show_frequency() {
    char digits[16];
    char text[32];
    show_freq(digits, sizeof digits, text, sizeof text);
}

void retune_tuned() { dsp_freq(hwnd); }

void add_memory(int index, int window_handle) {
    if (index < 0 || index > 11) return;  // Mended: no write past the twelve memories
    scan = 0;
    if (mem[index] != 0) {
        freq = mem[index];
        dsp_freq(window_handle);
        return;
    }
    mem[index] = freq;
    char caption[16];
    std::snprintf(caption, sizeof caption, "%d", freq);
    ui().set_text(ID_M1 + index, caption);
}

void info(int window_handle) {
    std::snprintf(str, STR_SIZE, "KESTREL\n\nVersion:  %d.%02d\n\n%s", VERSION_MAJOR, VERSION_MINOR, _info);
    ui().message_box(str, info_caption, window_handle);
}

void close_files() {
    stop_all_devs();
    wave_writes_wait();  // the writer lets go of the files before they are deleted
    for (int k = 0; k < CHANNEL_FILES; ++k) DeleteFileA(channel_file_name(k).c_str());
}

int first_frequency() {
    if (day()) return 15000 + static_cast<int>(myrand() % 10000u);
    return 10000 + static_cast<int>(myrand() % 5000u);
}

void scan_step() {
    if (scan != 1) return;
    // Mended: the step follows each message of the main loop; a box runs a
    // loop of its own, so scanning waits until it is closed.
    if (ui_box_up()) return;
    if (scan_holds()) return;
    freq += 1;
    if (freq > FREQ_MAX) freq = FREQ_MIN;
    dsp_freq(hwnd);
}

void notify_step() {
    record_step();
    for (int n = media_take_notify(); n > 0; --n) WndProc(hwnd, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 0);
}

bool command_key(intptr_t lparam) { return (lparam & KEY_COMMAND_MODIFIERS) != 0; }

void show_switches() {
    const struct {
        int id;
        bool on;
    } lamps[] = {
        {ID_SCAN, scan != 0},    {ID_ATT, att != 0},    {ID_FLT, filter != 0},  {ID_HIST, hist != 0},
        {ID_CLIP, clips != 0},   {ID_BGND, bkgnd != 0}, {ID_QRN, qrn != 0},     {ID_SMPL, sampling == 4},
    };
    for (const auto &l : lamps) ui().set_state(l.id, l.on ? 1 : 0);
}

void announce_recordings() {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path fone = fs::path(working_folder()) / "fone";
    if (fs::exists(fone / "noise.wav", ec)) {
        const fs::path real = fs::canonical(fone, ec);
        const std::string where = ec ? fone.string() : real.string();
        std::fprintf(stderr, "kestrel: recordings from %s\n", where.c_str());
        status_message(("Recordings from " + where).c_str());
        return;
    }
    const std::string where = fone.string();
    std::fprintf(stderr,
                 "kestrel: no recordings in %s: the band noise and the recorded signals stay silent.\n"
                 "kestrel: start the receiver in a folder that holds fone/ (./kestrel run prepares run/),\n"
                 "kestrel: or install the package, which brings them to /usr/share/kestrel/fone.\n",
                 where.c_str());
    status_message(("No recordings folder: " + where + " is missing (no noise, no recorded signals)").c_str());
}

void announce_no_sound() {
    const std::string why = media_sdl_problem();
    std::fprintf(stderr,
                 "kestrel: no sound output%s%s\n"
                 "kestrel: the receiver runs on silently. To try:\n"
                 "kestrel:   kestrel --list-devices     the outputs the sound system offers\n"
                 "kestrel:   kestrel --device NAME      play through one of them\n"
                 "kestrel:   SDL_AUDIODRIVER=pipewire kestrel (or pulseaudio, alsa) picks the sound system;\n"
                 "kestrel:   check that PulseAudio or PipeWire runs for this user (pactl info);\n"
                 "kestrel:   SDL_AUDIODRIVER=dummy kestrel runs and records without a sound card.\n",
                 why.empty() ? "" : ": ", why.c_str());
    // What to try first: the reason may be too long for the line (its tooltip has it all).
    status_message(("No sound output (kestrel --list-devices, SDL_AUDIODRIVER=dummy)" +
                    (why.empty() ? std::string() : ": " + why))
                       .c_str());
}

int WinMain(int, int, const char *, int) {
    if (!window().claim_instance(window_class)) return 0;
    if (!window().register_class(window_class)) {
        ui().message_box("Window Registration Failed!", "Error!", 0);
        return 0;
    }
    wavehdr_init();
    // A retune must not wait for a long channel file to reach the disk.
    wave_write_behind(true);
    on_air_watch();  // the copy check lists what each retune starts
    int created = window().create_window(window_class, window_title, WINDOW_WIDTH, WINDOW_HEIGHT, WndProc);
    if (created) WndProc(created, WM_CREATE, 0, 0);
    hwnd = created;
    if (!hwnd) {
        ui().message_box("Window Creation Failed!", "Error!", 0);
        return 0;
    }
    for (const ControlSpec &c : controls) window().create_control(hwnd, c);

    set_retune_hook(retune_tuned);
    GetSystemTime(&t);
    get_statistics();
    List_Resources();
    freq = first_frequency();
    show_freq(str2, STR_SIZE, str, STR_SIZE);
    clr_smetr(hwnd);
    WndProc(hwnd, WM_PAINT, 0, 0);
    stop_all_devs();
    stn();
    noise_generation();
    status_create(hwnd);
    show_switches();
    announce_recordings();
    if (media().num_devs() == 0) {
        // Said before the box, which waits for its OK.
        announce_no_sound();
        ui().message_box("Cannot Find Device Driver!", "Error!", 0);
    }
    sound_start();

    window().start_timer(SCAN_PERIOD_MS, scan_step);
    window().start_timer(NOTIFY_PERIOD_MS, notify_step);
    window().start_timer(COPY_TICK_MS, copy_check_tick);
    window().start_timer(STATUS_PERIOD_MS, status_tick);
    listening_start();
    return window().run();
}

}  // namespace kestrel
