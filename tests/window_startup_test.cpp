// Start-up, the retune sequence, quitting and the single-instance lock.
#include <cstdio>
#include <cstring>
#include <random>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/status.h"
#include "app/window.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "platform/window.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "synth/morse.h"
#include "window_fake.h"

namespace kestrel::test {
namespace {

using WindowStartup = Window;

std::string freq_text(int f) { return "   " + std::to_string(f) + ".0 kHz"; }

TEST_F(WindowStartup, RunsItsStepsInOrder) {
    w_.in_loop = [&] { w_.trace.push_back("-- loop"); };
    std::memset(&wavehdr, 0, sizeof wavehdr);
    hwnd = 0;
    band = 0;
    int rc = WinMain(0, 0, "", 1);
    EXPECT_EQ(rc, 99);  // the fake loop returns 99 when nobody quit
    EXPECT_EQ(hwnd, w_.create_result);

    const std::string title = " TOVA 10" + std::string(16, ' ') + "10000 - 30000 kHz" + std::string(27, ' ') + "KESTREL";
    EXPECT_EQ(w_.title, title);
    EXPECT_EQ(w_.width, 810);
    EXPECT_EQ(w_.height, 295);
    ASSERT_NE(w_.proc, nullptr);
    EXPECT_EQ(w_.proc, &WndProc);

    // The wave header's constant fields were filled.
    EXPECT_EQ(std::string(wavehdr.riff, 4), "RIFF");
    EXPECT_EQ(std::string(wavehdr.data, 4), "data");

    std::vector<std::string> expected = {"claim TOVA", "register TOVA", "create TOVA",
                                         "media string open fone/noise.wav alias noise @0",
                                         "media string play noise notify @0"};
    const int ids[] = {101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 121, 122, 123, 124, 125,
                       126, 127, 128, 129, 130, 131, 132, 141, 142, 151, 152, 153, 154, 155, 156, 157, 158};
    for (int id : ids) expected.push_back("control " + std::to_string(id));
    expected.push_back("text 141 [" + freq_text(freq) + "]");
    expected.push_back("text 142 [     ]");
    expected.push_back("def 15 0");  // WM_PAINT
    expected.push_back("media loop_stop @0");
    for (int k = 0; k <= 9; ++k) expected.push_back("media close " + std::to_string(k) + " @0");
    ASSERT_GE(w_.trace.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(w_.trace[i], expected[i]) << "step " << i;
    // Then the clip closes of stop_all_devs, the status line's two fields and
    // their texts, the timers and the loop; no band dispatch at start-up.
    size_t i = expected.size();
    while (i < w_.trace.size() && w_.trace[i].rfind("media string close ", 0) == 0) ++i;
    ASSERT_LT(i + 1, w_.trace.size());
    EXPECT_EQ(w_.trace[i], "control 160");
    EXPECT_EQ(w_.trace[i + 1], "control 161");
    i += 2;
    while (i < w_.trace.size() && (w_.trace[i].rfind("text 160 ", 0) == 0 || w_.trace[i].rfind("text 161 ", 0) == 0))
        ++i;
    ASSERT_EQ(w_.trace.size(), i + 6);
    EXPECT_EQ(w_.trace[i], "timer 200");
    EXPECT_EQ(w_.trace[i + 1], "timer 20");
    EXPECT_EQ(w_.trace[i + 2], "timer 25");  // the copy check's text moving with the sound
    EXPECT_EQ(w_.trace[i + 3], "timer 250");
    i += 1;
    EXPECT_EQ(w_.trace[i + 3], "run");
    EXPECT_EQ(w_.trace[i + 4], "-- loop");
    EXPECT_EQ(band, 0);
    EXPECT_EQ(w_.box_owner, -1);  // no box

    // The first frequency text stays in the shared buffers.
    EXPECT_EQ(std::string(str2), std::to_string(freq));
    EXPECT_EQ(std::string(str), freq_text(freq));
}

TEST_F(WindowStartup, ControlsMatchThePanelLayout) {
    WinMain(0, 0, "", 1);
    // The panel's 35, then the status line's two fields below them.
    ASSERT_EQ(w_.controls.size(), 37u);
    EXPECT_EQ(w_.controls[35].id, ID_STATUS);
    EXPECT_EQ(w_.controls[36].id, ID_STATUS_FLAGS);
    for (const ControlSpec &c : w_.controls) {
        if (c.id < ID_STATUS) continue;
        EXPECT_EQ(c.kind, CONTROL_STATUS);
        EXPECT_GT(c.y, 235) << "below the lowest row of buttons";
    }
    EXPECT_LE(w_.controls[35].x + w_.controls[35].w, w_.controls[36].x) << "the flags stand apart";
    w_.controls.resize(35);
    std::set<int> seen;
    int buttons = 0;
    for (const ControlSpec &c : w_.controls) {
        EXPECT_TRUE(seen.insert(c.id).second) << c.id;
        if (c.kind == CONTROL_BUTTON) ++buttons;
        if (c.id >= 102 && c.id <= 113) {
            int i = c.id - 102;
            EXPECT_EQ(std::string(c.caption), "M" + std::to_string(i + 1));
            EXPECT_EQ(c.x, 600 + 60 * (i % 3));
            EXPECT_EQ(c.y, 90 + 40 * (i / 3));
            EXPECT_EQ(c.w, 50);
            EXPECT_EQ(c.h, 25);
        }
        // Every control lies inside the 810 x 295 window.
        EXPECT_LE(c.x + c.w, 810);
        EXPECT_LE(c.y + c.h, 295);
    }
    EXPECT_EQ(buttons, 33);
    auto control = [&](int id) {
        for (const ControlSpec &c : w_.controls)
            if (c.id == id) return c;
        return ControlSpec{};
    };
    EXPECT_EQ(control(141).kind, CONTROL_STATIC);
    EXPECT_EQ(std::string(control(142).caption), " > > > > > ");
    EXPECT_EQ(control(142).x, 700);
    EXPECT_EQ(std::string(control(123).caption), "FLT2");
    EXPECT_EQ(std::string(control(155).caption), "<100k");
    EXPECT_EQ(std::string(control(158).caption), "1M >");
    EXPECT_EQ(control(158).x, 405);
    EXPECT_EQ(control(158).y, 210);
    // The meter's creation caption is replaced by the empty meter at start-up.
    EXPECT_EQ(std::string(ui_text(ID_SMETER)), "     ");
}

TEST_F(WindowStartup, FirstFrequencyByDayAndByNight) {
    struct Hour {
        int hour, minute;
        bool day;
    } hours[] = {{12, 0, true}, {6, 0, true}, {17, 59, true}, {5, 59, false}, {18, 0, false}, {2, 30, false}};
    for (const Hour &h : hours) {
        int lowest = 99999, highest = 0;
        for (unsigned seed = 1; seed <= 300; ++seed) {
            test_clock_set(2026, 3, 10, h.hour, h.minute);
            // The expected value: the same random source, drawn once after the clock sample.
            random_reset(seed);
            GetSystemTime(&t);
            uint32_t draw = myrand();
            int expected = h.day ? 15000 + static_cast<int>(draw % 10000u) : 10000 + static_cast<int>(draw % 5000u);

            random_reset(seed);
            w_.trace.clear();
            WinMain(0, 0, "", 1);
            ASSERT_EQ(freq, expected) << h.hour << ":" << h.minute << " seed " << seed;
            EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), freq_text(freq));
            lowest = std::min(lowest, freq);
            highest = std::max(highest, freq);
        }
        if (h.day) {
            EXPECT_GE(lowest, 15000);
            EXPECT_LE(highest, 24999);
            EXPECT_GT(highest - lowest, 5000);  // spread over the range, not stuck
        } else {
            EXPECT_GE(lowest, 10000);
            EXPECT_LE(highest, 14999);
            EXPECT_GT(highest - lowest, 2500);
        }
    }
}

TEST_F(WindowStartup, SecondInstanceLeavesSilently) {
    w_.claim_result = 0;
    EXPECT_EQ(WinMain(0, 0, "", 1), 0);
    EXPECT_EQ(w_.trace, (std::vector<std::string>{"claim TOVA"}));
    EXPECT_EQ(ui_box_count(), 0);
}

TEST_F(WindowStartup, ToolkitFailuresShowTheirBoxes) {
    w_.register_result = 0;
    EXPECT_EQ(WinMain(0, 0, "", 1), 0);
    EXPECT_EQ(w_.trace.back(), "box Error! | Window Registration Failed!");
    EXPECT_EQ(w_.box_owner, 0);
    EXPECT_EQ(find("create"), -1);

    w_.trace.clear();
    w_.register_result = 1;
    w_.create_result = 0;
    hwnd = 0;
    EXPECT_EQ(WinMain(0, 0, "", 1), 0);
    EXPECT_EQ(w_.trace.back(), "box Error! | Window Creation Failed!");
    EXPECT_EQ(find("control"), -1);
    EXPECT_EQ(find("run"), -1);
}

TEST_F(WindowStartup, MissingOutputDeviceWarnsAndGoesOn) {
    w_.devices = 0;
    WinMain(0, 0, "", 1);
    int box = find("box Error! | Cannot Find Device Driver!");
    ASSERT_GE(box, 0);
    EXPECT_EQ(w_.box_owner, 0);
    EXPECT_GT(box, find("media close 9"));  // after the devices were stopped
    EXPECT_GT(find("run"), box);
    // Why and what to try, in the status line; the box above keeps its text.
    EXPECT_EQ(status_last_message().rfind("No sound output", 0), 0u) << status_last_message();
    EXPECT_NE(status_last_message().find("SDL_AUDIODRIVER=dummy"), std::string::npos);
}

TEST_F(WindowStartup, SaysWhichRecordingsFolderIsUsedOrThatItIsMissing) {
    WinMain(0, 0, "", 1);
    const std::string missing = status_last_message();
    EXPECT_EQ(missing.rfind("No recordings folder: ", 0), 0u) << missing;
    EXPECT_NE(missing.find(working_folder() + "/fone"), std::string::npos) << missing;
    EXPECT_NE(std::string(ui_text(ID_STATUS)).find(missing), std::string::npos) << "shown in the line";

    std::filesystem::create_directory("fone");
    std::ofstream("fone/noise.wav") << "RIFF";
    announce_recordings();
    EXPECT_EQ(status_last_message(), "Recordings from " + std::filesystem::canonical("fone").string());
}

TEST_F(WindowStartup, RetuneShowsClearsStopsThenDispatches) {
    freq = 14000;
    band = 0;
    w_.trace.clear();
    key(VK_NEXT);
    ASSERT_EQ(freq, 13900);
    std::vector<std::string> expected = {"text 141 [" + freq_text(13900) + "]", "text 142 [     ]", "def 15 0",
                                         "media loop_stop @0"};
    for (int k = 0; k <= 9; ++k) expected.push_back("media close " + std::to_string(k) + " @0");
    for (size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(w_.trace.at(i), expected[i]) << i;
    // The whole stop (channels, then the clip closes) happened before the band dispatch set the band.
    int i = find("media loop_stop");
    for (; i < static_cast<int>(w_.trace.size()); ++i) {
        const std::string &e = w_.trace[i];
        bool stop = e.rfind("media loop_stop", 0) == 0 || e.rfind("media close ", 0) == 0 ||
                    e.rfind("media string close ", 0) == 0;
        if (!stop) break;
        EXPECT_EQ(e.substr(e.rfind('@')), "@0") << e;
    }
    EXPECT_GE(i, find("media close 9") + 1);
    EXPECT_EQ(band, 13);
    EXPECT_EQ(w_.trace.back(), "def 256 34");  // the key then reaches the default procedure
}

TEST_F(WindowStartup, QuitDeletesTheChannelFiles) {
    for (uint32_t how : {WM_COMMAND, WM_DESTROY}) {
        for (int k = 0; k <= 9; ++k) std::ofstream("TOVA" + std::to_string(k) + ".WAV") << "x";
        std::ofstream("TOVA10.WAV") << "x";
        std::ofstream("keep.wav") << "x";
        w_.trace.clear();
        w_.quit_code = -1;
        w_.in_loop = [&] {
            EXPECT_EQ(w_.proc(w_.create_result, how, how == WM_COMMAND ? ID_OFF : 0, 0), 0);
        };
        EXPECT_EQ(WinMain(0, 0, "", 1), 0);
        for (int k = 0; k <= 9; ++k) EXPECT_FALSE(file_exists("TOVA" + std::to_string(k) + ".WAV")) << k;
        EXPECT_TRUE(file_exists("TOVA10.WAV"));
        EXPECT_TRUE(file_exists("keep.wav"));
        // stop, close the noise, stop again (close_files), then the quit message.
        int loop = find("run");
        int stop1 = find("media loop_stop", loop);
        int noise = find("media string close fone/noise.wav", loop);
        int stop2 = find("media loop_stop", noise);
        int quit = find("quit 0", loop);
        ASSERT_GE(stop1, 0);
        EXPECT_GT(noise, stop1);
        EXPECT_GT(stop2, noise);
        EXPECT_GT(quit, stop2);
        EXPECT_EQ(find("def", loop), -1);  // OFF is not handed on
        std::filesystem::remove("TOVA10.WAV");
    }
    // Deleting files that are not there is harmless.
    close_files();
}

TEST(WindowInstance, OneHolderAtATime) {
    std::string name = "win-test-" + std::to_string(std::random_device{}());
    std::string path = instance_lock_path(name.c_str());
    EXPECT_NE(path.find(name), std::string::npos);
    EXPECT_EQ(instance_claim(name.c_str()), 1);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(instance_claim(name.c_str()), 0);  // held: a second start must leave
    EXPECT_EQ(instance_claim((name + "-other").c_str()), 1);  // other names are independent
    instance_release();                                        // what the end of the holder does
    EXPECT_EQ(instance_claim(name.c_str()), 1);
    instance_release();
    std::filesystem::remove(path);
    std::filesystem::remove(instance_lock_path((name + "-other").c_str()));
}

}  // namespace
}  // namespace kestrel::test
