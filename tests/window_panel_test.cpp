// The front panel through the window procedure: tuning, keys, memories,
// scanning, switches, noise loop, S-meter and the info box.
#include <string>
#include <vector>

#include "app/window.h"
#include "platform/media.h"
#include "platform/ui.h"
#include "procedures/procedures.h"
#include "state/receiver.h"
#include "synth/params.h"
#include "window_fake.h"

namespace kestrel::test {
namespace {

// The tuning rules restated as "where may the step land": the 1 kHz steps may
// land on an edge, the larger ones must stay strictly inside, else they wrap.
int expected_tuning(int id, int f) {
    int step = 0;
    switch (id) {
    case ID_DOWN_1K: step = -1; break;
    case ID_UP_1K: step = 1; break;
    case ID_DOWN_10K: step = -10; break;
    case ID_UP_10K: step = 10; break;
    case ID_DOWN_100K: step = -100; break;
    case ID_UP_100K: step = 100; break;
    case ID_DOWN_1M: step = -1000; break;
    case ID_UP_1M: step = 1000; break;
    default: return f;
    }
    int next = f + step;
    bool edge_ok = step == 1 || step == -1;
    if (step < 0) return (edge_ok ? next >= 10000 : next > 10000) ? next : 30000;
    return (edge_ok ? next <= 30000 : next < 30000) ? next : 10000;
}

std::string freq_text(int f) { return "   " + std::to_string(f) + ".0 kHz"; }

using WindowPanel = Window;

TEST_F(WindowPanel, EveryTuningStepFromEveryFrequency) {
    for (int id = ID_DOWN_1K; id <= ID_UP_1M; ++id)
        for (int f = FREQ_MIN; f <= FREQ_MAX; ++f)
            ASSERT_EQ(tuned_by_button(id, f), expected_tuning(id, f)) << "button " << id << " from " << f;
    EXPECT_EQ(tuned_by_button(ID_SCAN, 12345), 12345);
}

TEST_F(WindowPanel, TuningButtonsAtTheEdgesRetuneAndClearScan) {
    struct Case {
        int id, from, to;
    } cases[] = {
        {ID_DOWN_1K, 10000, 30000},   {ID_UP_1K, 30000, 10000},     {ID_UP_1K, 29999, 30000},
        {ID_DOWN_1K, 10001, 10000},   {ID_DOWN_10K, 10010, 30000},  {ID_DOWN_10K, 10011, 10001},
        {ID_UP_10K, 29989, 29999},    {ID_UP_10K, 29990, 10000},    {ID_DOWN_100K, 10100, 30000},
        {ID_DOWN_100K, 10101, 10001}, {ID_UP_100K, 29899, 29999},   {ID_UP_100K, 29900, 10000},
        {ID_DOWN_1M, 11000, 30000},   {ID_DOWN_1M, 11001, 10001},   {ID_UP_1M, 28999, 29999},
        {ID_UP_1M, 29000, 10000},     {ID_UP_1M, 14000, 15000},     {ID_DOWN_100K, 14000, 13900},
    };
    for (const Case &c : cases) {
        freq = c.from;
        scan = 1;
        w_.trace.clear();
        EXPECT_EQ(click(c.id), 0);
        EXPECT_EQ(freq, c.to) << "button " << c.id << " from " << c.from;
        EXPECT_EQ(scan, 0);
        EXPECT_EQ(band, c.to / 1000);
        EXPECT_TRUE(retuned());
        EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), freq_text(c.to));
    }
}

TEST_F(WindowPanel, KeysTuneLikeTheirButtonsAndOtherKeysDoNothing) {
    const std::pair<uintptr_t, int> keys[] = {{VK_LEFT, ID_DOWN_1K},    {VK_RIGHT, ID_UP_1K},
                                              {VK_DOWN, ID_DOWN_10K},   {VK_UP, ID_UP_10K},
                                              {VK_NEXT, ID_DOWN_100K},  {VK_PRIOR, ID_UP_100K}};
    const int starts[] = {10000, 10001, 10010, 10100, 15555, 29899, 29989, 29999, 30000};
    for (auto [vk, id] : keys) {
        EXPECT_EQ(button_for_key(vk), id);
        for (int f : starts) {
            freq = f;
            scan = 1;
            key(vk);
            EXPECT_EQ(freq, expected_tuning(id, f)) << "key " << vk << " from " << f;
            EXPECT_EQ(scan, 0);
        }
    }
    // Home, End, Escape, Return, space, letters without a use, F1: nothing at all
    // (digits type a frequency: tests/listening_test.cpp).
    const uintptr_t others[] = {VK_HOME, VK_END, VK_ESCAPE, VK_RETURN, VK_SPACE, VK_TAB, 'A', 'Q', 'Z', VK_F1};
    freq = 17000;
    scan = 1;
    w_.trace.clear();
    ui_reset();
    for (uintptr_t vk : others) {
        EXPECT_EQ(button_for_key(vk), 0);
        key(vk);
    }
    EXPECT_EQ(freq, 17000);
    EXPECT_EQ(scan, 1);
    EXPECT_TRUE(entries("media").empty());
    EXPECT_TRUE(entries("text").empty());
    // Each key still reaches the default procedure, as every key does.
    EXPECT_EQ(entries("def 256").size(), std::size(others));
}

TEST_F(WindowPanel, LowMidHighSetTheirFrequencies) {
    const std::pair<int, int> presets[] = {{ID_LOW, 10000}, {ID_MID, 20000}, {ID_HIGH, 30000}};
    for (auto [id, f] : presets) {
        freq = 12345;
        scan = 1;
        w_.trace.clear();
        click(id);
        EXPECT_EQ(freq, f);
        EXPECT_EQ(scan, 0);
        EXPECT_TRUE(retuned());
        EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), freq_text(f));
    }
    // Nothing is queued at 30000: no band exists there.
    w_.trace.clear();
    click(ID_HIGH);
    EXPECT_TRUE(retuned());
    EXPECT_TRUE(entries("media play").empty());
    EXPECT_TRUE(entries("media loop ").empty());
}

TEST_F(WindowPanel, MemoriesStoreOnceThenRecall) {
    for (int i = 0; i < 12; ++i) EXPECT_EQ(std::string(ui_text(ID_M1 + i)), "");
    freq = 14000;
    scan = 1;
    w_.trace.clear();
    click(ID_M1 + 4);  // M5
    EXPECT_EQ(mem[4], 14000);
    EXPECT_EQ(std::string(ui_text(ID_M1 + 4)), "14000");
    EXPECT_EQ(scan, 0);
    EXPECT_FALSE(retuned());
    EXPECT_TRUE(entries("text " + std::to_string(ID_FREQ_FIELD)).empty());

    key(VK_UP);
    key(VK_UP);
    ASSERT_EQ(freq, 14020);
    click(ID_M1 + 11);  // M12 stores 14020
    EXPECT_EQ(std::string(ui_text(ID_M1 + 11)), "14020");

    click(ID_HIGH);
    scan = 1;
    w_.trace.clear();
    click(ID_M1 + 4);  // recall M5
    EXPECT_EQ(freq, 14000);
    EXPECT_EQ(scan, 0);
    EXPECT_TRUE(retuned());
    EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), freq_text(14000));

    // Pressed again somewhere else it still recalls: never re-stored.
    click(ID_LOW);
    click(ID_M1 + 4);
    EXPECT_EQ(freq, 14000);
    EXPECT_EQ(mem[4], 14000);
    click(ID_M1 + 11);
    EXPECT_EQ(freq, 14020);
    EXPECT_EQ(std::string(ui_text(ID_M1 + 4)), "14000");
    for (int i = 0; i < 12; ++i) {
        if (i == 4 || i == 11) continue;
        EXPECT_EQ(mem[i], 0) << "M" << i + 1;
    }

    // Out-of-range memory numbers are ignored.
    int before = freq;
    add_memory(12, hwnd);
    add_memory(-1, hwnd);
    EXPECT_EQ(freq, before);
}

TEST_F(WindowPanel, ScanningStepsWrapsAndStopsOnTuning) {
    freq = 29999;
    w_.trace.clear();
    click(ID_SCAN);
    EXPECT_EQ(scan, 1);
    EXPECT_FALSE(retuned());  // SCAN itself does not retune
    scan_step();
    EXPECT_EQ(freq, 30000);
    EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), freq_text(30000));
    scan_step();
    EXPECT_EQ(freq, 10000);
    EXPECT_EQ(band, 10);
    scan_step();
    EXPECT_EQ(freq, 10001);
    EXPECT_EQ(scan, 1);

    // Every tuning action ends the scan; the timer then changes nothing.
    const std::vector<std::pair<uint32_t, uintptr_t>> stoppers = {
        {WM_KEYDOWN, VK_RIGHT}, {WM_KEYDOWN, VK_PRIOR}, {WM_COMMAND, ID_DOWN_1M}, {WM_COMMAND, ID_MID},
        {WM_COMMAND, ID_M1},    {WM_COMMAND, ID_M1}};
    for (auto [msg, wp] : stoppers) {
        scan = 1;
        WndProc(hwnd, msg, wp, 0);
        EXPECT_EQ(scan, 0) << msg << " " << wp;
        int here = freq;
        w_.trace.clear();
        scan_step();
        EXPECT_EQ(freq, here);
        EXPECT_FALSE(retuned());
    }
    // SCAN pressed twice toggles back off.
    click(ID_SCAN);
    click(ID_SCAN);
    EXPECT_EQ(scan, 0);
    // Switches that retune do not stop a scan.
    scan = 1;
    click(ID_ATT);
    EXPECT_EQ(scan, 1);
}

TEST_F(WindowPanel, SwitchesToggleAndOnlySomeRetune) {
    struct Switch {
        int id;
        int *value;
        int other;  // the value after one press from the start value
        bool retunes;
    } switches[] = {
        {ID_ATT, &att, 1, true},        {ID_FLT, &filter, 1, true}, {ID_CLIP, &clips, 0, true},
        {ID_BGND, &bkgnd, 0, true},     {ID_SMPL, &sampling, 3, true}, {ID_HIST, &hist, 0, false},
        {ID_QRN, &qrn, 0, false},
    };
    freq = 21000;
    for (const Switch &s : switches) {
        int start = *s.value;
        for (int press = 1; press <= 2; ++press) {
            w_.trace.clear();
            ui_reset();
            click(s.id);
            EXPECT_EQ(*s.value, press == 1 ? s.other : start) << "control " << s.id << " press " << press;
            EXPECT_EQ(retuned(), s.retunes) << "control " << s.id;
            EXPECT_EQ(freq, 21000);
            if (s.retunes) {
                // Every channel closed, then the band dispatch on the same frequency.
                for (int k = 0; k <= 9; ++k) EXPECT_GE(find("media close " + std::to_string(k)), 0);
                EXPECT_EQ(std::string(ui_text(ID_FREQ_FIELD)), freq_text(21000));
                EXPECT_EQ(std::string(ui_text(ID_SMETER)), "     ");
            }
        }
    }
}

TEST_F(WindowPanel, FilterCaptionNamesTheFilterInForce) {
    EXPECT_EQ(filter, 0);
    click(ID_FLT);
    EXPECT_EQ(filter, 1);
    EXPECT_EQ(std::string(ui_text(ID_FLT)), "FLT1");
    // The caption is set before the retune.
    EXPECT_LT(find("text 123 [FLT1]"), find("media loop_stop"));
    click(ID_FLT);
    EXPECT_EQ(filter, 0);
    EXPECT_EQ(std::string(ui_text(ID_FLT)), "FLT2");
}

TEST_F(WindowPanel, NoiseLoopCommands) {
    auto strings = [&] {
        std::vector<std::string> out;
        for (const auto &e : entries("media string")) out.push_back(e.substr(13, e.rfind(" @") - 13));
        return out;
    };
    ASSERT_EQ(qrn, 1);
    WndProc(hwnd, WM_CREATE, 0, 0);
    EXPECT_EQ(strings(), (std::vector<std::string>{"open fone/noise.wav alias noise", "play noise notify"}));

    w_.trace.clear();
    EXPECT_EQ(WndProc(hwnd, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 0), 0);
    EXPECT_EQ(strings(), (std::vector<std::string>{"seek noise to start", "play noise notify"}));

    // Completion notices posted from any thread reach the procedure through the timer.
    w_.trace.clear();
    media_post_notify();
    media_post_notify();
    notify_step();
    EXPECT_EQ(strings().size(), 4u);
    w_.trace.clear();
    notify_step();
    EXPECT_TRUE(strings().empty());

    w_.trace.clear();
    click(ID_QRN);
    EXPECT_EQ(qrn, 0);
    EXPECT_EQ(strings(), (std::vector<std::string>{"stop fone/noise.wav", "close fone/noise.wav"}));
    w_.trace.clear();
    WndProc(hwnd, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 0);
    WndProc(hwnd, WM_CREATE, 0, 0);
    EXPECT_TRUE(strings().empty());  // no loop while QRN is off

    click(ID_QRN);
    EXPECT_EQ(qrn, 1);
    EXPECT_EQ(strings(), (std::vector<std::string>{"open fone/noise.wav alias noise", "play noise notify"}));
}

TEST_F(WindowPanel, SMeterShowsStrength) {
    for (int q = 0; q <= 5; ++q) {
        qsa = q;
        smetr(hwnd);
        EXPECT_EQ(std::string(ui_text(ID_SMETER)), std::string(q, '>') + std::string(5 - q, ' ')) << q;
    }
    qsa = 4;
    clr_smetr(hwnd);
    EXPECT_EQ(qsa, 0);
    EXPECT_EQ(std::string(ui_text(ID_SMETER)), "     ");
    // A retune empties the meter.
    qsa = 5;
    smetr(hwnd);
    key(VK_LEFT);
    EXPECT_EQ(std::string(ui_text(ID_SMETER)), "     ");
}

TEST_F(WindowPanel, InfoBox) {
    freq = 16000;
    w_.trace.clear();
    EXPECT_EQ(click(ID_INFO), 0);
    EXPECT_FALSE(retuned());
    EXPECT_EQ(w_.box_owner, hwnd);
    EXPECT_EQ(std::string(ui_last_box_caption()), " KESTREL Info" + std::string(16, ' ') + "KESTREL");
    std::string text = ui_last_box_text();
    const std::string head = "KESTREL\n\nVersion:  4.29\n\n";
    ASSERT_EQ(text.substr(0, head.size()), head);
    const char *help[] = {
        "BUTTONS/KEYS:",
        "OFF ...................... Quit",
        "Cursors................. Frequency tuning (also PgUp,PgDwn, middle buttons)",
        "SCAN ................... Scaning (nonstop)",
        "ATT ...................... Attenuator on/off",
        "FLT1/2 ................. Filter 1 kHz or 2 kHz",
        "LOW ..................... Sets lowest Receiver frequency",
        "MID ...................... Sets middle Receiver frequency",
        "HIGH .................... Sets highest Receiver frequency",
        "HIST ..................... Historical stations (before 1950s) on/off (most)",
        "CLIP ..................... Audio clips on/off",
        "BGND ................... Background stations (AM, SSB, RTLX,FAX etc..) on/off",
        "QRN ..................... Background noise on/off",
        "INFO .................... This info box",
        "SMPL .................. Sampling rate 3/4 (default is 3, 4 is not recommended)",
        "M1-M12 ............... One time memory",
    };
    // The help block: consecutive whole lines, in this order.
    std::string block = "\n";
    for (const char *line : help) block += std::string(line) + "\n";
    EXPECT_NE(text.find(block), std::string::npos);
    EXPECT_NE(text.find("1920s"), std::string::npos);
    EXPECT_NE(text.find("10 - 30 MHz"), std::string::npos);
    EXPECT_EQ(text, std::string(str));  // formatted in the shared buffer
}

TEST_F(WindowPanel, CommandsWithoutControlsDoNothing) {
    freq = 18000;
    std::vector<int> ids;
    for (int id = 114; id <= 120; ++id) ids.push_back(id);
    for (int id = 133; id <= 150; ++id) ids.push_back(id);
    ids.push_back(159);
    ids.push_back(0);
    for (int id : ids) {
        w_.trace.clear();
        EXPECT_EQ(click(id), 0);
        EXPECT_EQ(freq, 18000);
        EXPECT_TRUE(entries("media").empty()) << id;
        EXPECT_TRUE(entries("text").empty()) << id;
        EXPECT_EQ(find("def 273"), 0) << id;  // handed on to the default procedure
    }
    EXPECT_EQ(att + filter + scan, 0);
    EXPECT_EQ(hist + clips + bkgnd + qrn, 4);
    EXPECT_EQ(sampling, 4);
}

}  // namespace
}  // namespace kestrel::test

namespace kestrel::test {
namespace {

// A station's retune (tuning2) inside a reception: the carrier starts, the
// meter shows it, then dsp_freq redisplays, clears the meter, stops every
// channel and the carrier, and only then runs the band plan again.
TEST_F(WindowPanel, StationRetuneRunsTheWholeDspFreqInOrder) {
    set_retune_hook(retune_tuned);
    freq = 21013;
    band = 0;
    qsa = 4;
    w_.trace.clear();
    tuning2(1000, 2);
    set_retune_hook(nullptr);

    const int carrier = find("media loop TOVA9.WAV");
    const int meter = find("text " + std::to_string(ID_SMETER) + " [>>>>", carrier);
    const int display = find("text " + std::to_string(ID_FREQ_FIELD) + " [" + freq_text(21013) + "]");
    const int cleared = find("text " + std::to_string(ID_SMETER) + " [     ]", display);
    const int stop = find("media loop_stop", cleared);
    const int closed = find("media close 9", stop);
    ASSERT_GE(carrier, 0);
    EXPECT_LT(carrier, meter);
    EXPECT_LT(meter, display);
    EXPECT_LT(display, cleared);
    EXPECT_LT(cleared, stop);
    EXPECT_LT(stop, closed);
    // The band plan ran after the stop: the band is set and nothing it
    // started was stopped again by this retune.
    EXPECT_EQ(band, 21);
    EXPECT_EQ(find("media loop_stop", stop + 1), -1);
    EXPECT_FALSE(retune_nested());
}

TEST_F(WindowPanel, LettersWithCtrlAltOrTheLogoKeyAreNeverTheReceiversKeys) {
    freq = 17000;
    const intptr_t chords[] = {KEY_CTRL, KEY_ALT, KEY_META, KEY_CTRL | KEY_ALT};
    const uintptr_t letters[] = {VK_RECORD, VK_COPY_CHECK, 'A', 'Z', '5'};
    for (intptr_t mod : chords) {
        for (uintptr_t vk : letters) {
            w_.trace.clear();
            ui_reset();
            WndProc(hwnd, WM_KEYDOWN, vk, mod);
            EXPECT_TRUE(entries("side_show").empty()) << vk << " with " << mod << ": the copy check opened";
            EXPECT_TRUE(entries("box").empty()) << vk << " with " << mod << ": the recorder answered";
            EXPECT_TRUE(entries("title").empty()) << vk << " with " << mod;
            EXPECT_TRUE(entries("media").empty()) << vk << " with " << mod;
            EXPECT_EQ(entries("def 256").size(), 1u);  // still passed on, as every key is
        }
    }
    EXPECT_EQ(freq, 17000);
    // Typed alone, the same letters are the receiver's: C opens the copy
    // check, R answers (with no sound output open, that there is nothing to record).
    w_.trace.clear();
    key(VK_COPY_CHECK);
    EXPECT_EQ(entries("side_show").size(), 1u);
    key(VK_COPY_CHECK);
    EXPECT_EQ(entries("side_close").size(), 1u);
    key(VK_RECORD);
    ASSERT_EQ(entries("box Recording | Nothing to record").size(), 1u);
    // Shift changes no key's meaning; the tuning keys tune with any modifier.
    w_.trace.clear();
    WndProc(hwnd, WM_KEYDOWN, VK_COPY_CHECK, 0);
    EXPECT_EQ(entries("side_show").size(), 1u);
    key(VK_COPY_CHECK);
    WndProc(hwnd, WM_KEYDOWN, VK_RIGHT, KEY_CTRL);
    EXPECT_EQ(freq, 17001);
    WndProc(hwnd, WM_KEYDOWN, VK_PRIOR, KEY_ALT);
    EXPECT_EQ(freq, 17101);
}

TEST_F(WindowPanel, EverySwitchShowsItsStateAtAGlanceAndKeepsItsCaption) {
    struct Lamp {
        int id;
        bool (*lit)();
    } lamps[] = {
        {ID_ATT, [] { return att == 1; }},      {ID_FLT, [] { return filter == 1; }},
        {ID_HIST, [] { return hist == 1; }},    {ID_CLIP, [] { return clips == 1; }},
        {ID_BGND, [] { return bkgnd == 1; }},   {ID_QRN, [] { return qrn == 1; }},
        {ID_SMPL, [] { return sampling == 4; }}, {ID_SCAN, [] { return scan == 1; }},
    };
    freq = 21000;
    show_switches();
    for (const Lamp &l : lamps) EXPECT_EQ(ui_state(l.id), l.lit() ? 1 : 0) << "at start, control " << l.id;
    for (const Lamp &l : lamps) {
        for (int press = 1; press <= 2; ++press) {
            const bool before = l.lit();
            click(l.id);
            ASSERT_NE(l.lit(), before) << "control " << l.id << " did not switch";
            EXPECT_EQ(ui_state(l.id), l.lit() ? 1 : 0) << "control " << l.id << " press " << press;
        }
        // The caption stays; only FLT names its filter.
        if (l.id != ID_FLT) {
            EXPECT_EQ(std::string(ui_text(l.id)), "") << l.id;
        }
    }
    // A tuning key ends the scan, and its lamp goes out with it.
    click(ID_SCAN);
    EXPECT_EQ(ui_state(ID_SCAN), 1);
    key(VK_LEFT);
    EXPECT_EQ(ui_state(ID_SCAN), 0);
    // Buttons that are no switches are never lit.
    for (int id : {ID_OFF, ID_LOW, ID_MID, ID_HIGH, ID_INFO, ID_M1, ID_UP_1K}) EXPECT_EQ(ui_state(id), 0) << id;
}

TEST_F(WindowPanel, ScanningWaitsWhileABoxIsUp) {
    freq = 15000;
    click(ID_SCAN);
    int steps_under_box = 0;
    // The box's own loop keeps the timers going; each of them tries a step.
    w_.in_box = [&] {
        for (int i = 0; i < 5; ++i) {
            const int before = freq;
            scan_step();
            if (freq != before) ++steps_under_box;
        }
    };
    click(ID_INFO);
    EXPECT_EQ(steps_under_box, 0);
    EXPECT_EQ(freq, 15000);
    EXPECT_EQ(scan, 1);
    scan_step();  // closed: the scan goes on where it was
    EXPECT_EQ(freq, 15001);
}

}  // namespace
}  // namespace kestrel::test
