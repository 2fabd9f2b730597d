#include "cli/reception.h"

#include <cstdio>
#include <cstring>

#include "bandplan/bands.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::cli {

namespace {
// The instant of every reception, fixed once by prepare(), and the switches.
SYSTEMTIME g_at{};
ReceptionSetup g_switches;

// Media commands pass through to the backend underneath and are kept for the report.
const MediaBackend *g_inner = &media_null;
std::vector<std::string> g_commands;

void tee_play(int k, const char *file) {
    g_commands.push_back("play channel " + std::to_string(k) + " " + file);
    g_inner->channel_play(k, file);
}
void tee_close(int k) { g_inner->channel_close(k); }
void tee_string(const char *command) {
    // The closes sent on every retune say nothing about what is on the air.
    if (std::strncmp(command, "close ", 6) != 0) g_commands.push_back(command);
    g_inner->send_string(command);
}
void tee_loop(const char *file) {
    if (file) g_commands.push_back(std::string("loop ") + file);
    g_inner->loop_play(file);
}
int tee_devs() { return g_inner->num_devs(); }
const MediaBackend tee = {"report", tee_play, tee_close, tee_string, tee_loop, tee_devs};

uint32_t file_ms(int k) {
    char name[16];
    std::snprintf(name, sizeof name, "TOVA%d.WAV", k);
    FILE *f = std::fopen(name, "rb");
    if (!f) return 0;
    uint8_t h[48];
    size_t n = std::fread(h, 1, sizeof h, f);
    std::fclose(f);
    if (n < 48) return 0;
    auto u32 = [&](int at) { return uint32_t(h[at]) | uint32_t(h[at + 1]) << 8 | uint32_t(h[at + 2]) << 16 | uint32_t(h[at + 3]) << 24; };
    return play_time_ms(u32(40), u32(28));
}
// The receiver's retune without a window, for the retune a station asks for
// (tuning2): the meter cleared, every channel and carrier stopped, then the
// band plan again, rendered or composed as the outer reception is.
void retune_rendered() {
    clr_smetr(hwnd);
    stop_all_devs();
    bands();
}
void retune_composed() {
    clr_smetr(hwnd);
    stop_all_devs();
    bands_compose();
}
}  // namespace

std::string readable(const char *text) {
    std::string out;
    const unsigned char *p = reinterpret_cast<const unsigned char *>(text);
    char buf[32];
    while (*p) {
        if (*p == CODE_SPD && p[1]) {
            std::snprintf(buf, sizeof buf, "{spd %d}", p[1]);
            out += buf;
            p += 2;
        } else if (*p == CODE_TON && p[1] && p[2]) {
            std::snprintf(buf, sizeof buf, "{ton %d}", decode_tone(p[1], p[2]));
            out += buf;
            p += 3;
        } else if (*p == CODE_QSA && p[1]) {
            std::snprintf(buf, sizeof buf, "{qsa %d}", p[1] == 128 ? 0 : p[1]);
            out += buf;
            p += 2;
        } else if (*p == CODE_TUNE) {
            out += "{tune}";
            ++p;
        } else if (*p < 32 || *p >= 127) {
            std::snprintf(buf, sizeof buf, "{%d}", *p);
            out += buf;
            ++p;
        } else {
            out += char(*p++);
        }
    }
    return out;
}

bool audible(const char *text) {
    const unsigned char *p = reinterpret_cast<const unsigned char *>(text);
    while (*p) {
        if (*p == CODE_SPD || *p == CODE_QSA) {
            if (!p[1]) break;
            p += 2;
        } else if (*p == CODE_TON) {
            if (!p[1] || !p[2]) break;
            p += 3;
        } else {
            if (*p == CODE_TUNE || (*p < CW_TABLE_SIZE && cw_table[*p] != 0)) return true;
            ++p;
        }
    }
    return false;
}

bool prepare(const ReceptionSetup &s) {
    if (s.at.empty()) {
        // "Now" is read once: every reception of this run starts from it.
        SYSTEMTIME now;
        test_clock_off();
        GetSystemTime(&now);
        test_clock_set(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
    } else if (!test_clock_parse(s.at.c_str())) {
        return false;
    }
    test_clock_step(0);
    GetSystemTime(&g_at);
    g_switches = s;
    return true;
}

namespace {
// Mended: every reception starts as the first of a fresh run would: the clock back at
// the chosen instant, time moving on 7 ms with every clock read (the same way
// on every run), the receiver's switches as asked. A sweep of the dial thus
// hears on each frequency exactly what a single tune there hears.
void start_reception() {
    test_clock_set(g_at.wYear, g_at.wMonth, g_at.wDay, g_at.wHour, g_at.wMinute, g_at.wSecond, g_at.wMilliseconds);
    test_clock_step(7);
    receiver_reset();
    hist = g_switches.hist;
    bkgnd = g_switches.bkgnd;
    att = g_switches.att;
    filter = g_switches.filter;
    sampling = g_switches.sampling;
}
}  // namespace

Reception receive(const ReceptionSetup &s) {
    Reception r;
    r.freq = s.freq;
    start_reception();
    random_reset(s.seed);
    synth_reset();
    freq = s.freq;
    g_inner = &media();
    media_use(&tee);
    stop_all_devs();
    fbuf[0] = 0;
    g_commands.clear();
    if (s.render) {
        set_retune_hook(retune_rendered);
        bands();
    } else {
        set_retune_hook(retune_composed);
        bands_compose();
    }
    set_retune_hook(nullptr);
    r.commands = g_commands;
    media_use(g_inner);
    for (int k = 0; k < send_call && k < SLOTS; ++k) {
        Emission e{};
        e.channel = k;
        e.spd = spd_table[k];
        e.ton = ton_table[k];
        e.qsa = qsa_table[k];
        e.rto = rto_table[k];
        e.f1 = f1_table[k];
        e.sz = sz_table[k];
        e.kana = katokana_table[k];
        e.qrh = qrh_table[k];
        e.bw = bw_table[k];
        e.hand = hand_table[k];
        e.spark = spark_table[k];
        e.spacing = spacing_table[k];
        e.ms = s.render ? file_ms(k) : 0;
        e.text = readable(send_buf[k]);
        e.audible = audible(send_buf[k]);
        r.emissions.push_back(e);
    }
    return r;
}

}  // namespace kestrel::cli
