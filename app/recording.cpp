#include "app/recording.h"

#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/listening.h"
#include "app/status.h"
#include "app/window.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "state/log.h"
#include "state/receiver.h"
#include "synth/wave_file.h"

namespace kestrel {

namespace {

// The tap runs on the mixing thread and only copies into this ring; the
// window thread empties it into the file. Four seconds at 48 kHz: a long
// retune on the window thread does not lose samples.
constexpr uint32_t kRing = 1u << 18;
constexpr uint32_t kMask = kRing - 1;
int16_t g_ring[kRing];
std::atomic<uint32_t> g_wr{0}, g_rd{0};
std::atomic<uint32_t> g_lost{0};  // samples the full ring could not take: written as silence
std::atomic<bool> g_armed{false};
std::atomic<int> g_in_tap{0};
bool g_tap_installed = false;

constexpr uint32_t kHeaderBytes = WAVE_CANONICAL_SIZE;
// A WAV's sizes are 32-bit: stop short of 4 GiB.
constexpr uint64_t kMaxData = 0xFFFFFFFFull - kHeaderBytes;

void *g_file = nullptr;
uint64_t g_data = 0;  // sample bytes in the file
char g_name[64] = "";
std::string g_path;    // where the file is: g_name in g_folder
std::string g_folder;  // the folder the listener started in, else the home or the working folder
int g_rate = 0;

int16_t pcm16(float s) {
    if (s > 1.0f) s = 1.0f;
    if (s < -1.0f) s = -1.0f;
    return static_cast<int16_t>(std::lrint(s * 32767.0f));
}

void tap(const float *samples, int frames) {
    g_in_tap.fetch_add(1, std::memory_order_acq_rel);
    if (g_armed.load(std::memory_order_acquire)) {
        uint32_t w = g_wr.load(std::memory_order_relaxed);
        const uint32_t r = g_rd.load(std::memory_order_acquire);
        uint32_t lost = 0;
        for (int i = 0; i < frames; ++i) {
            if (w - r >= kRing) {
                ++lost;
                continue;
            }
            g_ring[w & kMask] = pcm16(samples[i]);
            ++w;
        }
        g_wr.store(w, std::memory_order_release);
        if (lost) g_lost.fetch_add(lost, std::memory_order_relaxed);
    }
    g_in_tap.fetch_sub(1, std::memory_order_acq_rel);
}

// Disarms the tap and waits until no block is being copied.
void disarm() {
    g_armed.store(false, std::memory_order_release);
    while (g_in_tap.load(std::memory_order_acquire) != 0) std::this_thread::yield();
}

void put16(uint8_t *p, uint16_t v) { wave_put16(p, v); }
void put32(uint8_t *p, uint32_t v) { wave_put32(p, v); }

// The 44-byte header for `data` bytes of 16-bit mono samples.
void header(uint8_t *h, int rate, uint32_t data) {
    uint8_t full[WAVE_HEADER_SIZE];
    wavehdr_bytes(wave_header(static_cast<uint32_t>(rate), 16, data), full);
    std::memcpy(h, full, kHeaderBytes);
}

// The two sizes, brought up to what is in the file.
bool update_sizes() {
    uint8_t b[4];
    put32(b, static_cast<uint32_t>(36 + g_data));
    if (!files().overwrite(g_file, 4, b, 4)) return false;
    put32(b, static_cast<uint32_t>(g_data));
    return files().overwrite(g_file, 40, b, 4) != 0;
}

// The title names the file while it records, beside the other marks.
void show_state() { title_refresh(); }

// Ends the file after a fault or at the size limit: what was written stays a valid WAV.
void end_with(const char *why) {
    disarm();
    update_sizes();
    files().close(g_file);
    g_file = nullptr;
    show_state();
    char text[512];
    std::snprintf(text, sizeof text, "Recording stopped: %s\n\n%s in %s keeps what was recorded until then.", why,
                  g_name, g_folder.c_str());
    status_message(text);
    ui().message_box(text, "Recording", hwnd);
}

// Appends `count` samples; false after a fault has ended the recording.
bool append(const int16_t *samples, uint32_t count) {
    uint8_t bytes[8192];
    while (count > 0) {
        uint32_t n = count < sizeof bytes / 2 ? count : static_cast<uint32_t>(sizeof bytes / 2);
        if (g_data + 2ull * n > kMaxData) {
            end_with("a WAV file holds at most 4 GB.");
            return false;
        }
        for (uint32_t i = 0; i < n; ++i) put16(bytes + 2 * i, static_cast<uint16_t>(samples ? samples[i] : 0));
        const size_t put = files().append(g_file, bytes, 2 * n);
        g_data += put & ~static_cast<size_t>(1);  // whole samples only
        if (put != 2 * n) {
            end_with("the disk is full or cannot be written.");
            return false;
        }
        if (samples) samples += n;
        count -= n;
    }
    return true;
}

void drain() {
    if (!g_file) return;
    uint32_t r = g_rd.load(std::memory_order_relaxed);
    const uint32_t w = g_wr.load(std::memory_order_acquire);
    const uint64_t before = g_data;
    while (r != w) {
        const uint32_t at = r & kMask;
        uint32_t n = w - r;
        if (n > kRing - at) n = kRing - at;
        if (!append(g_ring + at, n)) return;
        r += n;
        g_rd.store(r, std::memory_order_release);
    }
    if (uint32_t lost = g_lost.exchange(0, std::memory_order_relaxed)) {
        if (!append(nullptr, lost)) return;
    }
    if (g_data != before && !update_sizes()) end_with("the disk is full or cannot be written.");
}

}  // namespace

namespace {

// `base`, or with -2, -3 ... before its extension, whichever is free in `folder`.
std::string free_name(const std::string &folder, const char *base) {
    namespace fs = std::filesystem;
    const std::string name = base;
    const size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    const std::string ext = dot == std::string::npos ? "" : name.substr(dot);
    for (int n = 1; n < 10000; ++n) {
        const std::string candidate = n == 1 ? name : stem + "-" + std::to_string(n) + ext;
        const std::string path = folder.empty() ? candidate : folder + "/" + candidate;
        std::error_code ec;
        // A dangling link counts as taken too: opening it would write through it.
        if (fs::symlink_status(path, ec).type() == fs::file_type::not_found) return candidate;
    }
    return "";
}

std::vector<std::string> record_folders() {
    std::vector<std::string> out;
    const std::string here = working_folder();
    out.push_back(start_folder().empty() ? here : start_folder());
    const char *home = std::getenv("HOME");
    if (home && *home && home != out.front()) out.push_back(home);
    if (!start_folder().empty() && here != out.front()) out.push_back(here);
    return out;
}

}  // namespace

bool record_start() {
    if (g_file) return true;
    const int rate = media_tap_rate();
    if (rate <= 0) {
        ui().message_box("Nothing to record: no sound output is open.\n\n"
                         "To record without a sound card, start the receiver with SDL_AUDIODRIVER=dummy.",
                         "Recording", hwnd);
        status_message("Nothing to record: no sound output is open");
        return false;
    }
    char base[64];
    save_file_name(base, sizeof base);
    // Installed, the receiver works in a per-user runtime folder that goes at
    // logout: a recording is kept in the folder the listener started it from;
    // when that one cannot take it, in the home folder, and only then in the
    // working folder. An older recording of the same minute keeps its file.
    void *f = nullptr;
    std::string refused, why;
    for (const std::string &folder : record_folders()) {
        const std::string name = free_name(folder, base);
        if (name.empty()) continue;
        const std::string path = folder + "/" + name;
        errno = 0;
        f = files().open_write(path.c_str());
        if (f) {
            std::snprintf(g_name, sizeof g_name, "%s", name.c_str());
            g_path = path;
            g_folder = folder;
            break;
        }
        if (refused.empty()) {
            refused = folder;
            why = errno ? std::strerror(errno) : "cannot be written";
        }
    }
    if (!f) {
        char text[512];
        std::snprintf(text, sizeof text, "Cannot record: %s in %s (%s), nor in the home or working folder.", base,
                      refused.c_str(), why.c_str());
        ui().message_box(text, "Recording", hwnd);
        status_message(text);
        return false;
    }
    if (!refused.empty()) {
        // Said when it happens, so the listener knows where to look.
        std::string text = "Cannot write in " + refused + " (" + why + "): recording into " + g_folder;
        if (g_folder == working_folder() && !start_folder().empty()) text += ", a folder emptied at logout";
        std::fprintf(stderr, "kestrel: %s\n", text.c_str());
        status_message(text.c_str());
    }
    uint8_t h[kHeaderBytes];
    header(h, rate, 0);
    if (files().append(f, h, sizeof h) != sizeof h) {
        files().close(f);
        DeleteFileA(g_path.c_str());  // not even a header: no file at all is better
        ui().message_box("Recording not started: the disk is full or cannot be written.", "Recording", hwnd);
        return false;
    }
    g_file = f;
    g_data = 0;
    // Not armed, and no block in the tap: the ring is ours to empty.
    g_wr.store(0);
    g_rd.store(0);
    g_lost.store(0);
    if (!g_tap_installed) {
        media_tap(tap);
        g_tap_installed = true;
    }
    g_rate = rate;
    g_armed.store(true, std::memory_order_release);
    show_state();
    return true;
}

void record_stop() {
    if (!g_file) return;
    disarm();
    drain();  // may itself end the file on a fault
    if (!g_file) return;
    update_sizes();
    const bool closed = files().close(g_file) != 0;
    g_file = nullptr;
    show_state();
    const uint64_t s = record_seconds();
    char text[512];
    std::snprintf(text, sizeof text, "%s %s in %s (%llu:%02llu)", closed ? "Saved" : "Could not finish", g_name,
                  g_folder.c_str(), static_cast<unsigned long long>(s / 60), static_cast<unsigned long long>(s % 60));
    status_message(text);
}

void record_toggle() {
    if (g_file) record_stop();
    else record_start();
}

bool recording() { return g_file != nullptr; }

void record_step() { drain(); }

const char *record_name() { return g_name; }
const std::string &record_path() { return g_path; }
uint64_t record_seconds() { return g_rate > 0 ? record_frames() / static_cast<uint64_t>(g_rate) : 0; }
uint64_t record_frames() { return g_data / 2; }

}  // namespace kestrel
