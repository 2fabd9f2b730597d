// kestrel-cli render: one emission rendered exactly as a closed send-stack slot.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "cli/commands.h"
#include "cli/outputs.h"
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

struct RenderOptions {
    std::string text;
    int spd_ = 20, ton_ = 800, qsa_ = 3, rto_ = 0, spacing_ = 2, filter_ = 2, sampling_ = 4, freq_ = 10000;
    bool f1_ = false, bw_ = false, hand_ = false, spark_ = false, sz_ = false, kana_ = false, att_ = false;
    std::string at;
    unsigned seed = 1;
    std::string out, subtitles;
    uint64_t max_bytes = kMaxWavBytes;
};

// Mended: standard input is read only as far as a slot holds, so an endless
// stream (`yes |`) cannot fill the memory.
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
    return text;
}

// Puts everything a rendering depends on where a fresh run has it, with the
// slot closed: the measuring pass and the rendering start from the same state.
void set_up(const RenderOptions &o, const SYSTEMTIME &at, const std::string &body) {
    test_clock_set(at.wYear, at.wMonth, at.wDay, at.wHour, at.wMinute, at.wSecond, at.wMilliseconds);
    test_clock_step(7);  // every clock read moves 7 ms on, so repeated runs match exactly
    random_reset(o.seed);
    receiver_reset();
    synth_reset();
    freq = o.freq_;
    att = o.att_ ? 1 : 0;
    filter = o.filter_ == 1 ? 1 : 0;
    sampling = o.sampling_;
    send_stack_reset();
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

int run_render(const RenderOptions &o) {
    std::string text = o.text == "-" ? read_slot_from_stdin() : o.text;
    if (!o.at.empty()) {
        if (!test_clock_parse(o.at.c_str())) {
            std::fprintf(stderr, "kestrel-cli: --at must be YYYY-MM-DDTHH:MM:SSZ, got '%s'\n", o.at.c_str());
            return 2;
        }
    } else {
        test_clock_set(2026, 1, 1, 12, 0, 0, 0);
    }
    SYSTEMTIME at;
    test_clock_step(0);
    GetSystemTime(&at);
    std::string body = text.substr(0, std::min(text.size(), std::strlen(text.c_str())));
    if (body.size() > SLOT_SIZE - 1) body.resize(SLOT_SIZE - 1);

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
    work.expect("TOVA0.WAV");
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    fs::current_path(work.path(), ec);
    if (ec) {
        report_write_failure(dest, ec.message());
        return 1;
    }
    set_up(o, at, body);
    uint32_t ms = CreateWave(0, send_buf[0]);
    const std::string written_error = wave_write_error(0);
    fs::current_path(cwd, ec);
    const std::string produced = work.path() + "/TOVA0.WAV";
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
    r->add_option("--text", o->text, "Text to send; '-' reads the bytes from standard input")->required();
    r->add_option("--spd", o->spd_, "Speed in words per minute (default 20)")->check(CLI::Range(1, 10000));
    r->add_option("--ton", o->ton_, "Tone in Hz (default 800)")->check(CLI::Range(1, 100000));
    r->add_option("--qsa", o->qsa_, "Strength 0..5 (default 3)")->check(CLI::Range(0, 5));
    r->add_option("--rto", o->rto_, "Dash weighting: 0 none, 1..20 dashes of 4-4.5 dots, above 20 of 4-5 dots");
    r->add_flag("--f1", o->f1_, "Frequency-shift keying: spaces as a lower tone");
    r->add_flag("--bw", o->bw_, "Inverted keying: tone in the spaces");
    r->add_flag("--hand", o->hand_, "Hand keying irregularity");
    r->add_flag("--spark", o->spark_, "Spark transmitter");
    r->add_flag("--sz", o->sz_, "Cut zero: 0 sent as T");
    r->add_flag("--kana", o->kana_, "Kana alphabet for lower case and high codes");
    r->add_option("--spacing", o->spacing_, "Letter space in dots (default 2)")->check(CLI::Range(1, 3));
    r->add_flag("--att", o->att_, "Attenuator on");
    r->add_option("--filter", o->filter_, "Receiver filter: 2 = 2 kHz (default), 1 = 1 kHz")
        ->check(CLI::IsMember({1, 2}));
    r->add_option("--sampling", o->sampling_, "Sample-rate factor 3 or 4 (default 4)")->check(CLI::IsMember({3, 4}));
    r->add_option("--at", o->at, "UTC instant YYYY-MM-DDTHH:MM:SSZ (default 2026-01-01T12:00:00Z)");
    r->add_option("--freq", o->freq_, "Tuned frequency in kHz, for the night-time weakening (default 10000)")
        ->check(CLI::Range(10000, 30000));
    r->add_option("--seed", o->seed, "Seed of the random sources (default 1)");
    r->add_option("--out", o->out, "Output WAV file")->required();
    r->add_option("--subtitles", o->subtitles, "Also write the text as WebVTT subtitles timed to the file, a cue per word");
    r->add_option("--max-bytes", o->max_bytes,
                  "Largest output file; a longer rendering stops after the last character that fits "
                  "(default and most: " + std::to_string(kMaxWavBytes) + ", the largest a WAV header states)")
        ->check(CLI::Range(uint64_t(1000), kMaxWavBytes));
    r->callback([o]() { set_exit_code(run_render(*o)); });
}

}  // namespace kestrel::cli
