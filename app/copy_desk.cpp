#include "app/copy_desk.h"

#include <cstdio>
#include <vector>

#include "app/on_air.h"
#include "app/practice.h"
#include "app/report.h"
#include "platform/clock.h"
#include "platform/copy_window.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "platform/window.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "synth/params.h"

namespace kestrel {

namespace {

const char *const kCopyTitle = "KESTREL copy check";
bool g_open = false;
CopyMode g_mode = CopyMode::as_keyed;
std::string g_shown;  // the text last given to the window

struct Practice {
    int channel = -1;
    int khz = 0;
    uint32_t from_ms = 0;  // the copy starts with the first word keyed after this
    std::string typed;
    bool logged = false;
    std::string note;  // what became of the log line
    // The score, kept until the copy or the keyed text changes.
    std::string scored_typed, scored_keyed;
    bool scored_final = false;
    CopyScore score;
};
Practice g_practice;

std::string utc_now(bool seconds) {
    SYSTEMTIME now;
    GetSystemTime(&now);
    char buf[40];
    if (seconds)
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02dZ", now.wYear, now.wMonth, now.wDay, now.wHour,
                      now.wMinute, now.wSecond);
    else
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d UTC", now.wYear, now.wMonth, now.wDay, now.wHour,
                      now.wMinute);
    return buf;
}

bool finished(int k, uint32_t played) {
    const KeyedText &kt = keyed_text(k);
    return played == UINT32_MAX || played >= keyed_end_ms(kt);
}

void played_now(uint32_t played[9]) {
    for (int k = 0; k < 9; ++k) played[k] = channel_played_ms(k);
}

bool practice_cut_zero() {
    const int k = g_practice.channel;
    return k >= 0 && k < SLOTS && sz_table[k] != 0;
}

// The copy scored against what the channel has keyed by now.
const CopyScore &practice_score(uint32_t played) {
    Practice &p = g_practice;
    const int k = p.channel;
    const std::string keyed = copy_by(keyed_text(k), played, p.from_ms);
    const bool final = finished(k, played);
    if (keyed != p.scored_keyed || p.typed != p.scored_typed || final != p.scored_final) {
        p.score = score_copy(keyed, p.typed, !final, practice_cut_zero());
        p.scored_keyed = keyed;
        p.scored_typed = p.typed;
        p.scored_final = final;
    }
    return p.score;
}

// The station has finished, or the listener ended the practice: one log line.
void practice_log_once(uint32_t played) {
    Practice &p = g_practice;
    if (p.logged || p.typed.empty() || p.channel < 0) return;
    p.logged = true;
    const KeyedText &kt = keyed_text(p.channel);
    PracticeEntry e;
    e.date = utc_now(true);
    e.khz = p.khz;
    e.call = first_call(copy_by(kt, UINT32_MAX));
    e.wpm = keyed_wpm(kt, played);
    e.score = practice_score(played);
    const std::string path = practice_log_path();
    const std::string why = practice_log(path, e);
    p.note = why.empty() ? "logged to " + path : "not logged (" + path + ": " + why + ")";
}

std::string foot_line() {
    const Practice &p = g_practice;
    if (p.channel < 0)
        return "Tab: mode (" + std::string(copy_mode_name(g_mode)) +
               ")   Ctrl+0..6: practise a channel   Ctrl+C: copy the selection";
    const uint32_t played = channel_played_ms(p.channel);
    const CopyScore &s = practice_score(played);
    char speed[32];
    std::snprintf(speed, sizeof speed, "  %.0f wpm", keyed_wpm(keyed_text(p.channel), played));
    std::string line = "Practice ch " + std::to_string(p.channel) + ": " + p.typed + "_\n" + score_line(s) + speed;
    if (!p.note.empty()) line += "  " + p.note;
    else line += "  (Esc ends)";
    return line;
}

void show_controls() {
    std::vector<std::string> buttons = {"As keyed", "All at once", "Hidden until the end"};
    buttons.push_back(g_practice.channel < 0 ? "Practise: off" : "Practise: ch " + std::to_string(g_practice.channel));
    copy_window_controls(buttons, static_cast<int>(g_mode), foot_line());
}

// What a reception holds besides the moving text: read once per retune, not
// at every tick (the headings read the channel files, the media lines open
// the recordings).
struct Heard {
    std::string when;  // the minute of the reception, for the heading
    std::vector<SlotReport> slots;
    std::vector<std::string> media;
    size_t commands = 0;
};
Heard g_reception;
// The minute the window first showed this reception: the heading holds still
// (and a selection in it stays) while the text plays. Taken when first shown,
// not in the retune, which reads the clock no more often than before.
std::string g_received;
bool g_received_stale = true;

Heard reception_now() {
    if (g_received_stale) {
        g_received = utc_now(false);
        g_received_stale = false;
    }
    return {g_received, slot_reports(true), on_air_lines(on_air_commands()), on_air_commands().size()};
}

std::string view_of(CopyMode mode, const uint32_t played_ms[9], const Heard &r) {
    std::string text = std::to_string(freq) + " kHz  " + r.when + "\n";
    const std::vector<SlotReport> &slots = r.slots;
    for (const SlotReport &e : slots) {
        text += "\n" + slot_heading(e) + "\n";
        const KeyedText &kt = keyed_text(e.channel);
        const uint32_t played = played_ms[e.channel];
        // Not rendered (nothing to wait for), or shown whole.
        if (mode == CopyMode::all_at_once || kt.rate == 0) {
            text += e.text + "\n";
        } else if (mode == CopyMode::as_keyed) {
            text += keyed_by(kt, played);
            text += finished(e.channel, played) ? "\n" : "_\n";
        } else if (finished(e.channel, played)) {
            text += keyed_all(kt) + "\n";
        } else {
            const uint32_t left = keyed_end_ms(kt) - played;
            text += "(hidden until the station has finished: " + std::to_string((left + 999) / 1000) + " s to go)\n";
        }
    }
    const std::vector<std::string> &media = r.media;
    if (!media.empty()) text += "\n";
    for (const std::string &line : media) text += line + "\n";
    if (slots.empty() && media.empty()) text += "\nnothing on the air\n";
    return text;
}

// The window brought up to date; `fresh` after a retune or on opening.
void show(bool fresh = false) {
    if (fresh || g_reception.commands != on_air_commands().size()) g_reception = reception_now();
    uint32_t played[9];
    played_now(played);
    const std::string text = view_of(g_mode, played, g_reception);
    if (text != g_shown) {
        if (!ui().side_update(text.c_str())) {
            g_open = false;
            return;
        }
        g_shown = text;
    }
    show_controls();
}

bool window_key(uintptr_t vk, int ch, int mods) { return copy_check_key(vk, ch, mods); }
void window_button(int index) { copy_check_button(index); }
const CopyWindowEvents g_events = {window_key, window_button};

// The channels that key something, in order.
std::vector<int> practisable() {
    std::vector<int> out;
    for (int k = 0; k < send_call && k < SLOTS; ++k)
        if (keyed_end_ms(keyed_text(k)) > 0) out.push_back(k);
    return out;
}

}  // namespace

std::string copy_check_text() {
    const uint32_t played[9] = {UINT32_MAX, UINT32_MAX, UINT32_MAX, UINT32_MAX, UINT32_MAX,
                                UINT32_MAX, UINT32_MAX, UINT32_MAX, UINT32_MAX};
    return copy_check_view(CopyMode::all_at_once, played);
}

std::string copy_check_view(CopyMode mode, const uint32_t played_ms[9]) {
    return view_of(mode, played_ms, reception_now());
}

bool copy_check_open() { return g_open; }

void copy_check_toggle() {
    // Closed by its own window button since: C opens it again.
    if (g_open && ui().side_update(g_shown.c_str())) {
        copy_check_practise(-1);
        ui().side_close();
        g_open = false;
        return;
    }
    copy_window_events(&g_events);
    g_reception = reception_now();
    uint32_t played[9];
    played_now(played);
    g_shown = view_of(g_mode, played, g_reception);
    ui().side_show(kCopyTitle, g_shown.c_str());
    g_open = true;
    show_controls();
}

void copy_check_refresh() {
    if (!g_open) return;
    show(true);
}

void copy_check_tick() {
    if (!g_open) return;
    if (g_practice.channel >= 0) {
        const uint32_t played = channel_played_ms(g_practice.channel);
        if (finished(g_practice.channel, played)) practice_log_once(played);
    }
    show();
}

void copy_check_retuning() {
    g_received_stale = true;
    on_air_clear();
    if (g_practice.channel >= 0) copy_check_practise(-1);
}

CopyMode copy_check_mode() { return g_mode; }

void copy_check_set_mode(CopyMode mode) {
    g_mode = mode;
    if (g_open) show();
}

void copy_check_practise(int k) {
    if (g_practice.channel >= 0) practice_log_once(channel_played_ms(g_practice.channel));
    g_practice = Practice{};
    // Only a station still sending: the copy starts with its next word.
    const uint32_t played = k >= 0 ? channel_played_ms(k) : UINT32_MAX;
    if (k >= 0 && k < SLOTS && k < send_call && !finished(k, played)) {
        g_practice.channel = k;
        g_practice.khz = freq;
        g_practice.from_ms = played;
    }
    if (g_open) show();
}

int copy_check_practice_channel() { return g_practice.channel; }
const std::string &copy_check_typed() { return g_practice.typed; }

CopyScore copy_check_score() {
    if (g_practice.channel < 0) return CopyScore{};
    return practice_score(channel_played_ms(g_practice.channel));
}

std::string practice_log_path() {
    const std::string &folder = start_folder();
    return folder.empty() ? std::string(PRACTICE_LOG) : folder + "/" + PRACTICE_LOG;
}

bool copy_check_key(uintptr_t vk, int ch, int mods) {
    if (mods & (COPY_MOD_CTRL | COPY_MOD_ALT)) {
        if ((mods & COPY_MOD_CTRL) && !(mods & COPY_MOD_ALT) && ch >= '0' && ch <= '6') {
            const int k = ch - '0';
            copy_check_practise(g_practice.channel == k ? -1 : k);
        }
        return true;  // never the receiver's R or C
    }
    if (vk == VK_TAB) {
        const int step = (mods & COPY_MOD_SHIFT) ? COPY_MODES - 1 : 1;
        copy_check_set_mode(static_cast<CopyMode>((static_cast<int>(g_mode) + step) % COPY_MODES));
        return true;
    }
    if (g_practice.channel < 0) return false;
    if (vk == VK_ESCAPE) {
        copy_check_practise(-1);
        return true;
    }
    if (vk == VK_BACK) {
        if (!g_practice.typed.empty()) g_practice.typed.pop_back();
    } else if (ch >= 32 && ch < 127) {
        g_practice.typed += static_cast<char>(ch >= 'a' && ch <= 'z' ? ch - 32 : ch);
    } else {
        return false;  // the arrows and Page Up/Down still tune
    }
    if (g_open) show();
    return true;
}

void copy_check_button(int index) {
    if (index >= 0 && index < COPY_MODES) {
        copy_check_set_mode(static_cast<CopyMode>(index));
        return;
    }
    if (index != COPY_MODES) return;
    // The next channel that keys something, then off.
    const std::vector<int> ks = practisable();
    int next = -1;
    for (int k : ks)
        if (k > g_practice.channel) {
            next = k;
            break;
        }
    copy_check_practise(next);
}

}  // namespace kestrel
