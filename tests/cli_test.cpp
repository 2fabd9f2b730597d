// kestrel-cli render: the same bytes as the receiver's own rendering, and
// one-line errors with a non-zero exit for bad options.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

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
    int run(const std::string &args, const std::string &stdin_text = "") { return run_as("", args, stdin_text); }
    // The same under a file size limit of `blocks` (of the shell's ulimit):
    // every write past it fails as on a full disk (EFBIG), without root.
    int run_limited(int blocks, const std::string &args) {
        return run_as("trap '' XFSZ; ulimit -f " + std::to_string(blocks) + "; exec ", args, "");
    }
    int run_as(const std::string &prefix, const std::string &args, const std::string &stdin_text) {
        std::string cmd = prefix + std::string(KESTREL_CLI_PATH) + " " + args + " >out.txt 2>err.txt";
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

// Names in a folder that start with `prefix`.
std::vector<std::string> names_in(const std::string &dir, const std::string &prefix) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto &e : std::filesystem::directory_iterator(dir, ec)) {
        const std::string n = e.path().filename().string();
        if (n.rfind(prefix, 0) == 0) out.push_back(n);
    }
    return out;
}

uint32_t le32_at(const std::vector<uint8_t> &f, size_t at) {
    return uint32_t(f[at]) | uint32_t(f[at + 1]) << 8 | uint32_t(f[at + 2]) << 16 | uint32_t(f[at + 3]) << 24;
}

size_t lines_of(const std::string &s) { return size_t(std::count(s.begin(), s.end(), '\n')); }

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

// --sound receiver: the same chain as the receiver's, the same mix for the
// same seed; the described sound stays the default, byte for byte, and the
// channel files and the report do not change with the sound.
TEST_F(Cli, TuneMixWithTheReceiverSound) {
    const std::string at = "tune 10512 --at 2026-03-10T12:00:00Z --seconds 3 --seed 5 --out rx";
    ASSERT_EQ(run(at + " --mix plain.wav"), 0) << err_;
    const std::string report = out_;
    const std::vector<uint8_t> channel = read_file("rx/TOVA0.WAV");
    ASSERT_EQ(run(at + " --mix described.wav --sound described"), 0) << err_;
    EXPECT_EQ(read_file("described.wav"), read_file("plain.wav"));
    ASSERT_EQ(run(at + " --mix rx1.wav --sound receiver"), 0) << err_;
    EXPECT_EQ(out_, report);
    EXPECT_EQ(read_file("rx/TOVA0.WAV"), channel);
    ASSERT_EQ(run(at + " --mix rx2.wav --sound receiver"), 0) << err_;
    EXPECT_EQ(read_file("rx1.wav"), read_file("rx2.wav"));
    EXPECT_NE(read_file("rx1.wav"), read_file("plain.wav"));
    ASSERT_EQ(run("tune 10512 --at 2026-03-10T12:00:00Z --seconds 3 --seed 6 --mix rx3.wav --sound receiver"), 0);
    EXPECT_NE(read_file("rx3.wav"), read_file("rx1.wav"));
    ASSERT_EQ(run(at + " --mix steady.wav --sound receiver-nofading --effects filter,agc"), 0) << err_;
    EXPECT_NE(read_file("steady.wav"), read_file("rx1.wav"));
    EXPECT_EQ(run(at + " --mix x.wav --sound receiver --effects filter,qsb"), 2);
    EXPECT_NE(err_.find("unknown effect 'qsb'"), std::string::npos) << err_;
    EXPECT_NE(run(at + " --mix x.wav --sound radio"), 0);
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
    // The first line says how to make the guide again; the beacon starts at a random point of its text.
    EXPECT_EQ(out_.rfind("guide 10510..10514 kHz  2026-03-10T12:00:00Z  seed 1  hist on  bkgnd on  clips on\n"
                         "10512 kHz  Morse 23 wpm: ", 0), 0u) << out_;
    EXPECT_NE(out_.find("VVV VVV VVV AQP2"), std::string::npos) << out_;
    EXPECT_EQ(out_.find("10511 kHz"), std::string::npos);
    ASSERT_EQ(run("guide --at 2026-03-10T12:00:00Z --from 10512 --to 10512 --json"), 0);
    EXPECT_EQ(out_.rfind("{\"at\": \"2026-03-10T12:00:00Z\", \"seed\": 1, ", 0), 0u) << out_;
    EXPECT_NE(out_.find("{\"khz\": 10512, \"kind\": \"morse\", \"channel\": 0, \"wpm\": 23, \"tone\": 1400, "
                        "\"strength\": 4, \"keying\": {\"rto\": 0, \"f1\": false,"), std::string::npos) << out_;
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

namespace kestrel::test {
namespace {

TEST_F(Cli, RenderOnAFullDiskLeavesWhatWasThereAndSaysWhy) {
    std::ofstream("keep.wav") << "the render before";
    // A file size limit fails the writes the way a full disk does.
    EXPECT_EQ(run_limited(20, "render --text 'PARIS PARIS PARIS PARIS' --spd 5 --out keep.wav"), 1);
    EXPECT_EQ(read_text("keep.wav"), "the render before");
    EXPECT_EQ(lines_of(err_), 1u) << err_;
    EXPECT_NE(err_.find("cannot write 'keep.wav': File too large"), std::string::npos) << err_;
    EXPECT_EQ(out_, "");  // no playing time for a file that is not there
    EXPECT_TRUE(names_in(".", ".kestrel").empty());
    // Where no folder can be written, the reason is given too.
    EXPECT_EQ(run("render --text E --out /proc/self/e.wav"), 1);
    EXPECT_EQ(lines_of(err_), 1u) << err_;
    EXPECT_NE(err_.find("cannot write '/proc/self/e.wav': "), std::string::npos) << err_;
    EXPECT_EQ(run("render --text E --out no-such-dir/e.wav"), 1);
    EXPECT_NE(err_.find("No such file or directory"), std::string::npos) << err_;
    // A render whose temporary folder is unusable works all the same: it works beside its output.
    EXPECT_EQ(run_as("TMPDIR=/proc/self ", "render --text E --out e.wav", ""), 0) << err_;
    EXPECT_EQ(read_file("e.wav").size(), 2352u);  // "E" at the defaults
}

TEST_F(Cli, RenderReadsStandardInputOnlyAsFarAsASlotHolds) {
    // 9999 characters fill a slot; what follows stays in the stream for the next reader.
    std::ofstream("long.txt") << std::string(9999, 'E') << "TAIL";
    std::string cmd = std::string("( ") + KESTREL_CLI_PATH + " render --text - --out long.wav; cat ) <long.txt >out.txt";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const std::string out = read_text("out.txt");
    EXPECT_EQ(out.substr(out.find('\n') + 1), "TAIL");
    // An endless stream ends the reading, not the machine's memory.
    cmd = std::string("yes | timeout 120 ") + KESTREL_CLI_PATH + " render --text - --spd 60 --out yes.wav >out.txt";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_GT(read_file("yes.wav").size(), 48u);
}

TEST_F(Cli, RenderOfNothingIsStillAWav) {
    // The attenuator silences strength 0: the receiver plays nothing, the user gets a WAV of silence.
    ASSERT_EQ(run("render --text E --att --qsa 0 --out quiet.wav"), 0) << err_;
    EXPECT_EQ(out_, "0\n");
    const std::vector<uint8_t> f = read_file("quiet.wav");
    ASSERT_EQ(f.size(), 48u);
    EXPECT_EQ(std::string(f.begin(), f.begin() + 4), "RIFF");
    EXPECT_EQ(le32_at(f, 4), 40u);
    EXPECT_EQ(le32_at(f, 24), 6400u);  // the rate the emission would have had
    EXPECT_EQ(le32_at(f, 40), 4u);
    EXPECT_EQ(f[44], 0x80);
}

TEST_F(Cli, RenderStopsWhereItsHeaderCanStillStateItsLength) {
    ASSERT_EQ(run("render --text 'PARIS PARIS PARIS' --out whole.wav"), 0) << err_;
    EXPECT_EQ(err_, "");
    ASSERT_EQ(run("render --text 'PARIS PARIS PARIS' --max-bytes 20000 --out cut.wav"), 0) << err_;
    const std::vector<uint8_t> whole = read_file("whole.wav"), cut = read_file("cut.wav");
    ASSERT_LE(cut.size(), 20000u);
    ASSERT_GT(cut.size(), 10000u);  // "PARIS " fits, the next word does not
    EXPECT_EQ(le32_at(cut, 4), cut.size() - 8);
    EXPECT_EQ(le32_at(cut, 40), cut.size() - 44);
    EXPECT_EQ(out_, std::to_string(uint64_t(le32_at(cut, 40)) * 1000 / le32_at(cut, 28)) + "\n");
    // The samples are the first of the whole rendering: it stopped, nothing else changed.
    EXPECT_TRUE(std::equal(cut.begin() + 48, cut.end(), whole.begin() + 48));
    EXPECT_EQ(lines_of(err_), 1u) << err_;
    EXPECT_NE(err_.find("stops after character 6 of 17"), std::string::npos) << err_;
    EXPECT_NE(run("render --text E --max-bytes 100 --out tiny.wav"), 0);
}

TEST_F(Cli, TuneOnAFullDiskKeepsTheOldFilesAndSaysWhy) {
    std::filesystem::create_directory("tmp");
    const std::string tmp = "export TMPDIR=" + std::filesystem::absolute("tmp").string() + "; ";
    // The mix fails; its old file stays and no work folder is left behind.
    std::ofstream("mix.wav") << "the mix before";
    EXPECT_EQ(run_as(tmp + "trap '' XFSZ; ulimit -f 10000; exec ",
                     "tune 10512 --at 2026-03-10T12:00:00Z --mix mix.wav --seconds 600", ""),
              1);
    EXPECT_EQ(read_text("mix.wav"), "the mix before");
    EXPECT_EQ(lines_of(err_), 1u) << err_;
    EXPECT_NE(err_.find("cannot write 'mix.wav': File too large"), std::string::npos) << err_;
    EXPECT_TRUE(names_in("tmp", "").empty());
    EXPECT_TRUE(names_in(".", ".mix").empty());
    // A channel file that cannot be written whole: the one there before stays.
    std::filesystem::create_directory("rx");
    std::ofstream("rx/TOVA0.WAV") << "the channel before";
    EXPECT_EQ(run_limited(100, "tune 10512 --at 2026-03-10T12:00:00Z --out rx"), 1);
    EXPECT_EQ(read_text("rx/TOVA0.WAV"), "the channel before");
    EXPECT_EQ(lines_of(err_), 1u) << err_;
    EXPECT_NE(err_.find("cannot write 'rx/TOVA0.WAV': File too large"), std::string::npos) << err_;
    EXPECT_EQ(names_in("rx", ""), std::vector<std::string>{"TOVA0.WAV"});
    // Without --out the channel files live in the work folder, which goes too.
    EXPECT_EQ(run_as(tmp + "trap '' XFSZ; ulimit -f 100; exec ", "tune 10512 --at 2026-03-10T12:00:00Z", ""), 1);
    EXPECT_NE(err_.find("TOVA0.WAV': File too large"), std::string::npos) << err_;
    EXPECT_TRUE(names_in("tmp", "").empty());
    // With room, the same tune writes everything.
    ASSERT_EQ(run_as(tmp, "tune 10512 --at 2026-03-10T12:00:00Z --out rx --mix mix.wav --seconds 2", ""), 0) << err_;
    EXPECT_GT(read_file("rx/TOVA0.WAV").size(), 1000000u);
    EXPECT_GT(read_file("mix.wav").size(), 88000u);
    EXPECT_TRUE(names_in("tmp", "").empty());
}

TEST_F(Cli, TuneIntoAFolderItCannotWriteSaysWhichAndWhy) {
    EXPECT_EQ(run("tune 10512 --at 2026-03-10T12:00:00Z --out /proc/self"), 1);
    EXPECT_EQ(lines_of(err_), 1u) << err_;
    EXPECT_NE(err_.find("cannot use output folder '/proc/self': "), std::string::npos) << err_;
    EXPECT_EQ(out_, "");  // no channel reported at "0 ms" as if it had been heard
    std::ofstream("file") << "x";
    EXPECT_EQ(run("tune 10512 --at 2026-03-10T12:00:00Z --out file/rx"), 1);
    EXPECT_NE(err_.find("cannot use output folder 'file/rx': "), std::string::npos) << err_;
    // An unusable temporary folder is named, with the reason.
    EXPECT_EQ(run_as("TMPDIR=/proc/self ", "tune 10512 --at 2026-03-10T12:00:00Z", ""), 1);
    EXPECT_EQ(lines_of(err_), 1u) << err_;
    EXPECT_NE(err_.find("cannot make a work folder in '/proc/self': "), std::string::npos) << err_;
    EXPECT_EQ(run_as("TMPDIR=/proc/self ", "guide --at 2026-03-10T12:00:00Z --from 10512 --to 10512", ""), 1);
    EXPECT_NE(err_.find("cannot make a work folder in '/proc/self': "), std::string::npos) << err_;
}

TEST_F(Cli, TuneMarksRecordingsItCannotPlayAndKeepsTheDecoderQuiet) {
    // A damaged MPEG file where the voice recording belongs: an ID3 tag, then
    // noise with frame marks sprinkled through it.
    std::filesystem::create_directory("fone");
    std::vector<uint8_t> junk = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 10};
    junk.resize(20);
    uint32_t x = 12345;
    for (int i = 0; i < 20000; ++i) {
        x = x * 1103515245u + 12345u;
        junk.push_back(uint8_t(x >> 16));
    }
    for (size_t i = 20; i + 1 < junk.size(); i += 417) junk[i] = 0xFF, junk[i + 1] = 0xFB;
    std::ofstream("fone/ssb-002.wav", std::ios::binary).write(reinterpret_cast<const char *>(junk.data()), junk.size());
    ASSERT_EQ(run("tune 10006 --at 2026-01-01T12:00:00Z --mix m.wav --seconds 2"), 0) << err_;
    // Nothing from the decoder; only the noise that this folder lacks is told.
    EXPECT_EQ(err_, "kestrel-cli: the band noise fone/noise.wav is not in the mix: missing\n");
    EXPECT_NE(out_.find("media: play fone/ssb-002.wav  (not played: not a sound file)"), std::string::npos) << out_;
    ASSERT_EQ(run("guide --at 2026-01-01T12:00:00Z --from 10006 --to 10006"), 0) << err_;
    EXPECT_EQ(out_.substr(out_.find('\n') + 1), "10006 kHz  play fone/ssb-002.wav (not played)\n");
    EXPECT_EQ(err_, "");
    // A missing recording is marked as well, and told apart; a playable one is not marked.
    std::filesystem::remove("fone/ssb-002.wav");
    ASSERT_EQ(run("tune 10006 --at 2026-01-01T12:00:00Z"), 0) << err_;
    EXPECT_NE(out_.find("media: play fone/ssb-002.wav  (not played: missing)"), std::string::npos) << out_;
    std::vector<uint8_t> tone = wav_header(8000, 16, 1, 16000);
    for (int i = 0; i < 8000; ++i) put_le(tone, uint32_t(int16_t(8000 * std::sin(i * 0.3))) & 0xFFFF, 2);
    std::ofstream("fone/ssb-002.wav", std::ios::binary).write(reinterpret_cast<const char *>(tone.data()), tone.size());
    ASSERT_EQ(run("tune 10006 --at 2026-01-01T12:00:00Z"), 0) << err_;
    EXPECT_NE(out_.find("media: play fone/ssb-002.wav\n"), std::string::npos) << out_;
    ASSERT_EQ(run("guide --at 2026-01-01T12:00:00Z --from 10006 --to 10006"), 0) << err_;
    EXPECT_EQ(out_.substr(out_.find('\n') + 1), "10006 kHz  play fone/ssb-002.wav\n");
}

TEST_F(Cli, AnInterruptedTuneLeavesNoWorkFolderAndNoPartOfItsMix) {
    std::filesystem::create_directory("tmp");
    std::ofstream("long.wav") << "the mix before";
    // An hour of mix takes long enough to be interrupted in the middle of it.
    const std::string cmd = "export TMPDIR=" + std::filesystem::absolute("tmp").string() + "; " + KESTREL_CLI_PATH +
                            " tune 10512 --at 2026-03-10T12:00:00Z --mix long.wav --seconds 3600 >/dev/null 2>&1 &"
                            " pid=$!; i=0; while [ -z \"$(ls -A tmp)\" ] && [ $i -lt 400 ]; do sleep 0.05; i=$((i+1)); done;"
                            " sleep 0.3; kill -TERM $pid; wait $pid; echo $? >status.txt";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_EQ(read_text("status.txt"), "143\n");  // ended by the signal, not finished
    EXPECT_TRUE(names_in("tmp", "").empty());
    EXPECT_TRUE(names_in(".", ".long").empty());
    EXPECT_EQ(read_text("long.wav"), "the mix before");
}

// What the guide lists for a frequency, rebuilt from what tune shows there:
// "Morse N wpm" per sounding channel, then every media command but the channels'.
std::vector<std::string> heard_in_tune(const std::string &out) {
    std::vector<std::string> heard;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("channel ", 0) == 0 && line.find("(silent)") == std::string::npos) {
            const size_t at = line.find("spd ");
            heard.push_back("Morse " + line.substr(at + 4, line.find(' ', at + 4) - at - 4) + " wpm");
        } else if (line.rfind("media: ", 0) == 0 && line.rfind("media: play channel ", 0) != 0) {
            std::string c = line.substr(7, line.find("  (not played") - 7);
            heard.push_back(c.rfind("loop ", 0) == 0 ? "carrier" : c);
        }
    }
    return heard;
}
std::map<int, std::vector<std::string>> heard_in_guide(const std::string &out) {
    std::map<int, std::vector<std::string>> m;
    std::istringstream in(out);
    std::string line;
    std::getline(in, line);  // what the guide was made from
    while (std::getline(in, line)) {
        const int khz = std::atoi(line.c_str());
        std::string rest = line.substr(line.find("kHz  ") + 5);
        for (size_t from = 0;;) {
            const size_t bar = rest.find(" | ", from);
            std::string item = rest.substr(from, bar == std::string::npos ? std::string::npos : bar - from);
            if (item.rfind("Morse ", 0) == 0) item = item.substr(0, item.find(':'));
            if (item.size() > 13 && item.compare(item.size() - 13, 13, " (not played)") == 0) item.resize(item.size() - 13);
            m[khz].push_back(item);
            if (bar == std::string::npos) break;
            from = bar + 3;
        }
    }
    return m;
}

TEST_F(Cli, GuideListsExactlyWhatTuneWouldPlay) {
    // 10006 and 10009 at this instant: the guide used to see the clock of the
    // whole sweep, and listed a clip there that tune does not play.
    // With the clips switched off, the guide lists what tune plays without them.
    const std::pair<const char *, const char *> runs[] = {
        {"2026-01-01T12:00:00Z", ""}, {"2026-06-17T20:12:36Z", ""}, {"2026-01-01T12:00:00Z", " --clips off"}};
    for (const auto &[at, clips] : runs) {
        ASSERT_EQ(run(std::string("guide --at ") + at + " --from 10000 --to 10030 --seed 3" + clips), 0) << err_;
        const auto guide = heard_in_guide(out_);
        EXPECT_FALSE(guide.empty());
        for (int f = 10000; f <= 10030; ++f) {
            ASSERT_EQ(run("tune " + std::to_string(f) + " --at " + at + " --seed 3" + clips), 0) << err_;
            const auto it = guide.find(f);
            EXPECT_EQ(heard_in_tune(out_), it == guide.end() ? std::vector<std::string>{} : it->second)
                << f << " kHz at " << at << clips;
        }
    }
}


// Bad input, kind by kind: each bad value with the one line it must give and
// the exit status 2, and nothing on standard output.
struct Refusal {
    const char *args;
    const char *message;  // the whole of standard error
};

TEST_F(Cli, EveryCommandRefusesABadInstantSayingWhatIsWrong) {
    const Refusal table[] = {
        {"tune 10139 --at 2026-12-09T08:00+05:00",
         "kestrel-cli: --at '2026-12-09T08:00+05:00': not YYYY-MM-DDTHH:MM:SSZ: ':' and two-digit seconds expected "
         "after '2026-12-09T08:00', found '+05:00' instead\n"},
        {"tune 10139 --at '2026-12-09T08:00 PM'",
         "kestrel-cli: --at '2026-12-09T08:00 PM': not YYYY-MM-DDTHH:MM:SSZ: ':' and two-digit seconds expected "
         "after '2026-12-09T08:00', found ' PM' instead\n"},
        {"tune 10139 --at 2026-12-09T08:00:00garbage",
         "kestrel-cli: --at '2026-12-09T08:00:00garbage': not YYYY-MM-DDTHH:MM:SSZ: Z (for UTC) or an offset such "
         "as +01:00 expected after '2026-12-09T08:00:00', found 'garbage' instead\n"},
        {"tune 10139 --at 2026-12-09T08:00:00",
         "kestrel-cli: --at '2026-12-09T08:00:00': not YYYY-MM-DDTHH:MM:SSZ: Z (for UTC) or an offset such as "
         "+01:00 expected after '2026-12-09T08:00:00', found nothing\n"},
        {"tune 10139 --at 2026-12-09T08:00:00Zjunk",
         "kestrel-cli: --at '2026-12-09T08:00:00Zjunk': not YYYY-MM-DDTHH:MM:SSZ: 'junk' after the end of the "
         "instant '2026-12-09T08:00:00Z'\n"},
        {"guide --at 2026-02-29T00:00:00Z",
         "kestrel-cli: --at '2026-02-29T00:00:00Z': no such date: 2026-02-29 (February 2026 has 28 days)\n"},
        {"guide --at 2026-13-01T00:00:00Z", "kestrel-cli: --at '2026-13-01T00:00:00Z': no such date: month 13\n"},
        {"render --text E --out x.wav --at 2026-12-09T24:00:00Z",
         "kestrel-cli: --at '2026-12-09T24:00:00Z': no such time: 24:00:00\n"},
        {"render --text E --out x.wav --at 1600-12-31T23:59:59Z",
         "kestrel-cli: --at '1600-12-31T23:59:59Z': before 1601: the clock starts at 1601-01-01T00:00:00Z\n"},
        {"render --text E --out x.wav --at yesterday",
         "kestrel-cli: --at 'yesterday': not YYYY-MM-DDTHH:MM:SSZ: a four-digit year expected at the start, found "
         "'yesterday' instead\n"},
    };
    for (const Refusal &r : table) {
        EXPECT_EQ(run(r.args), 2) << r.args;
        EXPECT_EQ(err_, r.message) << r.args;
        EXPECT_EQ(out_, "") << r.args;
    }
    // An offset is honoured: the output shows the instant in UTC, and the same reception as Z gives.
    ASSERT_EQ(run("tune 10512 --at 2026-03-10T17:30:00+05:30"), 0) << err_;
    const std::string offset = out_;
    ASSERT_EQ(run("tune 10512 --at 2026-03-10t12:00:00z"), 0) << err_;
    EXPECT_EQ(offset.substr(0, offset.find('\n')), "10512 kHz  2026-03-10T12:00:00Z  seed 1");
    EXPECT_EQ(out_, offset);
    // Without --at the instant used is printed, and given back it repeats the run.
    ASSERT_EQ(run("tune 10512"), 0) << err_;
    const std::string now = out_.substr(11, out_.find("  seed") - 11);
    ASSERT_EQ(now.size(), 20u) << out_;
    const std::string first = out_;
    ASSERT_EQ(run("tune 10512 --at " + now), 0) << err_;
    EXPECT_EQ(out_, first);
}

TEST_F(Cli, WholeNumbersAreDecimalAndInTheirRange) {
    const Refusal table[] = {
        {"tune 031064", "kestrel-cli: KHZ: '031064' is out of range 10000..30000\n"},
        {"tune 0x2710", "kestrel-cli: KHZ: '0x2710' is not a whole number\n"},
        {"tune 12345.5", "kestrel-cli: KHZ: '12345.5' is not a whole number\n"},
        {"tune abc", "kestrel-cli: KHZ: 'abc' is not a whole number\n"},
        {"tune 9999", "kestrel-cli: KHZ: '9999' is out of range 10000..30000\n"},
        {"tune 1e4", "kestrel-cli: KHZ: '1e4' is not a whole number\n"},
        {"tune 10000 --seconds 0 --mix m.wav", "kestrel-cli: --seconds: '0' is out of range 1..3600\n"},
        {"tune 10000 --seed -1", "kestrel-cli: --seed: '-1' is out of range 0..4294967295\n"},
        {"tune 10000 --seed 99999999999999999999", "kestrel-cli: --seed: '99999999999999999999' is out of range "
                                                   "0..4294967295\n"},
        {"tune 10000 --filter 3", "kestrel-cli: --filter: '3' is out of range 1..2\n"},
        {"guide --from 10000.0", "kestrel-cli: --from: '10000.0' is not a whole number\n"},
        {"render --text E --out x.wav --spd 0", "kestrel-cli: --spd: '0' is out of range 1..600\n"},
        {"render --text E --out x.wav --ton 100000", "kestrel-cli: --ton: '100000' is out of range 1..4000\n"},
        {"render --text E --out x.wav --qsa ' 3'", "kestrel-cli: --qsa: ' 3' is not a whole number\n"},
        {"render --text E --out x.wav --sampling 2", "kestrel-cli: --sampling: '2' is out of range 3..4\n"},
        {"render --text E --out x.wav --max-bytes 0x100000", "kestrel-cli: --max-bytes: '0x100000' is not a whole "
                                                              "number\n"},
    };
    for (const Refusal &r : table) {
        EXPECT_EQ(run(r.args), 2) << r.args;
        EXPECT_EQ(err_, r.message) << r.args;
    }
    // Leading zeros are decimal: 012345 is twelve thousand three hundred and forty-five.
    ASSERT_EQ(run("tune 012345 --at 2026-03-10T12:00:00Z"), 0) << err_;
    EXPECT_EQ(out_.rfind("12345 kHz  ", 0), 0u) << out_;
    ASSERT_EQ(run("render --text PARIS --spd 018 --out a.wav"), 0) << err_;
    ASSERT_EQ(run("render --text PARIS --spd 18 --out b.wav"), 0) << err_;
    EXPECT_EQ(read_file("a.wav"), read_file("b.wav"));
}

TEST_F(Cli, CommandsAreNamedOrRefusedWithTheList) {
    const std::string list = "the commands are render, tune, guide, list, census, help\n";
    const Refusal table[] = {
        {"bogus", "kestrel-cli: unknown command 'bogus'; "},
        {"tun 10000", "kestrel-cli: unknown command 'tun' (did you mean 'tune'?); "},
        {"TUNE 10000", "kestrel-cli: unknown command 'TUNE' (did you mean 'tune'?); "},
        {"rendr --text E", "kestrel-cli: unknown command 'rendr' (did you mean 'render'?); "},
        {"help bogus", "kestrel-cli: unknown command 'bogus'; "},
        {"", "kestrel-cli: a command is required: render, tune, guide, list, census, help (kestrel-cli help tells "
             "more)\n"},
        {"--at X tune 10000", "kestrel-cli: '--at' before the command: options follow their command, as in "
                              "kestrel-cli tune 10000 --at ...\n"},
    };
    for (const Refusal &r : table) {
        EXPECT_EQ(run(r.args), 2) << r.args;
        const std::string want = r.message[std::strlen(r.message) - 1] == '\n' ? r.message : r.message + list;
        EXPECT_EQ(err_, want) << r.args;
    }
    ASSERT_EQ(run("--version"), 0);
    EXPECT_EQ(out_, "kestrel-cli 4.29\n");
    ASSERT_EQ(run("help"), 0) << err_;
    for (const char *command : {"render", "tune", "guide", "list", "census", "help"})
        EXPECT_NE(out_.find("\n  " + std::string(command) + " "), std::string::npos) << command << out_;
    ASSERT_EQ(run("help tune"), 0) << err_;
    const std::string help_tune = out_;
    ASSERT_EQ(run("tune --help"), 0);
    EXPECT_EQ(help_tune, out_);
    EXPECT_NE(help_tune.find("--clips"), std::string::npos);
}

TEST_F(Cli, OptionsThatChangeNothingOrAreClampedAreTold) {
    struct Told {
        const char *args;
        int status;
        const char *message;  // the whole of standard error
    };
    const Told table[] = {
        {"render --text E --out x.wav --spd 256", 0,
         "kestrel-cli: --spd 256 keys at 320 wpm: a dot of 3 tone cycles, which every speed 201..300 gives at "
         "--ton 800 with the 2 kHz filter at --sampling 4\n"},
        {"render --text E --out x.wav --spd 600 --ton 250", 2,
         "kestrel-cli: --spd 600 keys nothing at --ton 250 with the 2 kHz filter at --sampling 4: a dot would be "
         "shorter than one tone cycle; the fastest speed that keys is 300\n"},
        {"render --text E --out x.wav --ton 3000", 0,
         "kestrel-cli: --ton 3000 is keyed as 2000: with the 2 kHz filter at --sampling 4 the tone is held to "
         "250..2000\n"},
        {"render --text E --out x.wav --ton 400 --filter 1", 0,
         "kestrel-cli: --ton 400 is keyed as 500: with the 1 kHz filter at --sampling 4 the tone is held to "
         "500..2000\n"},
        {"render --text E --out x.wav --seed 7", 0,
         "kestrel-cli: --seed has no effect without --hand or --rto: nothing else in a render is drawn at random\n"},
        {"render --text E --out x.wav --att --qsa 0", 0,
         "kestrel-cli: the attenuator takes away strength 0: 'x.wav' holds silence only\n"},
        {"tune 10512 --at 2026-03-10T12:00:00Z --seconds 10", 0, "kestrel-cli: --seconds has no effect without --mix\n"},
        {"tune 10512 --at 2026-03-10T12:00:00Z --qrn off", 0, "kestrel-cli: --qrn has no effect without --mix\n"},
        {"tune 10512 --at 2026-03-10T12:00:00Z --sound receiver", 0, "kestrel-cli: --sound has no effect without --mix\n"},
        {"tune 10512 --at 2026-03-10T12:00:00Z --mix m.wav --seconds 1 --qrn off --effects agc", 0,
         "kestrel-cli: --effects has no effect without --mix and --sound receiver or receiver-nofading\n"},
        {"guide --at 2026-03-10T12:00:00Z --from 10512 --to 10512 --bkgnd off --clips off", 0,
         "kestrel-cli: --clips has no effect with --bkgnd off: clips sound only with the background\n"},
        {"guide --from 20000 --to 10000", 2, "kestrel-cli: --from 20000 is above --to 10000\n"},
    };
    for (const Told &t : table) {
        EXPECT_EQ(run(t.args), t.status) << t.args;
        EXPECT_EQ(err_, t.message) << t.args;
    }
    // The clamps told are the ones that apply: 256 wpm sounds as 300 does, 3000 Hz as 2000.
    ASSERT_EQ(run("render --text PARIS --spd 256 --out a.wav"), 0);
    ASSERT_EQ(run("render --text PARIS --spd 300 --out b.wav"), 0);
    EXPECT_EQ(read_file("a.wav"), read_file("b.wav"));
    ASSERT_EQ(run("render --text PARIS --spd 301 --out c.wav"), 0);
    EXPECT_NE(read_file("a.wav"), read_file("c.wav"));
    ASSERT_EQ(run("render --text PARIS --ton 3000 --out a.wav"), 0);
    ASSERT_EQ(run("render --text PARIS --ton 2000 --out b.wav"), 0);
    EXPECT_EQ(read_file("a.wav"), read_file("b.wav"));
    // Plain defaults say nothing.
    ASSERT_EQ(run("render --text PARIS --out a.wav"), 0);
    EXPECT_EQ(err_, "");
    // Input that is not keyed is counted: in a file it stays for the next reader, from a pipe it is read away.
    std::ofstream("long.txt") << std::string(10020, 'E');
    ASSERT_EQ(run("render --text - --out l.wav", std::string(10020, 'E')), 0);
    EXPECT_EQ(err_, "kestrel-cli: standard input holds more than a slot's 9999 characters: 21 after them are left "
                    "unread\n");
    const std::string piped = std::string("cat long.txt | ") + KESTREL_CLI_PATH + " render --text - --out p.wav 2>err.txt";
    ASSERT_EQ(std::system(piped.c_str()), 0);
    EXPECT_EQ(read_text("err.txt"), "kestrel-cli: standard input holds more than a slot's 9999 characters: 21 after "
                                    "them were dropped\n");
    EXPECT_EQ(read_file("l.wav"), read_file("p.wav"));
    ASSERT_EQ(run("render --text - --out z.wav", std::string("EE\0TTT", 6)), 0);
    EXPECT_EQ(err_, "kestrel-cli: a zero byte ends the text after 2 characters: the 4 after it are not keyed\n");
}

TEST_F(Cli, GuideJsonHasTheFieldsOfEveryEmissionAndFollowsTheClips) {
    // Every emission of the text form is one object of the JSON, with its kind.
    const std::string range = "guide --at 2026-12-09T08:15:45Z --from 10000 --to 10150";
    ASSERT_EQ(run(range), 0) << err_;
    const std::string lines = out_;
    ASSERT_EQ(run(range + " --json"), 0) << err_;
    const std::string json = out_;
    auto count = [](const std::string &s, const std::string &what) {
        size_t n = 0;
        for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(json.rfind("{\"at\": \"2026-12-09T08:15:45Z\", \"seed\": 1, \"hist\": \"on\", \"bkgnd\": \"on\", "
                         "\"clips\": \"on\", \"from\": 10000, \"to\": 10150,\n \"emissions\": [", 0), 0u) << json;
    EXPECT_EQ(count(json, "\"kind\": \"morse\""), count(lines, "Morse "));
    EXPECT_EQ(count(json, "\"kind\": \"carrier\", \"channel\": null, \"wpm\": null, \"tone\": "),
              count(lines, "carrier"));
    const size_t clips = count(json, "\"kind\": \"clip\"");
    EXPECT_GT(clips, 0u);
    EXPECT_EQ(clips + count(json, "\"kind\": \"recording\""), count(lines, "play fone/"));
    EXPECT_EQ(count(json, "{\"khz\": "), count(json, "\"not_played_because\": "));
    EXPECT_EQ(json.substr(json.size() - 5), "\n ]}\n");
    // With the clips off the clips go, and nothing else.
    ASSERT_EQ(run(range + " --json --clips off"), 0) << err_;
    EXPECT_EQ(count(out_, "\"kind\": \"clip\""), 0u);
    EXPECT_EQ(count(out_, "{\"khz\": "), count(json, "{\"khz\": ") - clips);
    EXPECT_NE(out_.find("\"clips\": \"off\""), std::string::npos);
}

TEST_F(Cli, MissingRecordingsAreToldOnceWithTheFolderLookedFor) {
    // No fone/ here and none installed beside the tool in the build tree.
    ASSERT_EQ(run("tune 10101 --at 2026-12-09T08:15:45Z --mix m.wav --seconds 2"), 0) << err_;
    const std::string here = std::filesystem::current_path().string();
    EXPECT_EQ(err_.rfind("kestrel-cli: no recordings folder: neither " + here + "/fone nor ", 0), 0u) << err_;
    const std::string end = "/share/kestrel/fone exists; every recording, clip and the band noise stay silent\n";
    ASSERT_GT(err_.size(), end.size());
    EXPECT_EQ(err_.substr(err_.size() - end.size()), end) << err_;
    EXPECT_EQ(lines_of(err_), 1u) << err_;
    EXPECT_NE(out_.find("media: play fone/rtt-001.mp3  (not played: missing)"), std::string::npos) << out_;
    // Nothing that plays from fone/, no mix: nothing to tell.
    ASSERT_EQ(run("tune 10512 --at 2026-03-10T12:00:00Z"), 0);
    EXPECT_EQ(err_, "");
    // The guide tells it once for the whole range.
    ASSERT_EQ(run("guide --at 2026-12-09T08:15:45Z --from 10000 --to 10150"), 0);
    EXPECT_EQ(lines_of(err_), 1u) << err_;
    EXPECT_EQ(err_.rfind("kestrel-cli: no recordings folder: ", 0), 0u) << err_;
    // A folder with a file that is no sound: told apart from a missing one.
    std::filesystem::create_directory("fone");
    std::ofstream("fone/rtt-001.mp3") << "not a recording";
    ASSERT_EQ(run("tune 10101 --at 2026-12-09T08:15:45Z"), 0);
    EXPECT_EQ(err_, "");
    EXPECT_NE(out_.find("media: play fone/rtt-001.mp3  (not played: not a sound file)"), std::string::npos) << out_;
}

}  // namespace
}  // namespace kestrel::test
