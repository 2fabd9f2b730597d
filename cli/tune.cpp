// kestrel-cli tune: one complete reception; kestrel-cli guide: what the band holds.
#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/commands.h"
#include "cli/reception.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/media.h"

namespace kestrel::cli {

namespace {

struct TuneOptions {
    int khz = 10000;
    std::string at, hist = "on", bkgnd = "on", out, mix;
    bool att = false;
    int filter = 2, sampling = 4, seconds = 30;
    unsigned seed = 1;
};

ReceptionSetup setup_from(int khz, const std::string &at, const std::string &hist, const std::string &bkgnd) {
    ReceptionSetup s;
    s.freq = khz;
    s.at = at;
    s.hist = hist == "on";
    s.bkgnd = bkgnd == "on";
    return s;
}

std::string flags_of(const Emission &e) {
    std::string f;
    auto add = [&](bool on, const char *name) {
        if (on) f += std::string(f.empty() ? "" : " ") + name;
    };
    add(e.rto != 0, ("rto " + std::to_string(e.rto)).c_str());
    add(e.f1, "f1");
    add(e.bw, "bw");
    add(e.hand, "hand");
    add(e.spark, "spark");
    add(e.sz, "sz");
    add(e.kana, "kana");
    add(e.qrh != 0, ("qrh " + std::to_string(e.qrh)).c_str());
    add(e.spacing != 2, ("spacing " + std::to_string(e.spacing)).c_str());
    return f.empty() ? "-" : f;
}

int run_tune(const TuneOptions &o) {
    namespace fs = std::filesystem;
    ReceptionSetup s = setup_from(o.khz, o.at, o.hist, o.bkgnd);
    s.att = o.att;
    s.filter = o.filter == 1 ? 1 : 0;
    s.sampling = o.sampling;
    s.seed = o.seed;
    if (!prepare(s)) {
        std::fprintf(stderr, "kestrel-cli: --at must be YYYY-MM-DDTHH:MM:SSZ, got '%s'\n", o.at.c_str());
        return 2;
    }
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    fs::path mix_path = o.mix.empty() ? fs::path() : fs::absolute(o.mix, ec);
    std::string dir = o.out;
    bool temporary = dir.empty();
    if (temporary) dir = make_temp_dir("kestrel-tune");
    if (!dir.empty()) fs::create_directories(dir, ec);
    if (dir.empty() || !fs::is_directory(dir)) {
        std::fprintf(stderr, "kestrel-cli: cannot use output folder '%s'\n", o.out.c_str());
        return 1;
    }
    // The recordings are found relative to the working folder, as the receiver
    // finds them: ./fone, else the ones installed with the program.
    fs::path fone = cwd / "fone";
    if (!fs::is_directory(fone)) {
        std::string installed = installed_fone("/proc/self/exe");
        if (!installed.empty()) fone = installed;
    }
    if (!fs::exists(fs::path(dir) / "fone") && fs::is_directory(fone))
        fs::create_directory_symlink(fone, fs::path(dir) / "fone", ec);
    fs::current_path(dir, ec);
    if (ec) {
        std::fprintf(stderr, "kestrel-cli: cannot enter '%s'\n", dir.c_str());
        return 1;
    }
    bool mixing = !o.mix.empty();
    if (mixing && !media_offline_begin(mix_path.c_str(), o.seconds)) {
        fs::current_path(cwd, ec);
        std::fprintf(stderr, "kestrel-cli: cannot write '%s'\n", o.mix.c_str());
        return 1;
    }
    if (!mixing) media_use(&media_null);
    Reception r = receive(s);
    if (mixing && !media_offline_end()) {
        std::fprintf(stderr, "kestrel-cli: cannot write '%s'\n", o.mix.c_str());
        fs::current_path(cwd, ec);
        return 1;
    }
    std::printf("%d kHz  %s\n", r.freq, o.at.empty() ? "now" : o.at.c_str());
    for (const Emission &e : r.emissions) {
        std::printf("\nchannel %d  spd %d  ton %d  qsa %d  %s  %u ms%s\n", e.channel, e.spd, e.ton, e.qsa,
                    flags_of(e).c_str(), e.ms, e.audible ? "" : "  (silent)");
        std::printf("%s\n", e.text.c_str());
    }
    if (!r.commands.empty()) std::printf("\n");
    for (const std::string &c : r.commands) std::printf("media: %s\n", c.c_str());
    if (r.emissions.empty() && r.commands.empty()) std::printf("nothing on the air\n");
    fs::current_path(cwd, ec);
    if (temporary) fs::remove_all(dir, ec);
    return 0;
}

struct GuideOptions {
    std::string at, hist = "on", bkgnd = "on";
    int from = 10000, to = 30000;
    bool json = false;
};

std::string json_escape(const std::string &s) {
    std::string o;
    for (char c : s) {
        if (c == '"' || c == '\\') o += '\\';
        if (static_cast<unsigned char>(c) < 32) continue;
        o += c;
    }
    return o;
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

int run_guide(const GuideOptions &o) {
    namespace fs = std::filesystem;
    ReceptionSetup s = setup_from(o.from, o.at, o.hist, o.bkgnd);
    s.render = false;
    if (!prepare(s)) {
        std::fprintf(stderr, "kestrel-cli: --at must be YYYY-MM-DDTHH:MM:SSZ, got '%s'\n", o.at.c_str());
        return 2;
    }
    if (o.from > o.to) {
        std::fprintf(stderr, "kestrel-cli: --from must not be above --to\n");
        return 2;
    }
    // Carriers still write their file: keep that out of the caller's folder.
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    std::string dir = make_temp_dir("kestrel-guide");
    if (dir.empty()) return 1;
    fs::current_path(dir, ec);
    media_use(&media_null);
    bool first = true;
    if (o.json) std::printf("[");
    for (int f = o.from; f <= o.to; ++f) {
        s.freq = f;
        Reception r = receive(s);
        std::vector<std::string> heard;
        for (const Emission &e : r.emissions)
            if (e.audible)
                heard.push_back("Morse " + std::to_string(e.spd) + " wpm: " + first_words(e.text, 48));
        for (const std::string &c : r.commands) heard.push_back(c.rfind("loop ", 0) == 0 ? "carrier" : c);
        if (heard.empty()) continue;
        if (o.json) {
            std::printf("%s\n {\"khz\": %d, \"heard\": [", first ? "" : ",", f);
            for (size_t i = 0; i < heard.size(); ++i)
                std::printf("%s\"%s\"", i ? ", " : "", json_escape(heard[i]).c_str());
            std::printf("]}");
        } else {
            std::printf("%5d kHz  ", f);
            for (size_t i = 0; i < heard.size(); ++i) std::printf("%s%s", i ? " | " : "", heard[i].c_str());
            std::printf("\n");
        }
        first = false;
    }
    if (o.json) std::printf("\n]\n");
    fs::current_path(cwd, ec);
    fs::remove_all(dir, ec);
    return 0;
}

}  // namespace

void add_tune(CLI::App &app) {
    auto o = std::make_shared<TuneOptions>();
    CLI::App *c = app.add_subcommand("tune", "Run one complete reception of a frequency and show what is heard");
    c->add_option("KHZ", o->khz, "Frequency in kHz")->required()->check(CLI::Range(10000, 30000));
    c->add_option("--at", o->at, "UTC instant YYYY-MM-DDTHH:MM:SSZ (default: now)");
    c->add_option("--hist", o->hist, "Historical stations on|off (default on)")->check(CLI::IsMember({"on", "off"}));
    c->add_option("--bkgnd", o->bkgnd, "Background stations on|off (default on)")->check(CLI::IsMember({"on", "off"}));
    c->add_flag("--att", o->att, "Attenuator on");
    c->add_option("--filter", o->filter, "Receiver filter: 2 = 2 kHz (default), 1 = 1 kHz")->check(CLI::IsMember({1, 2}));
    c->add_option("--sampling", o->sampling, "Sample-rate factor 3 or 4 (default 4)")->check(CLI::IsMember({3, 4}));
    c->add_option("--seed", o->seed, "Seed of both random sources (default 1)");
    c->add_option("--out", o->out, "Folder for the channel files (default: a temporary folder, removed afterwards)");
    c->add_option("--mix", o->mix, "Mix everything that would sound into this WAV file");
    c->add_option("--seconds", o->seconds, "Length of the mix in seconds (default 30)")->check(CLI::Range(1, 3600));
    c->callback([o]() { set_exit_code(run_tune(*o)); });
}

void add_guide(CLI::App &app) {
    auto o = std::make_shared<GuideOptions>();
    CLI::App *c = app.add_subcommand("guide", "List every frequency of a range where something is on the air");
    c->add_option("--at", o->at, "UTC instant YYYY-MM-DDTHH:MM:SSZ (default: now)");
    c->add_option("--from", o->from, "First frequency in kHz (default 10000)")->check(CLI::Range(10000, 30000));
    c->add_option("--to", o->to, "Last frequency in kHz (default 30000)")->check(CLI::Range(10000, 30000));
    c->add_option("--hist", o->hist, "Historical stations on|off (default on)")->check(CLI::IsMember({"on", "off"}));
    c->add_option("--bkgnd", o->bkgnd, "Background stations on|off (default on)")->check(CLI::IsMember({"on", "off"}));
    c->add_flag("--json", o->json, "Write JSON instead of lines");
    c->callback([o]() { set_exit_code(run_guide(*o)); });
}

}  // namespace kestrel::cli
