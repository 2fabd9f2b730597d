// Copy practice: the learner types what they hear on one channel, and the
// copy is compared with what that channel has keyed so far.
#pragma once
#include <cstddef>
#include <string>

namespace kestrel {

// A copy compared letter by letter (blanks are left out: a word break heard
// in the wrong place is no letter lost) by edit distance with the text keyed.
struct CopyScore {
    size_t letters = 0;  // letters keyed that the copy is measured against
    size_t typed = 0;    // letters typed
    size_t missed = 0;   // keyed letters the copy lacks
    size_t extra = 0;    // typed letters that were never keyed
    size_t confused = 0; // keyed letters copied as another
    std::string missed_letters;  // "E T"
    std::string confusions;      // "S>H 5>4" (keyed > typed)
    size_t errors() const { return missed + extra + confused; }
    // Character error rate: errors per keyed letter (0 when nothing was keyed).
    double cer() const;
    // 100 x (1 - CER), not below 0.
    double accuracy() const;
};

// Upper case, blanks left out; with `cut_zero` a T stands for the 0 it was sent for.
std::string copy_letters(const std::string &text, bool cut_zero = false);
// Scores `typed` against `keyed`. With `open_end` (the station is still
// sending) the keyed letters beyond the copy's end are not yet counted missed.
CopyScore score_copy(const std::string &keyed, const std::string &typed, bool open_end, bool cut_zero = false);
// "accuracy 93.8%  CER 6.2%  missed 1 (E)  confused 1 (S>H)  extra 0  of 16 letters"
std::string score_line(const CopyScore &s);

// The practice log in the start folder: one CSV line per practised station.
constexpr const char *PRACTICE_LOG = "kestrel_practice.csv";
struct PracticeEntry {
    std::string date;  // "2026-12-09T08:15:45Z"
    int khz = 0;
    std::string call;  // the station's first call, "" if none was heard
    double wpm = 0;
    CopyScore score;
};
// The CSV line (no line end): date,frequency_khz,call,wpm,characters,errors,accuracy
std::string practice_csv(const PracticeEntry &e);
// Appends the line to `path`, with the header line first when the file is new;
// "" or the reason it could not.
std::string practice_log(const std::string &path, const PracticeEntry &e);

}  // namespace kestrel
