// kestrel-cli render: the same bytes as the receiver's own rendering, and
// one-line errors with a non-zero exit for bad options.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/morse_reader.h"
#include "support/wav_file.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

class Cli : public Kestrel {
protected:
    // Runs the tool with `args`; returns its exit status, output in out_/err_.
    int run(const std::string &args, const std::string &stdin_text = "") {
        std::string cmd = std::string(KESTREL_CLI_PATH) + " " + args + " >out.txt 2>err.txt";
        if (!stdin_text.empty()) {
            std::ofstream("in.txt", std::ios::binary) << stdin_text;
            cmd += " <in.txt";
        }
        int status = std::system(cmd.c_str());
        out_ = read_text("out.txt");
        err_ = read_text("err.txt");
        return WEXITSTATUS(status);
    }
    std::string out_, err_;
};

TEST_F(Cli, RenderMatchesTheReceiversOwnRendering) {
    ASSERT_EQ(run("render --text 'CQ DE KESTREL' --spd 18 --ton 700 --qsa 4 --spacing 3 --filter 1 --out cq.wav"), 0)
        << err_;
    // The same slot closed and rendered in-process.
    stn();
    send_stack_reset();
    spd = 18; ton = 700; qsa = 4; spacing = 3;
    filter = 1;
    std::strcpy(send_buf[0], "CQ DE KESTREL");
    save_cw_param(0);
    emission_nr = 0;
    load_cw_param();
    uint32_t ms = CreateWave(0, send_buf[0]);
    EXPECT_EQ(read_file("cq.wav"), read_file("TOVA0.WAV"));
    EXPECT_EQ(out_, std::to_string(ms) + "\n");
}

TEST_F(Cli, TextFromStandardInputKeepsItsBytes) {
    const std::string text = std::string("E") + "\x02\x20\x03" + "E";
    ASSERT_EQ(run("render --text - --out a.wav", text), 0) << err_;
    ASSERT_EQ(run("render --text E --out b.wav"), 0);
    EXPECT_GT(read_file("a.wav").size(), read_file("b.wav").size());
}

TEST_F(Cli, NightAboveTenMegahertzIsWeakerAndHandKeyingRepeatsWithTheSeed) {
    ASSERT_EQ(run("render --text T --qsa 3 --freq 20000 --at 2026-06-01T23:00:00Z --out night.wav"), 0) << err_;
    ASSERT_EQ(run("render --text T --qsa 3 --freq 20000 --at 2026-06-01T12:00:00Z --out day.wav"), 0);
    auto peak = [](const std::vector<uint8_t> &f) {
        int p = 0;
        for (size_t i = 48; i < f.size(); ++i) p = std::max(p, std::abs(int(f[i]) - 128));
        return p;
    };
    EXPECT_EQ(peak(read_file("night.wav")), 16);
    EXPECT_EQ(peak(read_file("day.wav")), 32);
    ASSERT_EQ(run("render --text PARIS --hand --seed 5 --out h1.wav"), 0);
    ASSERT_EQ(run("render --text PARIS --hand --seed 5 --out h2.wav"), 0);
    ASSERT_EQ(run("render --text PARIS --hand --seed 6 --out h3.wav"), 0);
    EXPECT_EQ(read_file("h1.wav"), read_file("h2.wav"));
    EXPECT_NE(read_file("h1.wav"), read_file("h3.wav"));
}

TEST_F(Cli, BadOptionsGiveOneLineAndFail) {
    const char *bad[] = {
        "render --text E --out x.wav --bogus",
        "render --text E --qsa 9 --out x.wav",
        "render --text E --filter 3 --out x.wav",
        "render --text E --at yesterday --out x.wav",
        "render --text E --out no-such-dir/x.wav",
        "render --out x.wav",
    };
    for (const char *args : bad) {
        EXPECT_NE(run(args), 0) << args;
        EXPECT_FALSE(err_.empty()) << args;
        EXPECT_EQ(std::count(err_.begin(), err_.end(), '\n'), 1) << args << ": " << err_;
    }
    EXPECT_EQ(run("render --help"), 0);
    for (const char *opt : {"--text", "--spd", "--ton", "--qsa", "--rto", "--f1", "--bw", "--hand", "--spark", "--sz",
                            "--kana", "--spacing", "--att", "--filter", "--sampling", "--at", "--freq", "--seed",
                            "--out"})
        EXPECT_NE(out_.find(opt), std::string::npos) << opt;
}

TEST_F(Cli, TuneShowsTheEmissionsAndRepeatsWithTheSeed) {
    ASSERT_EQ(run("tune 10512 --at 2026-03-10T12:00:00Z --seed 4 --out rx"), 0) << err_;
    const std::string first = out_;
    EXPECT_NE(first.find("channel 0  spd 23  ton 1400  qsa 4"), std::string::npos) << first;
    EXPECT_NE(first.find("VVV VVV VVV AQP2/4/5/6/7/8"), std::string::npos);
    EXPECT_NE(first.find("media: play channel 0 TOVA0.WAV"), std::string::npos);
    EXPECT_TRUE(file_exists("rx/TOVA0.WAV"));
    ASSERT_EQ(run("tune 10512 --at 2026-03-10T12:00:00Z --seed 4 --out rx"), 0);
    EXPECT_EQ(out_, first);
    // A dialog shows its parameter codes readably.
    EXPECT_EQ(run("tune 30000 --at 2026-03-10T12:00:00Z"), 0);
    EXPECT_NE(out_.find("nothing on the air"), std::string::npos);
    EXPECT_NE(run("tune 9999"), 0);
    EXPECT_NE(run("tune 10512 --hist maybe"), 0);
}

TEST_F(Cli, TuneMixesWhatWouldSound) {
    ASSERT_EQ(run("tune 10512 --at 2026-03-10T12:00:00Z --mix mix.wav --seconds 3"), 0) << err_;
    std::vector<uint8_t> mix = read_file("mix.wav");
    ASSERT_GT(mix.size(), 44u);
    EXPECT_EQ(std::string(mix.begin(), mix.begin() + 4), "RIFF");
    // Some of the three seconds is not silence: the beacon is keyed in it.
    size_t loud = 0;
    for (size_t i = 44; i + 1 < mix.size(); i += 2) {
        int16_t v = int16_t(mix[i] | (mix[i + 1] << 8));
        loud += std::abs(int(v)) > 1000;
    }
    EXPECT_GT(loud, 1000u);
}

// The mix with the band noise: the noise file's level wherever no signal is
// keyed, looping to the end, and the same Morse on top of it.
TEST_F(Cli, TuneMixHasTheBandNoiseBetweenSignalsAndTheSameMorse) {
    ASSERT_TRUE(std::filesystem::create_directory("fone"));
    const double level = 0.05;
    ASSERT_TRUE(write_sine_s16("fone/noise.wav", 22050, 1.3, 3000, level));
    const std::string at = "tune 10512 --at 2026-03-10T12:00:00Z --seconds 6 --mix ";
    ASSERT_EQ(run(at + "on.wav"), 0) << err_;  // on unless told otherwise, as the receiver starts
    ASSERT_EQ(run(at + "off.wav --qrn off"), 0) << err_;
    ASSERT_EQ(run(at + "on2.wav --qrn on"), 0) << err_;
    EXPECT_EQ(read_file("on.wav"), read_file("on2.wav"));
    WavData on = read_wav16("on.wav"), off = read_wav16("off.wav");
    ASSERT_TRUE(on.ok && off.ok);
    ASSERT_EQ(on.samples.size(), off.samples.size());
    ASSERT_EQ(on.samples.size(), 6u * 22050u);

    // Between the signals: silence without the noise, the noise's own level with it.
    const double noise_rms = level * 32767.0 / std::sqrt(2.0);
    const size_t window = 441;  // 20 ms
    int quiet = 0, quiet_in_last_second = 0, at_level = 0;
    for (size_t w = 0; w + window <= off.samples.size(); w += window) {
        bool silent = true;
        double sum = 0;
        for (size_t i = w; i < w + window; ++i) {
            silent = silent && off.samples[i] == 0;
            sum += double(on.samples[i]) * on.samples[i];
        }
        if (!silent) continue;
        ++quiet;
        if (w >= 5u * 22050u) ++quiet_in_last_second;
        const double rms = std::sqrt(sum / window);
        if (std::abs(rms - noise_rms) <= 0.08 * noise_rms) ++at_level;
        // Where the loop restarts (at the end of a 10 ms mixing block) a window
        // holds less of it, but the noise is never gone for a whole window.
        EXPECT_GT(rms, 0.5 * noise_rms) << "at sample " << w;
    }
    EXPECT_GT(quiet, 20);
    EXPECT_GE(at_level, quiet * 9 / 10) << quiet;
    EXPECT_GT(quiet_in_last_second, 0);  // the 1.3 s noise loops through the 6 s

    // The Morse, read above the noise, is the same in both.
    auto keyed = [](const std::vector<int16_t> &s) {
        std::vector<uint8_t> g;
        for (int16_t v : s) g.push_back(std::abs(int(v)) > 6000 ? 200 : 128);
        return g;
    };
    const std::vector<uint8_t> with = keyed(on.samples), without = keyed(off.samples);
    double dot = 1e9;
    for (const MorseRun &r : morse_runs(without, Keying::Tone))
        if (r.mark && r.len > 20 && r.len < dot) dot = r.len;
    const std::string heard = read_morse(without, options_for(Keying::Tone, dot));
    EXPECT_GE(heard.size(), 20u) << heard;
    EXPECT_EQ(read_morse(with, options_for(Keying::Tone, dot)), heard);

    // The clips follow the CLIP switch; a bad value is refused.
    EXPECT_NE(run(at + "x.wav --qrn maybe"), 0);
    EXPECT_NE(run(at + "x.wav --clips maybe"), 0);
}

TEST_F(Cli, TuneClipsFollowTheClipSwitch) {
    // 10801 kHz holds a clip with no guard, drawn one time in two, beside a
    // background recording that plays whatever the clip switch says.
    auto plays = [](const std::string &out) {
        std::vector<std::string> v;
        for (size_t at = out.find("play fone/"); at != std::string::npos; at = out.find("play fone/", at + 1))
            v.push_back(out.substr(at, out.find('\n', at) - at));
        return v;
    };
    int with_clip = 0;
    for (int seed = 1; seed <= 8; ++seed) {
        const std::string args = "tune 10801 --at 2026-03-10T12:00:00Z --seed " + std::to_string(seed);
        ASSERT_EQ(run(args), 0) << err_;
        auto on = plays(out_);
        ASSERT_EQ(run(args + " --clips off"), 0) << err_;
        auto off = plays(out_);
        // Switching clips off takes the clip away and nothing else.
        for (const auto &p : off) EXPECT_NE(std::find(on.begin(), on.end(), p), on.end()) << seed << out_;
        EXPECT_LE(off.size(), on.size());
        EXPECT_LE(on.size(), off.size() + 1);
        if (on.size() > off.size()) ++with_clip;
    }
    EXPECT_GT(with_clip, 0);
}

TEST_F(Cli, GuideListsWhatIsOnTheAir) {
    ASSERT_EQ(run("guide --at 2026-03-10T12:00:00Z --from 10510 --to 10514"), 0) << err_;
    // The beacon starts at a random point of its text.
    EXPECT_EQ(out_.rfind("10512 kHz  Morse 23 wpm: ", 0), 0u) << out_;
    EXPECT_NE(out_.find("VVV VVV VVV AQP2"), std::string::npos) << out_;
    EXPECT_EQ(out_.find("10511 kHz"), std::string::npos);
    ASSERT_EQ(run("guide --at 2026-03-10T12:00:00Z --from 10512 --to 10512 --json"), 0);
    EXPECT_EQ(out_.front(), '[');
    EXPECT_NE(out_.find("{\"khz\": 10512, \"heard\": [\"Morse 23 wpm: "), std::string::npos) << out_;
    EXPECT_NE(run("guide --from 20000 --to 10000"), 0);
    // The guide composes only: it leaves no channel files behind.
    EXPECT_FALSE(file_exists("TOVA0.WAV"));
}

}  // namespace
}  // namespace kestrel::test

namespace kestrel::test {
namespace {

TEST_F(Cli, ListShowsTheDatabasesToEveryUser) {
    ASSERT_EQ(run("list vessels"), 0) << err_;
    int lines = 0;
    for (size_t at = out_.find("\n "); at != std::string::npos; at = out_.find("\n ", at + 1)) ++lines;
    EXPECT_EQ(lines, 1 + 1857);  // the heading and one line per ship
    EXPECT_EQ(out_.find("Amateur Database"), std::string::npos);
    ASSERT_EQ(run("list navy"), 0);
    EXPECT_NE(out_.find(" TRK:        51\n"), std::string::npos);
    ASSERT_EQ(run("list"), 0);
    EXPECT_NE(out_.find("Background: 2754"), std::string::npos);
    EXPECT_NE(out_.find("Amateur Database"), std::string::npos);
    EXPECT_NE(run("list boats"), 0);
}

}  // namespace
}  // namespace kestrel::test
