#include "app/report.h"

#include <cstdio>

#include "platform/clock.h"
#include "platform/ui.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "synth/key_walk.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel {

std::string step_text(const KeyStep &s) {
    char buf[32];
    switch (s.kind) {
    case StepKind::speed: std::snprintf(buf, sizeof buf, "{spd %d}", s.value); break;
    case StepKind::tone: std::snprintf(buf, sizeof buf, "{ton %d}", s.value); break;
    case StepKind::strength: std::snprintf(buf, sizeof buf, "{qsa %d}", s.value == 128 ? 0 : s.value); break;
    case StepKind::character:
        if (s.value == CODE_TUNE) return "{tune}";
        if (s.value < 32 || s.value >= 127) {
            std::snprintf(buf, sizeof buf, "{%d}", s.value);
            break;
        }
        return std::string(1, static_cast<char>(s.value));
    default: return "";
    }
    return buf;
}

bool sounds(const KeyStep &s) {
    return s.kind == StepKind::character &&
           (s.value == CODE_TUNE || (s.value < CW_TABLE_SIZE && cw_table[static_cast<size_t>(s.value)] != 0));
}

std::string readable(const char *text) {
    std::string out;
    for (KeyStep s = key_step(text, 0); s.kind != StepKind::end; s = key_step(text, s.next)) out += step_text(s);
    return out;
}

bool audible(const char *text) {
    for (KeyStep s = key_step(text, 0); s.kind != StepKind::end; s = key_step(text, s.next))
        if (sounds(s)) return true;
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

}  // namespace kestrel
