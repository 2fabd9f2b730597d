// kestrel-cli render: one emission rendered exactly as a closed send-stack slot.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <string>

#include "cli/commands.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::cli {

namespace {
int g_exit = 0;

struct RenderOptions {
    std::string text;
    int spd_ = 20, ton_ = 800, qsa_ = 3, rto_ = 0, spacing_ = 2, filter_ = 2, sampling_ = 4, freq_ = 10000;
    bool f1_ = false, bw_ = false, hand_ = false, spark_ = false, sz_ = false, kana_ = false, att_ = false;
    std::string at;
    unsigned seed = 1;
    std::string out;
};

int run_render(const RenderOptions &o) {
    std::string text = o.text;
    if (text == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    }
    if (!o.at.empty()) {
        if (!test_clock_parse(o.at.c_str())) {
            std::fprintf(stderr, "kestrel-cli: --at must be YYYY-MM-DDTHH:MM:SSZ, got '%s'\n", o.at.c_str());
            return 2;
        }
    } else {
        test_clock_set(2026, 1, 1, 12, 0, 0, 0);
    }
    test_clock_step(7);  // every clock read moves 7 ms on, so repeated runs match exactly
    random_reset(o.seed);
    receiver_reset();
    freq = o.freq_;
    att = o.att_ ? 1 : 0;
    filter = o.filter_ == 1 ? 1 : 0;
    sampling = o.sampling_;

    // The output goes where the caller asked; the renderer writes its channel file in a work folder.
    namespace fs = std::filesystem;
    const std::string work = make_temp_dir("kestrel-render");
    if (work.empty()) {
        std::fprintf(stderr, "kestrel-cli: cannot make a work folder: %s\n", std::strerror(errno));
        return 1;
    }
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);

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
    send_buf[0][0] = 0;
    std::string body = text;
    if (body.size() > SLOT_SIZE - 1) body.resize(SLOT_SIZE - 1);
    std::strcpy(send_buf[0], body.c_str());
    save_cw_param(0);
    send_call = 1;
    emission_nr = 0;
    load_cw_param();

    fs::current_path(work, ec);
    if (ec) return 1;
    uint32_t ms = CreateWave(0, send_buf[0]);
    int rc = 0;
    std::string produced = std::string(work) + "/TOVA0.WAV";
    fs::current_path(cwd, ec);
    if (ec) rc = 1;
    std::string dest = o.out;
    if (rc == 0) {
        FILE *in = std::fopen(produced.c_str(), "rb");
        FILE *out = std::fopen(dest.c_str(), "wb");
        if (!in || !out) {
            std::fprintf(stderr, "kestrel-cli: cannot write '%s': %s\n", dest.c_str(),
                         std::strerror(out ? EIO : errno));
            rc = 1;
        } else {
            char buf[1 << 16];
            size_t n;
            while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) {
                if (std::fwrite(buf, 1, n, out) != n) {
                    std::fprintf(stderr, "kestrel-cli: cannot write '%s'\n", dest.c_str());
                    rc = 1;
                    break;
                }
            }
        }
        if (in) std::fclose(in);
        if (out && std::fclose(out) != 0 && rc == 0) {
            std::fprintf(stderr, "kestrel-cli: cannot write '%s'\n", dest.c_str());
            rc = 1;
        }
    }
    std::remove(produced.c_str());
    fs::remove_all(work, ec);
    if (rc == 0) std::printf("%u\n", ms);
    return rc;
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
    r->callback([o]() { set_exit_code(run_render(*o)); });
}

}  // namespace kestrel::cli
