// kestrel-cli render: one emission rendered exactly as a closed send-stack slot.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "bandplan/reset.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/outputs.h"
#include "cli/scope.h"
#include "cli/subtitles.h"
#include "platform/clock.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "synth/morse.h"
#include "synth/params.h"
#include "synth/wave_check.h"

namespace kestrel::cli {

namespace {
int g_exit = 0;
// The largest file whose header states its length exactly.
constexpr uint64_t kMaxWavBytes = WAVE_MAX_DATA + 44;

// The fastest speed any tone and sampling can key: a dot is sampling x 150 / speed cycles.
constexpr int kMaxSpd = 600;

struct RenderOptions {
    std::string text;
    int spd_ = 20, ton_ = 800, qsa_ = 3, rto_ = 0, spacing_ = 2, filter_ = 2, sampling_ = 4, freq_ = 10000;
    bool f1_ = false, bw_ = false, hand_ = false, spark_ = false, sz_ = false, kana_ = false, att_ = false;
    std::string at;
    unsigned seed = 1;
    std::string out, subtitles;
    uint64_t max_bytes = kMaxWavBytes;
    bool seed_given = false;
};

// Mended: standard input is read only as far as a slot holds, so an endless
// stream (`yes |`) cannot fill the memory. What lies beyond is counted and
// told: in a file it stays unread for the next reader; from a pipe it is
// read away, up to a limit, to be counted.
std::string read_slot_from_stdin() {
    // Unbuffered, so not a byte more than the slot is taken from the stream.
    std::setvbuf(stdin, nullptr, _IONBF, 0);
    std::string text(SLOT_SIZE - 1, '\0');
    size_t got = 0;
    while (got < text.size()) {
        const size_t n = std::fread(text.data() + got, 1, text.size() - got, stdin);
        if (n == 0) break;
        got += n;
    }
    text.resize(got);
    if (got < SLOT_SIZE - 1) return text;
    namespace fs = std::filesystem;
    std::error_code ec;
    const long at = std::ftell(stdin);
    const uintmax_t size = fs::file_size("/proc/self/fd/0", ec);
    if (at >= 0 && !ec) {
        if (size > static_cast<uintmax_t>(at))
            warn("standard input holds more than a slot's " + std::to_string(SLOT_SIZE - 1) + " characters: " +
                 std::to_string(size - static_cast<uintmax_t>(at)) + " after them are left unread");
        return text;
    }
    constexpr uint64_t kCountUpTo = 1 << 20;
    static char sink[65536];
    uint64_t more = 0;
    while (more <= kCountUpTo) {
        const size_t n = std::fread(sink, 1, sizeof sink, stdin);
        if (n == 0) break;
        more += n;
    }
    if (more > kCountUpTo)
        warn("standard input holds more than a slot's " + std::to_string(SLOT_SIZE - 1) + " characters: more than " +
             std::to_string(kCountUpTo) + " after them were dropped (the rest was not read)");
    else if (more > 0)
        warn("standard input holds more than a slot's " + std::to_string(SLOT_SIZE - 1) + " characters: " +
             std::to_string(more) + " after them were dropped");
    return text;
}

// Puts everything a rendering depends on where a fresh run has it, with the
// slot closed: the measuring pass and the rendering start from the same state.
void set_up(const RenderOptions &o, const SYSTEMTIME &at, const std::string &body) {
    program_reset();
    test_clock_set(at.wYear, at.wMonth, at.wDay, at.wHour, at.wMinute, at.wSecond, at.wMilliseconds);
    test_clock_step(7);  // every clock read moves 7 ms on, so repeated runs match exactly
    random_reset(o.seed);
    freq = o.freq_;
    att = o.att_ ? 1 : 0;
    filter = o.filter_ == 1 ? 1 : 0;
    sampling = o.sampling_;
    stn();
    spd = o.spd_;
    ton = o.ton_;
    qsa = o.qsa_;
    rto = o.rto_;
    _f1 = o.f1_;
    bw = o.bw_;
    hand = o.hand_;
    spark = o.spark_;
    sz = o.sz_;
    katokana = o.kana_;
    spacing = o.spacing_;
    std::memcpy(send_buf[0], body.c_str(), body.size() + 1);
    save_cw_param(0);
    send_call = 1;
    emission_nr = 0;
    load_cw_param();
}

// The first timing of a rendering at speed `speed`: the dot in tone cycles,
// and the speed and tone it keys at (the timing holds the tone to what the
// filter passes).
struct Timing {
    int32_t dot = 0;
    double wpm = 0;
    int tone = 0;
};
Timing timing_at(RenderOptions o, const SYSTEMTIME &at, int speed) {
    o.spd_ = speed;
    set_up(o, at, "");
    load_params();
    Timing t;
    t.dot = dot_size;
    const double rate = double(ton) * sampling;
    // A dot is dot_size cycles of 8 samples; PARIS is 50 dots.
    t.wpm = t.dot > 0 ? 1.2 * rate / (8.0 * t.dot) : 0;
    t.tone = filter ? ton : ton / 2;
    keying_reset();
    return t;
}

// The speeds lo..hi around `speed` whose dots come out the same.
void alike(const RenderOptions &o, const SYSTEMTIME &at, int speed, int *lo, int *hi) {
    const int32_t d = timing_at(o, at, speed).dot;
    // The dot never grows with the speed, so each end is a binary search.
    int a = 1, b = speed;
    while (a < b) {
        const int m = (a + b) / 2;
        if (timing_at(o, at, m).dot <= d) b = m; else a = m + 1;
    }
    *lo = a;
    a = speed, b = kMaxSpd;
    while (a < b) {
        const int m = (a + b + 1) / 2;
        if (timing_at(o, at, m).dot >= d) a = m; else b = m - 1;
    }
    *hi = a;
}

std::string filter_words(const RenderOptions &o) {
    return std::string(o.filter_ == 1 ? "the 1 kHz filter" : "the 2 kHz filter") + (o.spark_ ? " and --spark" : "") +
           " at --sampling " + std::to_string(o.sampling_);
}

// Mended: options that would key nothing are refused, and the clamps of the
// timing are told when they apply, instead of a file of silence or of a
// speed or tone other than the one asked for without a word.
bool honest_timing(const RenderOptions &o, const SYSTEMTIME &at) {
    const Timing t = timing_at(o, at, o.spd_);
    if (t.dot == 0) {
        int fastest = 0;
        for (int a = 1, b = o.spd_; a <= b;) {
            const int m = (a + b) / 2;
            if (timing_at(o, at, m).dot > 0) fastest = m, a = m + 1; else b = m - 1;
        }
        std::fprintf(stderr,
                     "kestrel-cli: --spd %d keys nothing at --ton %d with %s: a dot would be shorter than one "
                     "tone cycle; the fastest speed that keys is %d\n",
                     o.spd_, o.ton_, filter_words(o).c_str(), fastest);
        return false;
    }
    if (t.tone != o.ton_)
        warn("--ton " + std::to_string(o.ton_) + " is keyed as " + std::to_string(t.tone) + ": with " +
             filter_words(o) + " the tone is held to " + (o.filter_ == 1 || o.spark_ ? "500" : "250") + "..2000");
    const double off = t.wpm / (o.spd_ + (o.rto_ ? 1 : 0));
    if (off > 1.1 || off < 0.9) {
        int lo = 0, hi = 0;
        alike(o, at, o.spd_, &lo, &hi);
        char line[256];
        std::snprintf(line, sizeof line,
                      "--spd %d keys at %.0f wpm: a dot of %d tone cycle%s, which every speed %d..%d gives at "
                      "--ton %d with %s",
                      o.spd_, t.wpm, t.dot, t.dot == 1 ? "" : "s", lo, hi, o.ton_, filter_words(o).c_str());
        warn(line);
    }
    return true;
}

int run_render(const RenderOptions &o) {
    std::string text = o.text == "-" ? read_slot_from_stdin() : o.text;
    int64_t at_ms = 0;
    if (!o.at.empty()) {
        if (!instant_of(o.at, &at_ms)) return 2;
    } else {
        at_ms = epoch_ms_of(2026, 1, 1, 12, 0, 0);
    }
    test_clock_set_epoch_ms(at_ms);
    SYSTEMTIME at;
    test_clock_step(0);
    GetSystemTime(&at);
    std::string body = text.substr(0, std::min(text.size(), std::strlen(text.c_str())));
    if (body.size() < text.size())
        warn("a zero byte ends the text after " + std::to_string(body.size()) + " characters: the " +
             std::to_string(text.size() - body.size()) + " after it are not keyed");
    if (body.size() > SLOT_SIZE - 1) {
        warn("the text holds " + std::to_string(body.size()) + " characters, more than a slot's " +
             std::to_string(SLOT_SIZE - 1) + ": the last " + std::to_string(body.size() - (SLOT_SIZE - 1)) +
             " are not keyed");
        body.resize(SLOT_SIZE - 1);
    }
    if (!honest_timing(o, at)) return 2;
    if (o.seed_given && !o.hand_ && o.rto_ == 0)
        warn("--seed has no effect without --hand or --rto: nothing else in a render is drawn at random");

    // Mended: a rendering longer than a WAV header can state (its length
    // would wrap at 4 GiB) stops after the last character that fits, and the
    // user is told. The length is measured first, without writing.
    const uint64_t max_data = o.max_bytes - 44;
    set_up(o, at, body);
    const WaveMeasure measure = wave_measure(send_buf[0], max_data);
    if (!measure.silent && measure.fit_length > max_data) {
        std::fprintf(stderr, "kestrel-cli: --max-bytes %llu is too small for even the leading space (%llu bytes)\n",
                     static_cast<unsigned long long>(o.max_bytes),
                     static_cast<unsigned long long>(measure.fit_length + 44));
        return 2;
    }
    const bool cut = !measure.silent && measure.fit < body.size();
    if (cut) body.resize(measure.fit);

    // Mended: the renderer writes its channel file in a work folder beside
    // the output, from which the finished file is renamed into place: a
    // failure leaves whatever was at the output untouched.
    namespace fs = std::filesystem;
    const std::string &dest = o.out;
    std::string folder = fs::path(dest).parent_path().string();
    if (folder.empty()) folder = ".";
    WorkDir work;
    if (!work.make(folder, ".kestrel-render")) {
        report_write_failure(dest, work.why());
        return 1;
    }
    work.expect(channel_file_name(0));
    uint32_t ms = 0;
    std::string written_error;
    {
        ChannelFolder channels(work.path());
        set_up(o, at, body);
        ms = CreateWave(0, send_buf[0]);
        written_error = wave_write_error(0);
    }
    std::error_code ec;
    const std::string produced = work.path() + "/" + channel_file_name(0);
    if (!written_error.empty()) {
        report_write_failure(dest, reason_of(written_error));
        return 1;
    }
    const WaveCheck check = wave_check(produced);
    if (!check.error.empty()) {
        report_write_failure(dest, check.error);
        return 1;
    }
    if (check.empty) {
        // Mended: the attenuator silencing strength 0 leaves the receiver an
        // empty channel file, which it rightly does not play; a user who asked
        // for a WAV still gets one, holding silence only.
        const std::string why = wave_write_empty(produced, wavehdr.sample_rate);
        if (!why.empty()) {
            report_write_failure(dest, why);
            return 1;
        }
        ms = 0;
        warn("the attenuator takes away strength 0: '" + dest + "' holds silence only");
    }
    if (!o.subtitles.empty()) {
        const std::vector<SubtitleTrack> tracks = {{0, &keyed_text(0), 0}};
        const std::string why = write_text_file(o.subtitles, webvtt(tracks, ms ? UINT32_MAX : 0, {}));
        if (!why.empty()) {
            report_write_failure(o.subtitles, why);
            return 1;
        }
    }
    fs::rename(produced, dest, ec);
    if (ec) {
        report_write_failure(dest, ec.message());
        return 1;
    }
    if (cut)
        std::fprintf(stderr,
                     "kestrel-cli: the whole text would take %llu bytes, more than %s; '%s' stops after "
                     "character %zu of %zu (%llu bytes, %u ms)\n",
                     static_cast<unsigned long long>(measure.data_length + 44),
                     o.max_bytes == kMaxWavBytes ? "a WAV header can state" : "--max-bytes allows", dest.c_str(),
                     measure.fit, text.size(), static_cast<unsigned long long>(check.data_length + 44), ms);
    if (std::printf("%u\n", ms) < 0 || std::fflush(stdout) != 0) return 1;
    return 0;
}
}  // namespace

int exit_code() { return g_exit; }
void set_exit_code(int code) { g_exit = code; }

void add_render(CLI::App &app) {
    auto o = std::make_shared<RenderOptions>();
    CLI::App *r = app.add_subcommand("render", "Render one Morse emission to a WAV file and print its playing time in ms");
    r->add_option("--text", o->text,
                  "Text to send (up to 9999 characters); '-' reads the bytes from standard input")
        ->required();
    r->add_option("--spd", o->spd_,
                  "Speed in words per minute (default 20). The dot is a whole number of tone cycles, so fast "
                  "speeds key in steps (said when it applies); a speed that keys nothing is refused")
        ->transform(Whole(1, kMaxSpd));
    r->add_option("--ton", o->ton_,
                  "Tone in Hz (default 800); held to 250..2000 with the 2 kHz filter, 500..2000 with the 1 kHz "
                  "filter or --spark (said when it applies)")
        ->transform(Whole(1, 4000));
    r->add_option("--qsa", o->qsa_, "Strength 0..5 (default 3)")->transform(Whole(0, 5));
    r->add_option("--rto", o->rto_, "Dash weighting: 0 none, 1..20 dashes of 4-4.5 dots, 21..255 of 4-5 dots")
        ->transform(Whole(0, 255));
    r->add_flag("--f1", o->f1_, "Frequency-shift keying: spaces as a lower tone");
    r->add_flag("--bw", o->bw_, "Inverted keying: tone in the spaces");
    r->add_flag("--hand", o->hand_, "Hand keying irregularity");
    r->add_flag("--spark", o->spark_, "Spark transmitter");
    r->add_flag("--sz", o->sz_, "Cut zero: 0 sent as T");
    r->add_flag("--kana", o->kana_, "Kana alphabet for lower case and high codes");
    r->add_option("--spacing", o->spacing_, "Letter space in dots, 1..3 (default 2)")->transform(Whole(1, 3));
    r->add_flag("--att", o->att_, "Attenuator on (one strength step weaker; strength 0 gives silence)");
    r->add_option("--filter", o->filter_, "Receiver filter: 2 = 2 kHz (default), 1 = 1 kHz")->transform(Whole(1, 2));
    r->add_option("--sampling", o->sampling_, "Sample-rate factor 3 or 4 (default 4)")->transform(Whole(3, 4));
    r->add_option("--at", o->at,
                  "Instant YYYY-MM-DDTHH:MM:SSZ, or with an offset such as +01:00 instead of Z, converted to UTC "
                  "(default 2026-01-01T12:00:00Z)");
    r->add_option("--freq", o->freq_, "Tuned frequency in kHz, for the night-time weakening (default 10000)")
        ->transform(Whole(10000, 30000));
    CLI::Option *seed = r->add_option("--seed", o->seed, "Seed of the random draws of --hand and --rto (default 1)")
        ->transform(Whole(0, 4294967295));
    r->add_option("--out", o->out, "Output WAV file")->required();
    r->add_option("--subtitles", o->subtitles, "Also write the text as WebVTT subtitles timed to the file, a cue per word");
    r->add_option("--max-bytes", o->max_bytes,
                  "Largest output file; a longer rendering stops after the last character that fits "
                  "(default and most: " + std::to_string(kMaxWavBytes) + ", the largest a WAV header states)")
        ->transform(Whole(1000, static_cast<int64_t>(kMaxWavBytes)));
    r->callback([o, seed]() {
        o->seed_given = seed->count() > 0;
        set_exit_code(run_render(*o));
    });
}

}  // namespace kestrel::cli
