// kestrel-cli tune: one complete reception; kestrel-cli guide: what the band holds.
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/outputs.h"
#include "cli/reception.h"
#include "cli/subtitles.h"
#include "app/sound_mode.h"
#include "app/window.h"
#include "state/receiver.h"
#include "platform/audio.h"
#include "platform/audio_command.h"
#include "platform/files.h"
#include "platform/media.h"
#include "platform/temp_files.h"
#include "synth/morse.h"
#include "synth/wave_check.h"

namespace kestrel::cli {

namespace {

namespace fs = std::filesystem;

// The recordings are found relative to the work folder, as the receiver finds
// them: the starting folder's fone/, else the ones installed with the program.
void link_recordings(const fs::path &cwd, const std::string &dir) {
    std::error_code ec;
    fs::path fone = cwd / "fone";
    if (!fs::is_directory(fone)) {
        std::string installed = installed_fone("/proc/self/exe");
        if (!installed.empty()) fone = installed;
    }
    if (!fs::exists(fs::path(dir) / "fone") && fs::is_directory(fone))
        fs::create_directory_symlink(fone, fs::path(dir) / "fone", ec);
}

struct TuneOptions {
    int khz = 10000;
    std::string at, hist = "on", bkgnd = "on", out, mix, qrn = "on", clips = "on", subtitles;
    std::string sound = "described", effects = "all";
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

// Mended: the recordings a reception asked for that cannot be played, each
// with the reason, keyed by the command that named them: the listener hears
// silence there, and the report says so.
std::map<std::string, std::string> unplayable(const std::vector<std::string> &commands) {
    std::map<std::string, std::string> out;
    std::set<std::string> aliases;
    for (const std::string &c : commands) {
        std::string file;
        if (c.rfind("loop ", 0) == 0) {
            file = c.substr(5);
        } else if (c.rfind("play channel ", 0) == 0) {
            continue;  // channel files are checked as they are written
        } else {
            audio::MediaCommand mc;
            std::string why;
            if (!audio::parse_command(c.c_str(), &mc, &why)) {
                out[c] = why;
                continue;
            }
            if (mc.verb == audio::Verb::open && !mc.alias.empty()) aliases.insert(mc.alias);
            if (mc.verb != audio::Verb::open && mc.verb != audio::Verb::play) continue;
            if (aliases.count(mc.device)) continue;
            file = mc.device;
        }
        std::string why;
        if (!media_file_playable(file.c_str(), &why)) out[c] = why;
    }
    return out;
}

int run_tune(const TuneOptions &o) {
    namespace fs = std::filesystem;
    ReceptionSetup s = setup_from(o.khz, o.at, o.hist, o.bkgnd);
    s.att = o.att;
    s.filter = o.filter == 1 ? 1 : 0;
    s.sampling = o.sampling;
    s.seed = o.seed;
    s.clips = o.clips == "on";
    if (!prepare(s)) {
        std::fprintf(stderr, "kestrel-cli: --at must be YYYY-MM-DDTHH:MM:SSZ, got '%s'\n", o.at.c_str());
        return 2;
    }
    std::string sound_why;
    if (!sound_select(o.sound, o.effects, uint64_t(o.seed) + 1, &sound_why)) {
        std::fprintf(stderr, "kestrel-cli: %s\n", sound_why.c_str());
        return 2;
    }
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    // Mended: the channel files are written in a work folder (inside --out
    // when given, so that only finished files are renamed into place) that
    // goes on every way out.
    if (!o.out.empty()) {
        fs::create_directories(o.out, ec);
        if (ec || !fs::is_directory(o.out)) {
            std::fprintf(stderr, "kestrel-cli: cannot use output folder '%s': %s\n", o.out.c_str(),
                         ec ? ec.message().c_str() : "not a folder");
            return 1;
        }
    }
    WorkDir work;
    if (!work.make(o.out, o.out.empty() ? "kestrel-tune" : ".kestrel-tune")) {
        if (o.out.empty())
            std::fprintf(stderr, "kestrel-cli: cannot make a work folder in '%s': %s\n",
                         fs::temp_directory_path(ec).c_str(), work.why().c_str());
        else
            std::fprintf(stderr, "kestrel-cli: cannot use output folder '%s': %s\n", o.out.c_str(),
                         work.why().c_str());
        return 1;
    }
    const std::string dir = work.path();
    for (int k = 0; k <= 9; ++k) work.expect("TOVA" + std::to_string(k) + ".WAV");
    work.expect("fone");
    link_recordings(cwd, dir);
    StagedFile mix;
    const bool mixing = !o.mix.empty();
    if (mixing && !mix.stage(fs::absolute(o.mix, ec).string())) {
        report_write_failure(o.mix, mix.why());
        return 1;
    }
    fs::current_path(dir, ec);
    if (ec) {
        std::fprintf(stderr, "kestrel-cli: cannot enter '%s': %s\n", dir.c_str(), ec.message().c_str());
        return 1;
    }
    if (mixing && !media_offline_begin(mix.temp().c_str(), o.seconds)) {
        fs::current_path(cwd, ec);
        report_write_failure(o.mix, media_offline_error());
        return 1;
    }
    bool mixed = true;
    std::string mix_why;
    if (!mixing) media_use(&media_null);
    if (mixing) {
        // The band noise as the receiver plays it: started with the reception and looped.
        qrn = o.qrn == "on";
        media_offline_on_notify(noise_notified);
        if (qrn) noise_start();
    }
    // The decoder of damaged MPEG files talks on standard error by itself.
    quiet_stderr_begin();
    Reception r = receive(s);
    sound_sync();  // the receiver's filter, attenuator and hour, as after a retune
    if (mixing && mixed && !media_offline_end()) {
        mixed = false;
        mix_why = media_offline_error();
    }
    if (mixing) media_offline_on_notify(nullptr);
    const std::map<std::string, std::string> missing = unplayable(r.commands);
    std::string failed_file, failed_why;
    // Every channel file of this run, the carrier's (9) included.
    for (int k = 0; k <= 9 && failed_file.empty(); ++k) {
        const std::string name = "TOVA" + std::to_string(k) + ".WAV";
        // Named where the user asked for it; without --out, in the work folder.
        const std::string shown = (fs::path(o.out.empty() ? dir : o.out) / name).string();
        std::string why = reason_of(wave_write_error(k));
        if (why.empty() && fs::exists(name)) why = wave_check(name).error;
        if (!why.empty()) {
            failed_file = shown;
            failed_why = why;
        }
    }
    quiet_stderr_end();
    fs::current_path(cwd, ec);
    if (!failed_file.empty()) {
        report_write_failure(failed_file, failed_why);
        return 1;
    }
    if (mixing && !mixed) {
        report_write_failure(o.mix, mix_why);
        return 1;
    }
    // Every file is complete: now they take their places.
    if (!o.out.empty()) {
        for (int k = 0; k <= 9; ++k) {
            const std::string name = "TOVA" + std::to_string(k) + ".WAV";
            if (!fs::exists(fs::path(dir) / name)) continue;
            fs::rename(fs::path(dir) / name, fs::path(o.out) / name, ec);
            if (ec) {
                report_write_failure((fs::path(o.out) / name).string(), ec.message());
                return 1;
            }
        }
    }
    if (mixing && !mix.commit()) {
        report_write_failure(o.mix, mix.why());
        return 1;
    }
    if (!o.subtitles.empty() &&
        write_reception_subtitles(o.subtitles, r, o.at, mixing ? 1000u * static_cast<uint32_t>(o.seconds) : UINT32_MAX))
        return 1;
    std::printf("%d kHz  %s\n", r.freq, o.at.empty() ? "now" : o.at.c_str());
    for (const Emission &e : r.emissions) {
        std::printf("\n%s\n%s\n", slot_heading(e).c_str(), e.text.c_str());
    }
    if (!r.commands.empty()) std::printf("\n");
    for (const std::string &c : r.commands) {
        const auto bad = missing.find(c);
        if (bad == missing.end())
            std::printf("media: %s\n", c.c_str());
        else
            std::printf("media: %s  (not played: %s)\n", c.c_str(), bad->second.c_str());
    }
    if (r.emissions.empty() && r.commands.empty()) std::printf("nothing on the air\n");
    if (std::fflush(stdout) != 0) return 1;
    return 0;
}

struct GuideOptions {
    std::string at, hist = "on", bkgnd = "on";
    int from = 10000, to = 30000;
    bool json = false;
    unsigned seed = 1;
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
    s.seed = o.seed;
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
    WorkDir work;
    if (!work.make("", "kestrel-guide")) {
        std::fprintf(stderr, "kestrel-cli: cannot make a work folder in '%s': %s\n",
                     fs::temp_directory_path(ec).c_str(), work.why().c_str());
        return 1;
    }
    work.expect("TOVA9.WAV");
    work.expect("fone");
    // The recordings are looked for where tune looks for them.
    link_recordings(cwd, work.path());
    fs::current_path(work.path(), ec);
    if (ec) {
        std::fprintf(stderr, "kestrel-cli: cannot enter '%s': %s\n", work.path().c_str(), ec.message().c_str());
        return 1;
    }
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
        quiet_stderr_begin();
        const std::map<std::string, std::string> missing = unplayable(r.commands);
        quiet_stderr_end();
        for (const std::string &c : r.commands) {
            std::string item = c.rfind("loop ", 0) == 0 ? "carrier" : c;
            if (missing.count(c)) item += " (not played)";
            heard.push_back(item);
        }
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
    return std::fflush(stdout) == 0 ? 0 : 1;
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
    c->add_option("--qrn", o->qrn, "Band noise fone/noise.wav in the mix on|off (default on, as the receiver starts)")
        ->check(CLI::IsMember({"on", "off"}));
    c->add_option("--clips", o->clips, "Audio clips on|off, as the CLIP switch (default on)")
        ->check(CLI::IsMember({"on", "off"}));
    c->add_option("--sound", o->sound,
                  "The mix's sound: described (the channel files as they are, default), receiver "
                  "(filter, AGC, fading, noise, crashes) or receiver-nofading")
        ->check(CLI::IsMember({"described", "receiver", "receiver-nofading"}));
    c->add_option("--effects", o->effects,
                  "Parts of the receiver sound: a comma list of filter, agc, fading, flutter, crashes; "
                  "all (default) or none");
    c->add_option("--subtitles", o->subtitles,
                  "Write the texts as WebVTT subtitles timed to the channels (and to the mix), a cue per word");
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
    c->add_option("--seed", o->seed, "Seed of both random sources, as for tune (default 1)");
    c->add_flag("--json", o->json, "Write JSON instead of lines");
    c->callback([o]() { set_exit_code(run_guide(*o)); });
}

}  // namespace kestrel::cli
