// What a reception holds, told in words: the emissions of the send stack with
// their parameters and texts. The command-line tool prints it, and the copy
// check window shows it to a listener who wants to compare their copy.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

struct SlotReport {
    int channel;
    int spd, ton, qsa, rto, f1, sz, kana, qrh, bw, hand, spark, spacing;
    uint32_t ms;       // playing time, 0 when not rendered
    std::string text;  // the slot text, control codes shown readably
    bool audible;      // the text holds something that sounds
};

struct KeyStep;
// One step of slot text as the reports show it: "{spd 24}", "{ton 1000}",
// "{qsa 3}", "{tune}", "{200}" for a byte that prints as nothing, else the character.
std::string step_text(const KeyStep &step);
// True when the step is a character that the Morse writer sounds.
bool sounds(const KeyStep &step);
// Control codes shown readably: {spd 24}{ton 1000}{qsa 3}, {tune} for the tuning mark.
std::string readable(const char *text);
// True when the slot holds a character that the Morse writer sounds.
bool audible(const char *text);
// Playing time of the channel file "TOVA<k>.WAV" in the working folder; 0 if none.
uint32_t channel_file_ms(int k);

// Every closed slot of the send stack; `rendered` reads the playing times of the channel files.
std::vector<SlotReport> slot_reports(bool rendered);
// "channel 0  spd 18  ton 800  qsa 3  hand  5120 ms" ("  (silent)" after a slot that sounds nothing).
std::string slot_heading(const SlotReport &e);

// The copy check (app/copy_desk.cpp): the tuned frequency and the time, then
// every emission's heading and text, as the command-line tool prints a
// reception, and every recording, clip and carrier the reception started.
// copy_check_text is the whole of it at once.
std::string copy_check_text();
// C: opens the copy check window, or closes it when it is open.
void copy_check_toggle();
// After every retune: the open window shows the new reception; nothing when closed.
void copy_check_refresh();
bool copy_check_open();

}  // namespace kestrel
