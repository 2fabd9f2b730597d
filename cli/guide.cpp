// kestrel-cli guide: what the band holds at an instant, frequency by frequency.
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/outputs.h"
#include "cli/reception.h"
#include "cli/recordings.h"
#include "cli/scope.h"
#include "platform/instant.h"
#include "platform/media.h"
#include "synth/wave_file.h"

namespace kestrel::cli {

namespace {

namespace fs = std::filesystem;

struct GuideOptions {
    std::string at, hist = "on", bkgnd = "on", clips = "on";
    int from = 10000, to = 30000;
    bool json = false, clips_given = false;
    unsigned seed = 1;
};

std::string json_string(const std::string &s) {
    std::string o = "\"";
    for (char c : s) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            o += '\\';
            o += c;
        } else if (u < 32) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", u);
            o += esc;
        } else {
            o += c;
        }
    }
    return o + "\"";
}

std::string first_words(const std::string &text, size_t n) {
    std::string t;
    bool space = true;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{') {  // codes say nothing to a reader of the guide
            size_t close = text.find('}', i);
            if (close != std::string::npos) {
                i = close;
                continue;
            }
        }
        if (text[i] == ' ') {
            if (!space) t += ' ';
            space = true;
        } else {
            t += text[i];
            space = false;
        }
        if (t.size() >= n) break;
    }
    while (!t.empty() && t.back() == ' ') t.pop_back();
    return t;
}

// One thing heard on a frequency, with the fields a program reading the guide needs.
struct Item {
    std::string kind;  // morse, recording, clip, carrier
    const Emission *morse = nullptr;
    int tone = 0, qsa = 0;  // carrier
    std::string file, why;  // why: the reason it is not played, "" when it is
    std::string command;    // the media command that started it
};

std::vector<Item> items_of(const Reception &r, const std::map<std::string, std::string> &missing) {
    std::vector<Item> items;
    for (const Emission &e : r.emissions) {
        if (!e.audible) continue;
        Item it;
        it.kind = "morse";
        it.morse = &e;
        it.file = channel_file_name(e.channel);
        items.push_back(it);
    }
    for (size_t i = 0; i < r.commands.size(); ++i) {
        Item it;
        it.command = r.commands[i];
        const MediaKind k = media_kind(r.commands[i], &it.file);
        if (k == MediaKind::channel) continue;  // the Morse above
        it.kind = k == MediaKind::carrier ? "carrier" : k == MediaKind::clip ? "clip" : "recording";
        if (k == MediaKind::other) it.file = r.commands[i];
        for (const Reception::Carrier &c : r.carriers)
            if (c.command == i) it.tone = c.tone, it.qsa = c.qsa;
        const auto bad = missing.find(r.commands[i]);
        if (bad != missing.end()) it.why = bad->second;
        items.push_back(it);
    }
    return items;
}

// The line form, as the listener reads it: "Morse 23 wpm: VVV ...", the
// recordings' commands, "carrier".
std::string line_of(const Item &it) {
    std::string s = it.morse ? "Morse " + std::to_string(it.morse->spd) + " wpm: " + first_words(it.morse->text, 48)
                    : it.kind == "carrier" ? std::string("carrier")
                                           : it.command;
    if (!it.why.empty()) s += " (not played)";
    return s;
}

// Mended: the JSON holds fields a program can use, not the display strings.
std::string json_of(int khz, const Item &it) {
    const Emission *e = it.morse;
    auto flag = [](int v) { return std::string(v ? "true" : "false"); };
    std::string j = "{\"khz\": " + std::to_string(khz) + ", \"kind\": \"" + it.kind + "\"";
    j += ", \"channel\": " + (e ? std::to_string(e->channel) : "null");
    j += ", \"wpm\": " + (e ? std::to_string(e->spd) : "null");
    j += ", \"tone\": " + (e ? std::to_string(e->ton) : it.kind == "carrier" ? std::to_string(it.tone) : "null");
    j += ", \"strength\": " + (e ? std::to_string(e->qsa) : it.kind == "carrier" ? std::to_string(it.qsa) : "null");
    if (e)
        j += ", \"keying\": {\"rto\": " + std::to_string(e->rto) + ", \"f1\": " + flag(e->f1) + ", \"bw\": " +
             flag(e->bw) + ", \"hand\": " + flag(e->hand) + ", \"spark\": " + flag(e->spark) + ", \"sz\": " +
             flag(e->sz) + ", \"kana\": " + flag(e->kana) + ", \"qrh\": " + std::to_string(e->qrh) +
             ", \"spacing\": " + std::to_string(e->spacing) + "}";
    else
        j += ", \"keying\": null";
    j += ", \"text\": " + (e ? json_string(e->text) : "null");
    j += ", \"file\": " + json_string(it.file);
    j += ", \"played\": " + flag(it.why.empty());
    j += ", \"not_played_because\": " + (it.why.empty() ? "null" : json_string(it.why)) + "}";
    return j;
}

int run_guide(const GuideOptions &o) {
    int64_t at_ms = 0;
    if (!instant_of(o.at, &at_ms)) return 2;
    if (o.from > o.to) {
        std::fprintf(stderr, "kestrel-cli: --from %d is above --to %d\n", o.from, o.to);
        return 2;
    }
    if (o.clips_given && o.bkgnd == "off")
        warn("--clips has no effect with --bkgnd off: clips sound only with the background");
    ReceptionSetup s;
    s.freq = o.from;
    s.at_ms = at_ms;
    s.hist = o.hist == "on";
    s.bkgnd = o.bkgnd == "on";
    s.clips = o.clips == "on";
    s.render = false;
    s.seed = o.seed;
    prepare(s);
    // Carriers still write their file: keep that out of the caller's folder.
    std::error_code ec;
    WorkDir work;
    if (!work.make("", "kestrel-guide")) {
        std::fprintf(stderr, "kestrel-cli: cannot make a work folder in '%s': %s\n",
                     fs::temp_directory_path(ec).c_str(), work.why().c_str());
        return 1;
    }
    work.expect(channel_file_name(9));
    work.expect("fone");
    // The recordings are looked for where tune looks for them.
    const Recordings rec = find_recordings(fs::current_path(ec).string());
    link_recordings(rec, work.path());
    ChannelFolder channels(work.path());
    media_use(&media_null);
    const std::string instant = format_instant(at_ms);
    if (o.json)
        std::printf("{\"at\": \"%s\", \"seed\": %u, \"hist\": \"%s\", \"bkgnd\": \"%s\", \"clips\": \"%s\", "
                    "\"from\": %d, \"to\": %d,\n \"emissions\": [",
                    instant.c_str(), o.seed, o.hist.c_str(), o.bkgnd.c_str(), o.clips.c_str(), o.from, o.to);
    else
        std::printf("guide %d..%d kHz  %s  seed %u  hist %s  bkgnd %s  clips %s\n", o.from, o.to, instant.c_str(),
                    o.seed, o.hist.c_str(), o.bkgnd.c_str(), o.clips.c_str());
    bool first = true, wanted = false;
    for (int f = o.from; f <= o.to; ++f) {
        s.freq = f;
        const Reception r = receive(s);
        std::map<std::string, std::string> missing;
        {
            QuietStderr quiet;
            missing = unplayable(r.commands, work.path());
        }
        for (const std::string &c : r.commands) wanted = wanted || names_recording(c);
        const std::vector<Item> items = items_of(r, missing);
        if (items.empty()) continue;
        if (o.json) {
            for (const Item &it : items) {
                std::printf("%s\n  %s", first ? "" : ",", json_of(f, it).c_str());
                first = false;
            }
            continue;
        }
        std::printf("%5d kHz  ", f);
        for (size_t i = 0; i < items.size(); ++i) std::printf("%s%s", i ? " | " : "", line_of(items[i]).c_str());
        std::printf("\n");
    }
    if (o.json) std::printf("\n ]}\n");
    if (wanted && rec.folder.empty()) warn(no_recordings_line(rec));
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

void add_guide(CLI::App &app) {
    auto o = std::make_shared<GuideOptions>();
    CLI::App *c = app.add_subcommand("guide", "List every frequency of a range where something is on the air");
    c->add_option("--at", o->at,
                  "Instant YYYY-MM-DDTHH:MM:SSZ, or with an offset such as +01:00 instead of Z, converted to UTC "
                  "(default: now, to the second); the first line gives the instant and seed used");
    c->add_option("--from", o->from, "First frequency in kHz, 10000..30000 (default 10000)")->transform(Whole(10000, 30000));
    c->add_option("--to", o->to, "Last frequency in kHz, 10000..30000 (default 30000)")->transform(Whole(10000, 30000));
    c->add_option("--hist", o->hist, "Historical stations on|off (default on)")->check(OnOff());
    c->add_option("--bkgnd", o->bkgnd, "Background stations on|off (default on)")->check(OnOff());
    CLI::Option *clips =
        c->add_option("--clips", o->clips, "Audio clips on|off, as the CLIP switch and tune --clips (default on)")
            ->check(OnOff());
    c->add_option("--seed", o->seed, "Seed of both random sources, as for tune (default 1)")
        ->transform(Whole(0, 4294967295));
    c->add_flag("--json", o->json,
                "Write JSON: the instant, seed and switches, and one object per emission with its khz, kind "
                "(morse, recording, clip, carrier), channel, wpm, tone, strength, keying, text and file");
    c->callback([o, clips]() {
        o->clips_given = clips->count() > 0;
        set_exit_code(run_guide(*o));
    });
}

}  // namespace kestrel::cli
