// kestrel-cli tune: one complete reception, its channel files and its mix.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/sound_mode.h"
#include "app/window.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/outputs.h"
#include "cli/reception.h"
#include "cli/recordings.h"
#include "cli/scope.h"
#include "cli/subtitles.h"
#include "platform/audio.h"
#include "platform/instant.h"
#include "platform/media.h"
#include "state/receiver.h"
#include "synth/morse.h"
#include "synth/wave_check.h"
#include "synth/wave_file.h"

namespace kestrel::cli {

namespace {

namespace fs = std::filesystem;

struct TuneOptions {
    int khz = 10000;
    std::string at, hist = "on", bkgnd = "on", out, mix, qrn = "on", clips = "on", subtitles;
    std::string sound = "described", effects = "all";
    bool att = false;
    int filter = 2, sampling = 4, seconds = 30;
    unsigned seed = 1;
    // Given on the command line, not left at their defaults.
    bool seconds_given = false, qrn_given = false, clips_given = false, sound_given = false, effects_given = false;
};

ReceptionSetup setup_of(const TuneOptions &o, int64_t at_ms) {
    ReceptionSetup s;
    s.freq = o.khz;
    s.at_ms = at_ms;
    s.hist = o.hist == "on";
    s.bkgnd = o.bkgnd == "on";
    s.att = o.att;
    s.filter = o.filter == 1 ? 1 : 0;
    s.sampling = o.sampling;
    s.seed = o.seed;
    s.clips = o.clips == "on";
    return s;
}

// Mended: an option that cannot change this run is named, not silently ignored.
void warn_idle_options(const TuneOptions &o) {
    if (o.mix.empty() && o.seconds_given) warn("--seconds has no effect without --mix");
    if (o.mix.empty() && o.qrn_given) warn("--qrn has no effect without --mix");
    if (o.mix.empty() && o.sound_given) warn("--sound has no effect without --mix");
    if (o.effects_given && (o.mix.empty() || o.sound == "described"))
        warn("--effects has no effect without --mix and --sound receiver or receiver-nofading");
    if (o.clips_given && o.bkgnd == "off") warn("--clips has no effect with --bkgnd off: clips sound only with the background");
}

// The folder the channel files end in, made when missing; false after saying why.
bool make_out_folder(const std::string &out) {
    if (out.empty()) return true;
    std::error_code ec;
    fs::create_directories(out, ec);
    if (ec || !fs::is_directory(out)) {
        std::fprintf(stderr, "kestrel-cli: cannot use output folder '%s': %s\n", out.c_str(),
                     ec ? ec.message().c_str() : "not a folder");
        return false;
    }
    return true;
}

// Mended: the channel files are written in a work folder (inside --out when
// given, so that only finished files are renamed into place) that goes on
// every way out.
bool make_work_folder(WorkDir *work, const std::string &out) {
    if (!work->make(out, out.empty() ? "kestrel-tune" : ".kestrel-tune")) {
        std::error_code ec;
        if (out.empty())
            std::fprintf(stderr, "kestrel-cli: cannot make a work folder in '%s': %s\n",
                         fs::temp_directory_path(ec).c_str(), work->why().c_str());
        else
            std::fprintf(stderr, "kestrel-cli: cannot use output folder '%s': %s\n", out.c_str(),
                         work->why().c_str());
        return false;
    }
    for (int k = 0; k <= 9; ++k) work->expect(channel_file_name(k));
    work->expect("fone");
    return true;
}

// What one run heard and whether every file of it was written.
struct Heard {
    Reception r;
    std::map<std::string, std::string> missing;  // media command -> why it cannot be played
    std::string noise_why;                       // why the band noise is not in the mix; "" when it is
    std::string failed_file, failed_why;         // the first file not written whole
};

// The first channel file of the run (the carrier's, 9, included) that was not
// written whole; it is named where the user asked for it.
void check_channel_files(const std::string &dir, const std::string &shown_dir, Heard *h) {
    for (int k = 0; k <= 9 && h->failed_file.empty(); ++k) {
        const fs::path file = fs::path(dir) / channel_file_name(k);
        std::string why = reason_of(wave_write_error(k));
        std::error_code ec;
        if (why.empty() && fs::exists(file, ec)) why = wave_check(file.string()).error;
        if (!why.empty()) {
            h->failed_file = (fs::path(shown_dir) / channel_file_name(k)).string();
            h->failed_why = why;
        }
    }
}

// Runs the reception in the work folder `dir`, into the mix when one is
// staged; 0, or the exit status after the failure was told.
int receive_in(const TuneOptions &o, const ReceptionSetup &s, const std::string &dir, const StagedFile *mix,
               Heard *h) {
    ChannelFolder channels(dir);
    // The media layer, as the receiver's, finds the channel files and fone/ in the working folder.
    InFolder in(dir);
    if (!in.ok()) {
        std::fprintf(stderr, "kestrel-cli: cannot enter '%s': %s\n", dir.c_str(), in.why().c_str());
        return 1;
    }
    if (mix && !media_offline_begin(mix->temp().c_str(), o.seconds)) {
        report_write_failure(o.mix, media_offline_error());
        return 1;
    }
    if (!mix) media_use(&media_null);
    std::string mix_why;
    {
        QuietStderr quiet;
        if (mix) {
            // The band noise as the receiver plays it: started with the reception and looped.
            qrn = o.qrn == "on";
            if (qrn && !media_file_playable("fone/noise.wav", &h->noise_why) && h->noise_why.empty())
                h->noise_why = "cannot be played";
            media_offline_on_notify(noise_notified);
            if (qrn) noise_start();
        }
        h->r = receive(s);
        sound_sync();  // the receiver's filter, attenuator and hour, as after a retune
        if (mix && !media_offline_end()) mix_why = media_offline_error();
        if (mix) media_offline_on_notify(nullptr);
        h->missing = unplayable(h->r.commands, dir);
        check_channel_files(dir, o.out.empty() ? dir : o.out, h);
    }
    if (!h->failed_file.empty()) {
        report_write_failure(h->failed_file, h->failed_why);
        return 1;
    }
    if (mix && !mix_why.empty()) {
        report_write_failure(o.mix, mix_why);
        return 1;
    }
    return 0;
}

// Every file is complete: now the channel files take their places in --out.
bool place_channel_files(const std::string &dir, const std::string &out) {
    if (out.empty()) return true;
    for (int k = 0; k <= 9; ++k) {
        const fs::path from = fs::path(dir) / channel_file_name(k), to = fs::path(out) / channel_file_name(k);
        std::error_code ec;
        if (!fs::exists(from, ec)) continue;
        fs::rename(from, to, ec);
        if (ec) {
            report_write_failure(to.string(), ec.message());
            return false;
        }
    }
    return true;
}

// What nobody hears, told once on standard error: no recordings at all, or the band noise.
void warn_silent_recordings(const Recordings &rec, const Heard &h, bool noise) {
    bool wanted = noise;
    for (const std::string &c : h.r.commands) wanted = wanted || names_recording(c);
    if (wanted && rec.folder.empty()) {
        warn(no_recordings_line(rec));
        return;
    }
    if (!h.noise_why.empty()) warn("the band noise fone/noise.wav is not in the mix: " + h.noise_why);
}

// What the run was made from, after the frequency: the instant and the seed.
std::string when_of(int64_t at_ms, unsigned seed) { return format_instant(at_ms) + "  seed " + std::to_string(seed); }

void print_reception(const Heard &h, int64_t at_ms, unsigned seed) {
    std::printf("%d kHz  %s\n", h.r.freq, when_of(at_ms, seed).c_str());
    for (const Emission &e : h.r.emissions) std::printf("\n%s\n%s\n", slot_heading(e).c_str(), e.text.c_str());
    if (!h.r.commands.empty()) std::printf("\n");
    for (const std::string &c : h.r.commands) {
        const auto bad = h.missing.find(c);
        if (bad == h.missing.end())
            std::printf("media: %s\n", c.c_str());
        else
            std::printf("media: %s  (not played: %s)\n", c.c_str(), bad->second.c_str());
    }
    if (h.r.emissions.empty() && h.r.commands.empty()) std::printf("nothing on the air\n");
}

int run_tune(const TuneOptions &o) {
    int64_t at_ms = 0;
    if (!instant_of(o.at, &at_ms)) return 2;
    std::string sound_why;
    if (!sound_select(o.sound, o.effects, uint64_t(o.seed) + 1, &sound_why)) {
        std::fprintf(stderr, "kestrel-cli: %s\n", sound_why.c_str());
        return 2;
    }
    warn_idle_options(o);
    const ReceptionSetup s = setup_of(o, at_ms);
    prepare(s);
    if (!make_out_folder(o.out)) return 1;
    WorkDir work;
    if (!make_work_folder(&work, o.out)) return 1;
    std::error_code ec;
    const Recordings rec = find_recordings(fs::current_path(ec).string());
    link_recordings(rec, work.path());
    StagedFile mix;
    const bool mixing = !o.mix.empty();
    if (mixing && !mix.stage(fs::absolute(o.mix, ec).string())) {
        report_write_failure(o.mix, mix.why());
        return 1;
    }
    // Absolute: the reception runs inside it, where a relative name would mean another folder.
    const std::string dir = fs::absolute(work.path(), ec).string();
    Heard h;
    if (const int status = receive_in(o, s, dir, mixing ? &mix : nullptr, &h)) return status;
    if (!place_channel_files(work.path(), o.out)) return 1;
    if (mixing && !mix.commit()) {
        report_write_failure(o.mix, mix.why());
        return 1;
    }
    if (!o.subtitles.empty() &&
        write_reception_subtitles(o.subtitles, h.r, when_of(at_ms, o.seed),
                                  mixing ? 1000u * static_cast<uint32_t>(o.seconds) : UINT32_MAX))
        return 1;
    warn_silent_recordings(rec, h, mixing && o.qrn == "on");
    print_reception(h, at_ms, o.seed);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

void add_tune(CLI::App &app) {
    auto o = std::make_shared<TuneOptions>();
    CLI::App *c = app.add_subcommand("tune", "Run one complete reception of a frequency and show what is heard");
    c->add_option("KHZ", o->khz, "Frequency in kHz, 10000..30000")->required()->transform(Whole(10000, 30000));
    c->add_option("--at", o->at,
                  "Instant YYYY-MM-DDTHH:MM:SSZ, or with an offset such as +01:00 instead of Z, converted to UTC "
                  "(default: now, to the second); the output starts with the instant used");
    c->add_option("--hist", o->hist, "Historical stations on|off (default on)")->check(OnOff());
    c->add_option("--bkgnd", o->bkgnd, "Background stations on|off (default on)")->check(OnOff());
    c->add_flag("--att", o->att, "Attenuator on");
    c->add_option("--filter", o->filter, "Receiver filter: 2 = 2 kHz (default), 1 = 1 kHz")->transform(Whole(1, 2));
    c->add_option("--sampling", o->sampling, "Sample-rate factor 3 or 4 (default 4)")->transform(Whole(3, 4));
    c->add_option("--seed", o->seed, "Seed of both random sources (default 1)")->transform(Whole(0, 4294967295));
    c->add_option("--out", o->out, "Folder for the channel files (default: a temporary folder, removed afterwards)");
    c->add_option("--mix", o->mix, "Mix everything that would sound into this WAV file");
    CLI::Option *seconds =
        c->add_option("--seconds", o->seconds, "Length of the mix, 1..3600 seconds (default 30; needs --mix)")
            ->transform(Whole(1, 3600));
    CLI::Option *qrn =
        c->add_option("--qrn", o->qrn, "Band noise fone/noise.wav in the mix on|off (default on, as the receiver "
                                       "starts; needs --mix)")
            ->check(OnOff());
    CLI::Option *clips = c->add_option("--clips", o->clips, "Audio clips on|off, as the CLIP switch (default on)")
                             ->check(OnOff());
    CLI::Option *sound =
        c->add_option("--sound", o->sound,
                      "The mix's sound: described (the channel files as they are, default), receiver "
                      "(filter, AGC, fading, noise, crashes) or receiver-nofading")
            ->check(CLI::IsMember({"described", "receiver", "receiver-nofading"}));
    CLI::Option *effects = c->add_option("--effects", o->effects,
                                         "Parts of the receiver sound: a comma list of filter, agc, fading, flutter, "
                                         "crashes; all (default) or none");
    c->add_option("--subtitles", o->subtitles,
                  "Write the texts as WebVTT subtitles timed to the channels (and to the mix), a cue per word");
    c->callback([o, seconds, qrn, clips, sound, effects]() {
        o->seconds_given = seconds->count() > 0;
        o->qrn_given = qrn->count() > 0;
        o->clips_given = clips->count() > 0;
        o->sound_given = sound->count() > 0;
        o->effects_given = effects->count() > 0;
        set_exit_code(run_tune(*o));
    });
}

}  // namespace kestrel::cli
