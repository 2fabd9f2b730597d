#include "app/report.h"

#include <cstdio>

#include "platform/clock.h"
#include "platform/ui.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel {

namespace {
bool g_copy_open = false;
const char *const kCopyTitle = "KESTREL copy check";
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

uint32_t channel_file_ms(int k) {
    FILE *f = std::fopen(channel_file_name(k).c_str(), "rb");
    if (!f) return 0;
    uint8_t h[48];
    size_t n = std::fread(h, 1, sizeof h, f);
    std::fclose(f);
    if (n < 48) return 0;
    auto u32 = [&](int at) {
        return uint32_t(h[at]) | uint32_t(h[at + 1]) << 8 | uint32_t(h[at + 2]) << 16 | uint32_t(h[at + 3]) << 24;
    };
    return play_time_ms(u32(40), u32(28));
}

std::vector<SlotReport> slot_reports(bool rendered) {
    std::vector<SlotReport> out;
    for (int k = 0; k < send_call && k < SLOTS; ++k) {
        SlotReport e{};
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
        e.ms = rendered ? channel_file_ms(k) : 0;
        e.text = readable(send_buf[k]);
        e.audible = audible(send_buf[k]);
        out.push_back(e);
    }
    return out;
}

std::string slot_heading(const SlotReport &e) {
    std::string f;
    auto add = [&](bool on, const std::string &name) {
        if (on) f += (f.empty() ? "" : " ") + name;
    };
    add(e.rto != 0, "rto " + std::to_string(e.rto));
    add(e.f1, "f1");
    add(e.bw, "bw");
    add(e.hand, "hand");
    add(e.spark, "spark");
    add(e.sz, "sz");
    add(e.kana, "kana");
    add(e.qrh != 0, "qrh " + std::to_string(e.qrh));
    add(e.spacing != 2, "spacing " + std::to_string(e.spacing));
    char head[160];
    std::snprintf(head, sizeof head, "channel %d  spd %d  ton %d  qsa %d  %s  %u ms%s", e.channel, e.spd, e.ton, e.qsa,
                  f.empty() ? "-" : f.c_str(), e.ms, e.audible ? "" : "  (silent)");
    return head;
}

std::string copy_check_text() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    char head[96];
    std::snprintf(head, sizeof head, "%d kHz  %04d-%02d-%02d %02d:%02d UTC\n", freq, now.wYear, now.wMonth, now.wDay,
                  now.wHour, now.wMinute);
    std::string text = head;
    const std::vector<SlotReport> slots = slot_reports(true);
    for (const SlotReport &e : slots) text += "\n" + slot_heading(e) + "\n" + e.text + "\n";
    if (slots.empty()) text += "\nnothing on the air\n";
    return text;
}

bool copy_check_open() { return g_copy_open; }

void copy_check_toggle() {
    const std::string text = copy_check_text();
    // Closed by its own window button since: C opens it again.
    if (g_copy_open && ui().side_update(text.c_str())) {
        ui().side_close();
        g_copy_open = false;
        return;
    }
    ui().side_show(kCopyTitle, text.c_str());
    g_copy_open = true;
}

void copy_check_refresh() {
    if (!g_copy_open) return;
    if (!ui().side_update(copy_check_text().c_str())) g_copy_open = false;
}

}  // namespace kestrel
