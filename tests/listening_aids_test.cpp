// The listening aids of the receiver: recording what is heard (through the
// offline mix, which feeds the same tap as the sound card), a disk that fills
// up (a file layer that stops taking bytes), and the copy check window.
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/copy_desk.h"
#include "app/recording.h"
#include "app/status.h"
#include "app/report.h"
#include "app/window.h"
#include "bandplan/bands.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/media.h"
#include "platform/temp_files.h"
#include "platform/ui.h"
#include "procedures/send.h"
#include "state/log.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/instants.h"
#include "support/morse_reader.h"
#include "support/wav_file.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

namespace fs = std::filesystem;

constexpr int kRate = 22050;  // the offline mix's rate
constexpr Instant kAt = {2026, 12, 9, 6, 30, 45};
constexpr unsigned kSeed = 3;


// The file as a strict reader sees it: both sizes agree with the bytes on disk.
struct Recorded {
    bool valid = false;
    uint32_t rate = 0;
    std::vector<int16_t> samples;
};
Recorded load_recording(const std::string &path) {
    Recorded r;
    std::vector<uint8_t> b = read_file(path);
    if (b.size() < 44) return r;
    auto u32 = [&](size_t p) { return b[p] | b[p + 1] << 8 | b[p + 2] << 16 | static_cast<uint32_t>(b[p + 3]) << 24; };
    auto u16 = [&](size_t p) { return static_cast<uint32_t>(b[p] | b[p + 1] << 8); };
    r.valid = std::memcmp(b.data(), "RIFF", 4) == 0 && std::memcmp(b.data() + 8, "WAVEfmt ", 8) == 0 &&
              u32(16) == 16 && u16(20) == 1 && u16(22) == 1 && u16(34) == 16 &&
              std::memcmp(b.data() + 36, "data", 4) == 0 && u32(4) == b.size() - 8 && u32(40) == b.size() - 44 &&
              u32(28) == 2 * u32(24);
    r.rate = u32(24);
    for (size_t p = 44; p + 1 < b.size(); p += 2) r.samples.push_back(static_cast<int16_t>(u16(p)));
    return r;
}

// Marks where the mix is louder than `floor`, as the Morse reader's 8-bit samples.
std::vector<uint8_t> gated(const std::vector<int16_t> &s, size_t from, size_t to, int floor = 600) {
    std::vector<uint8_t> out;
    for (size_t i = from; i < to && i < s.size(); ++i) out.push_back(std::abs(int(s[i])) > floor ? 200 : 128);
    return out;
}

// The dot: the shortest mark that is not a fragment.
double dot_of(const std::vector<uint8_t> &samples) {
    double dot = 1e9;
    for (const MorseRun &r : morse_runs(samples, Keying::Tone))
        if (r.mark && r.len > 20 && r.len < dot) dot = r.len;
    return dot;
}

std::string decode(const std::vector<uint8_t> &samples, int spacing) {
    return read_morse(samples, options_for(Keying::Tone, dot_of(samples), spacing));
}

// All but the last letter, which the end of a segment may have cut.
std::string whole_letters(const std::string &patterns) {
    const size_t cut = patterns.find_last_of(' ');
    return cut == std::string::npos ? std::string() : patterns.substr(0, cut);
}

class ListeningAids : public Kestrel {
protected:
    void SetUp() override {
        Kestrel::SetUp();
        bkgnd = 0;  // one Morse station alone on the frequency: nothing else in the mix
        hwnd = 1;
    }
    void TearDown() override {
        record_stop();
        if (copy_check_open()) copy_check_toggle();
        copy_check_set_mode(CopyMode::as_keyed);
        media_offline_on_notify(nullptr);
        media_offline_end();
        hwnd = 0;
        Kestrel::TearDown();
    }
    intptr_t key(uintptr_t vk) { return WndProc(hwnd, WM_KEYDOWN, vk, 0); }
    void at_instant() {
        reception_at(kAt.year, kAt.month, kAt.day_, kAt.hour, kAt.minute, kAt.second, 0, kSeed);
    }
    // A frequency above `from` that carries exactly one plainly keyed emission at the instant.
    int lone_station(int from) {
        const MediaBackend *was = &media();
        media_use(&media_null);
        int found = 0;
        for (int f = from; f < from + 3000 && !found; ++f) {
            at_instant();
            freq = f;
            bands_compose();
            if (send_call == 1 && audible(send_buf[0]) && spd_table[0] >= 12 && spd_table[0] <= 30 &&
                !f1_table[0] && !spark_table[0] && !hand_table[0] && !bw_table[0] && !katokana_table[0] &&
                !qrh_table[0] && qsa_table[0] >= 3)
                found = f;
        }
        media_use(was);
        return found;
    }
    // Tunes there with the right-arrow key, as the listener would step onto it.
    void tune_key(int f) {
        at_instant();
        freq = f - 1;
        key(VK_RIGHT);
        ASSERT_EQ(freq, f);
    }
    // Switches that do not retune: the recording goes on through them.
    void switches_leave_it_running() {
        for (int id : {ID_SCAN, ID_SCAN, ID_HIST, ID_HIST, ID_QRN, ID_QRN}) {
            WndProc(hwnd, WM_COMMAND, static_cast<uintptr_t>(id), 0);
            EXPECT_TRUE(recording()) << id;
        }
    }
    // Advances the mix by `ms`, letting the window thread's timer empty the buffer on the way.
    void play(uint32_t ms) {
        for (uint32_t done = 0; done < ms; done += 200) {  // 200 ms: whole samples at the rate
            ASSERT_TRUE(media_offline_advance(200));
            notify_step();
        }
    }
};

TEST_F(ListeningAids, RecordingAcrossTwoRetunesIsOneValidWavHoldingBothReceptions) {
    const int a = lone_station(10000);
    ASSERT_NE(a, 0) << "no lone Morse station at the instant";
    const int b = lone_station(a + 1);
    ASSERT_NE(b, 0);
    ASSERT_TRUE(fs::create_directory("fone"));
    ASSERT_TRUE(media_offline_begin("mix.wav", 30, kRate));

    key(VK_RECORD);
    ASSERT_TRUE(recording());
    const std::string name = record_name();
    char want[64];
    save_file_name(want, sizeof want);  // the tuned frequency and the minute of the start
    EXPECT_EQ(name, want);
    EXPECT_NE(std::string(ui_title()).find("[REC " + name + "]"), std::string::npos) << ui_title();

    tune_key(a);
    const int spacing_a = spacing_table[0];
    fs::copy_file("TOVA0.WAV", "a.wav");
    play(12000);
    // Valid while it is still being written, with what was recorded so far.
    Recorded mid = load_recording(name);
    EXPECT_TRUE(mid.valid);
    EXPECT_EQ(mid.samples.size(), record_frames());
    EXPECT_EQ(mid.samples.size(), static_cast<size_t>(12 * kRate));

    tune_key(b);  // a retune does not stop it
    EXPECT_TRUE(recording());
    const int spacing_b = spacing_table[0];
    fs::copy_file("TOVA0.WAV", "b.wav");
    switches_leave_it_running();
    play(12000);
    key(VK_RECORD);
    EXPECT_FALSE(recording());
    EXPECT_EQ(std::string(ui_title()), window_title);

    Recorded r = load_recording(name);
    ASSERT_TRUE(r.valid);
    EXPECT_EQ(r.rate, static_cast<uint32_t>(kRate));
    EXPECT_EQ(r.samples.size(), static_cast<size_t>(24 * kRate));  // the time recorded, to the sample

    // Each half decodes as the start of its own station's channel file.
    const std::string file_a = decode(wav_samples(read_file("a.wav")), spacing_a);
    const std::string file_b = decode(wav_samples(read_file("b.wav")), spacing_b);
    const std::string heard_a = whole_letters(decode(gated(r.samples, 0, 12 * kRate), spacing_a));
    const std::string heard_b = whole_letters(decode(gated(r.samples, 12 * kRate, 24 * kRate), spacing_b));
    ASSERT_GE(heard_a.size(), 20u) << heard_a;
    ASSERT_GE(heard_b.size(), 20u) << heard_b;
    EXPECT_EQ(file_a.substr(0, heard_a.size()), heard_a) << a << " kHz";
    EXPECT_EQ(file_b.substr(0, heard_b.size()), heard_b) << b << " kHz";
    EXPECT_NE(file_a.substr(0, 40), file_b.substr(0, 40));
}

TEST_F(ListeningAids, RecordingNeedsAMixAndStopsCleanlyWhenTheDiskFills) {
    // No output open: nothing to record, and the listener is told.
    EXPECT_FALSE(record_start());
    EXPECT_EQ(ui_box_count(), 1);
    EXPECT_FALSE(recording());

    ASSERT_TRUE(media_offline_begin("mix.wav", 20, kRate));
    files_fake_free_space(44 + 2 * kRate + 1000);  // the header, a second of sound and a bit
    freq = 14000;
    ASSERT_TRUE(record_start());
    const std::string name = record_name();
    EXPECT_EQ(name.substr(0, 8), "14000kHz");
    play(3000);
    EXPECT_FALSE(recording());
    ASSERT_EQ(ui_box_count(), 2);
    EXPECT_NE(std::string(ui_last_box_text()).find("Recording stopped"), std::string::npos) << ui_last_box_text();
    EXPECT_EQ(std::string(ui_title()), window_title);
    Recorded r = load_recording(name);
    EXPECT_TRUE(r.valid);
    EXPECT_EQ(r.samples.size(), static_cast<size_t>(kRate + 500));
    // The next start takes a fresh file once there is room again; the cut one stays.
    files_fake_free_space(-1);
    ASSERT_TRUE(record_start());
    const std::string again = record_name();
    EXPECT_NE(again, name);
    play(1000);
    record_stop();
    record_stop();  // twice is harmless
    EXPECT_TRUE(load_recording(again).valid);
    EXPECT_EQ(load_recording(again).samples.size(), static_cast<size_t>(kRate));
    EXPECT_EQ(load_recording(name).samples.size(), static_cast<size_t>(kRate + 500));

    // A disk too full for even the header: no recording, no file left half made.
    files_fake_free_space(10);
    EXPECT_FALSE(record_start());
    EXPECT_FALSE(recording());
    EXPECT_EQ(fs::directory_iterator(dir_) == fs::directory_iterator(), false);
    int wavs = 0;
    for (const auto &e : fs::directory_iterator(dir_))
        if (e.path().extension() == ".wav" && e.path().filename() != "mix.wav") ++wavs;
    EXPECT_EQ(wavs, 2) << "only the two recordings";
}

TEST_F(ListeningAids, ARecordingInTheSameMinuteNeverReplacesAnEarlierOne) {
    ASSERT_TRUE(media_offline_begin("mix.wav", 30, kRate));
    freq = 10101;
    char base[64];
    save_file_name(base, sizeof base);
    const std::string stem = std::string(base).substr(0, std::strlen(base) - 4);
    // A dangling link of a later name counts as taken: a write would go through it.
    fs::create_symlink("nowhere/at/all.wav", stem + "-3.wav");
    const struct {
        uint32_t ms;
        std::string name;
        const char *took;
    } takes[] = {{2000, base, "0:02"}, {1000, stem + "-2.wav", "0:01"}, {3000, stem + "-4.wav", "0:03"}};
    for (const auto &take : takes) {
        ASSERT_TRUE(record_start());
        EXPECT_EQ(std::string(record_name()), take.name);
        play(take.ms);
        // While it runs, the status line shows REC with the time and the file.
        EXPECT_NE(status_text().find(std::string("REC ") + take.took + " " + take.name), std::string::npos)
            << status_text();
        record_stop();
        EXPECT_EQ(status_last_message(), "Saved " + take.name + " in " + working_folder() + " (" + take.took + ")");
        EXPECT_EQ(status_text().find("REC "), std::string::npos);
    }
    // Every take whole, in its own file, the first one untouched by the others.
    for (const auto &take : takes) {
        Recorded r = load_recording(take.name);
        EXPECT_TRUE(r.valid) << take.name;
        EXPECT_EQ(r.samples.size(), static_cast<size_t>(take.ms / 1000 * kRate)) << take.name;
    }
    EXPECT_TRUE(fs::is_symlink(stem + "-3.wav"));
}

// A file layer on which one folder cannot be written.
std::string g_refused;
void *refusing_open(const char *path) {
    if (std::string(path).rfind(g_refused + "/", 0) == 0) {
        errno = EACCES;
        return nullptr;
    }
    return files_stdio.open_write(path);
}
const FileBackend refusing_disk = {"read-only folder", refusing_open, files_stdio.append, files_stdio.overwrite,
                                   files_stdio.close};

TEST_F(ListeningAids, AFolderThatCannotBeWrittenSendsTheRecordingHomeAndSaysSo) {
    ASSERT_TRUE(media_offline_begin("mix.wav", 10, kRate));
    const std::string home = make_temp_dir_in("", "kestrel-home", nullptr);  // outside the refused folder
    ASSERT_FALSE(home.empty());
    const char *old_home = std::getenv("HOME");
    const std::string kept = old_home ? old_home : "";
    setenv("HOME", home.c_str(), 1);
    g_refused = working_folder();
    files_use(&refusing_disk);
    freq = 14000;
    const bool started = record_start();
    const std::string message = status_last_message();
    play(1000);
    record_stop();
    files_use(nullptr);
    if (old_home) setenv("HOME", kept.c_str(), 1);
    else unsetenv("HOME");
    ASSERT_TRUE(started);
    // Announced when it happens, with the reason, and named again at the end.
    EXPECT_EQ(message, "Cannot write in " + g_refused + " (" + std::strerror(EACCES) + "): recording into " + home);
    EXPECT_EQ(status_last_message(), "Saved " + std::string(record_name()) + " in " + home + " (0:01)");
    EXPECT_TRUE(load_recording(home + "/" + record_name()).valid);
    EXPECT_FALSE(file_exists(record_name()));
    std::error_code ec;
    fs::remove_all(home, ec);
}

TEST_F(ListeningAids, QuittingEndsTheRecordingWithAValidFile) {
    ASSERT_TRUE(media_offline_begin("mix.wav", 5, kRate));
    freq = 21000;
    key(VK_RECORD);
    ASSERT_TRUE(recording());
    ASSERT_TRUE(media_offline_advance(1500));  // not yet moved into the file by the timer
    WndProc(hwnd, WM_DESTROY, 0, 0);
    EXPECT_FALSE(recording());
    Recorded r = load_recording(record_name());
    EXPECT_TRUE(r.valid);
    EXPECT_EQ(r.samples.size(), static_cast<size_t>(1.5 * kRate));
}

TEST_F(ListeningAids, AWindowThreadTooBusyToEmptyTheBufferCostsSoundNotTime) {
    // 15 s of a steady tone mixed with no timer tick between: more than the
    // buffer holds. What it could not take is written as silence, so the file
    // still lasts exactly as long as the recording did.
    ASSERT_TRUE(std::filesystem::create_directory("fone"));
    ASSERT_TRUE(write_sine_s16("fone/tone.wav", kRate, 20, 440, 0.5));
    ASSERT_TRUE(media_offline_begin("mix.wav", 20, kRate));
    ASSERT_TRUE(record_start());
    media().send_string("play fone/tone.wav");
    ASSERT_TRUE(media_offline_advance(15000));
    record_stop();
    Recorded r = load_recording(record_name());
    ASSERT_TRUE(r.valid);
    ASSERT_EQ(r.samples.size(), static_cast<size_t>(15 * kRate));
    auto loud = [&](size_t from, size_t to) {
        size_t n = 0;
        for (size_t i = from; i < to; ++i) n += std::abs(int(r.samples[i])) > 1000;
        return n;
    };
    EXPECT_GT(loud(0, 10 * kRate), 8u * kRate);  // the tone, as long as the buffer held it
    EXPECT_EQ(loud(13 * kRate, 15 * kRate), 0u);  // then silence in place of what was lost
}

TEST_F(ListeningAids, CopyCheckShowsNothingUntilAskedThenFollowsEveryRetune) {
    const int a = lone_station(12000);
    ASSERT_NE(a, 0);
    tune_key(a);
    EXPECT_FALSE(ui_side_shown());
    EXPECT_EQ(std::string(ui_side_text()), "");

    key(VK_COPY_CHECK);
    ASSERT_TRUE(ui_side_shown());
    std::string shown = ui_side_text();
    EXPECT_EQ(shown.rfind(std::to_string(a) + " kHz  2026-12-09 06:30 UTC\n", 0), 0u) << shown;
    const std::vector<SlotReport> slots = slot_reports(true);
    ASSERT_EQ(slots.size(), 1u);
    // As keyed at first: the heading, and no text before its first character has sounded.
    EXPECT_NE(shown.find("\n" + slot_heading(slots[0]) + "\n"), std::string::npos) << shown;
    EXPECT_EQ(shown.find(slots[0].text), std::string::npos) << shown;
    copy_check_set_mode(CopyMode::all_at_once);
    shown = ui_side_text();
    EXPECT_NE(shown.find("\n" + slot_heading(slots[0]) + "\n" + slots[0].text + "\n"), std::string::npos) << shown;
    char head[64];
    std::snprintf(head, sizeof head, "channel 0  spd %d  ton %d  qsa %d  ", slots[0].spd, slots[0].ton, slots[0].qsa);
    EXPECT_NE(shown.find(head), std::string::npos);
    EXPECT_GT(slots[0].ms, 0u);
    // The heading names the reception's minute: the clock moving on leaves it
    // (and a selection in it) alone.
    test_clock_advance(90 * 1000);  // 06:30:45 to 06:32:15
    copy_check_tick();
    EXPECT_EQ(std::string(ui_side_text()), shown);

    // A retune shows the new reception, at its own minute.
    freq = 30000;
    dsp_freq(hwnd);
    shown = ui_side_text();
    EXPECT_EQ(shown.rfind("30000 kHz  2026-12-09 06:32 UTC\n", 0), 0u) << shown;
    EXPECT_NE(shown.find("nothing on the air"), std::string::npos);

    // C again closes it; later retunes leave it closed.
    key(VK_COPY_CHECK);
    EXPECT_FALSE(ui_side_shown());
    tune_key(a);
    EXPECT_FALSE(ui_side_shown());
    EXPECT_EQ(std::string(ui_side_text()), "");
}

}  // namespace
}  // namespace kestrel::test
