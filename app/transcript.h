// The transcript of a reception in step with its sound. Everything here is
// read from what the Morse writer recorded while it keyed each channel file
// (synth/key_walk.h), so the times are those of the samples themselves: a
// character is shown when its last element has sounded.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "synth/key_walk.h"

namespace kestrel {

// How the copy check shows the texts.
enum class CopyMode : int { as_keyed = 0, all_at_once = 1, hidden = 2 };
constexpr int COPY_MODES = 3;
// "as keyed", "all at once", "hidden until the end".
const char *copy_mode_name(CopyMode mode);

// The station keying each step: a slot that carries a dialog changes
// stations with every group of parameter codes; stations are numbered in
// the order they are first heard (0 = A) by the speed, tone and strength
// they set. `count` is the number of stations heard in the slot.
struct Stations {
    std::vector<int> of_step;
    int count = 0;
};
Stations stations_of(const KeyedText &k);

// What channel k's file has keyed by `ms` of its playback, as the reports
// show it (codes as "{spd 24}"). When the slot carries a dialog, every turn
// starts a line marked with its station ("A: ", "B: ").
std::string keyed_by(const KeyedText &k, uint32_t ms);
// The whole text in the same form (keyed_by at the end of the file).
std::string keyed_all(const KeyedText &k);
// What a listener copies by `ms`: the characters that sound, upper case,
// with a single blank where words part; no codes, no tuning marks. Only
// the words that began at or after `from_ms` (a copy started late).
std::string copy_by(const KeyedText &k, uint32_t ms, uint32_t from_ms = 0);
// When the last character that sounds has ended, in ms of playback (0 if none).
uint32_t keyed_end_ms(const KeyedText &k);
// Playing time of the file in ms.
uint32_t keyed_total_ms(const KeyedText &k);

// A word as it was keyed: its characters (codes left out), from the start of
// its first element to the end of its last, and the station keying it.
// A run of tuning marks is one word, "{tune}".
struct KeyedWord {
    std::string text;
    uint32_t begin_ms = 0, end_ms = 0;
    int station = 0;
};
std::vector<KeyedWord> keyed_words(const KeyedText &k);

// The speed the text was keyed at up to `to_ms`, in words per minute of 50
// dot units ("PARIS"): its length in dot units over the time from its first
// element to its last; 0 when too little has sounded to tell.
double keyed_wpm(const KeyedText &k, uint32_t to_ms);

// The first call sign heard in a copy: the first word of three to seven
// letters and digits that is not a procedure word, a Q code or a number;
// "" if none.
std::string first_call(const std::string &copy);

// Where the receiver's playback of channel k (0..8) stands: ms since it
// started; UINT32_MAX when it has ended or was stopped; 0 when it never played.
uint32_t channel_played_ms(int k);

}  // namespace kestrel
