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
    EXPECT_EQ(err_, "");
    EXPECT_NE(out_.find("media: play fone/ssb-002.wav  (not played: "), std::string::npos) << out_;
    ASSERT_EQ(run("guide --at 2026-01-01T12:00:00Z --from 10006 --to 10006"), 0) << err_;
    EXPECT_EQ(out_, "10006 kHz  play fone/ssb-002.wav (not played)\n");
    EXPECT_EQ(err_, "");
    // A missing recording is marked as well; a playable one is not.
    std::filesystem::remove("fone/ssb-002.wav");
    ASSERT_EQ(run("tune 10006 --at 2026-01-01T12:00:00Z"), 0) << err_;
    EXPECT_NE(out_.find("media: play fone/ssb-002.wav  (not played: "), std::string::npos) << out_;
    std::vector<uint8_t> tone = wav_header(8000, 16, 1, 16000);
    for (int i = 0; i < 8000; ++i) put_le(tone, uint32_t(int16_t(8000 * std::sin(i * 0.3))) & 0xFFFF, 2);
    std::ofstream("fone/ssb-002.wav", std::ios::binary).write(reinterpret_cast<const char *>(tone.data()), tone.size());
    ASSERT_EQ(run("tune 10006 --at 2026-01-01T12:00:00Z"), 0) << err_;
    EXPECT_NE(out_.find("media: play fone/ssb-002.wav\n"), std::string::npos) << out_;
    ASSERT_EQ(run("guide --at 2026-01-01T12:00:00Z --from 10006 --to 10006"), 0) << err_;
    EXPECT_EQ(out_, "10006 kHz  play fone/ssb-002.wav\n");
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
    for (const char *at : {"2026-01-01T12:00:00Z", "2026-06-17T20:12:36Z"}) {
        ASSERT_EQ(run(std::string("guide --at ") + at + " --from 10000 --to 10030 --seed 3"), 0) << err_;
        const auto guide = heard_in_guide(out_);
        EXPECT_FALSE(guide.empty());
        for (int f = 10000; f <= 10030; ++f) {
            ASSERT_EQ(run("tune " + std::to_string(f) + " --at " + at + " --seed 3"), 0) << err_;
            const auto it = guide.find(f);
            EXPECT_EQ(heard_in_tune(out_), it == guide.end() ? std::vector<std::string>{} : it->second)
                << f << " kHz at " << at;
        }
    }
}

}  // namespace
}  // namespace kestrel::test
