// Background of the bands: recorded voice, teleprinter, fax and SITOR, data
// bursts and carriers on fixed frequencies, and the broadcast clips.
#pragma once
#include <cstdint>
#include <initializer_list>

namespace kestrel {

// Per band 10..28: frequencies in kHz and signal codes, indexed together.
extern const int32_t background_tab_10[243], prob_tab_10[243];
extern const int32_t background_tab_11[194], prob_tab_11[194];
extern const int32_t background_tab_12[175], prob_tab_12[175];
extern const int32_t background_tab_13[271], prob_tab_13[271];
extern const int32_t background_tab_14[193], prob_tab_14[193];
extern const int32_t background_tab_15[121], prob_tab_15[121];
extern const int32_t background_tab_16[214], prob_tab_16[214];
extern const int32_t background_tab_17[180], prob_tab_17[180];
extern const int32_t background_tab_18[216], prob_tab_18[216];
extern const int32_t background_tab_19[205], prob_tab_19[205];
extern const int32_t background_tab_20[187], prob_tab_20[187];
extern const int32_t background_tab_21[77], prob_tab_21[77];
extern const int32_t background_tab_22[165], prob_tab_22[165];
extern const int32_t background_tab_23[144], prob_tab_23[144];
extern const int32_t background_tab_24[50], prob_tab_24[50];
extern const int32_t background_tab_25[58], prob_tab_25[58];
extern const int32_t background_tab_26[34], prob_tab_26[34];
extern const int32_t background_tab_27[20], prob_tab_27[20];
extern const int32_t background_tab_28[2], prob_tab_28[2];

// The figure the start-up statistics give for the background tables. The
// per-band counts below add up to 2749; the report has always said 2754.
constexpr int BACKGROUND_STATISTIC = 2754;
// Entries the band functions pass to get_background, all bands together.
int background_entries();

// The tables of a band and their entry count; count 0 and null tables for
// bands without background (29 and anything outside 10..28).
struct BackgroundTable {
    int count;
    const int32_t *frequencies;
    const int32_t *codes;
};
BackgroundTable background_table(int band_nr);

// Clip chosen for the tuned frequency; CLIP_NONE when there is none.
constexpr int CLIP_NONE = 0xffff;
extern int clip_ind;

// Plays the background signal of freq, if its table lists one, and its clip.
void get_background(int count, const int32_t *frequencies, const int32_t *codes);
// Chooses and starts the clip of freq, leaving its close command in fbuf.
void clip();

// The clip lists, one per band; each sets clip_ind on its matching entries.
void clip_10();
void clip_11();
void clip_12();
void clip_13();
void clip_14();
void clip_15();
void clip_16();
void clip_17();
void clip_18();
void clip_19();
void clip_20();
void clip_21();
void clip_22();
void clip_23();
void clip_24();
void clip_25();
void clip_26();
void clip_27();
void clip_28();
void clip_29();

// One clip entry: clip_ind = index when freq is f (or one of fs).
void clip_at(int f, int index);
void clip_at_any(std::initializer_list<int> fs, int index);

// Listing aid: when set, every clip entry whose guard holds is reported with
// its frequency and index, whatever the tuned frequency.
using ClipEntryVisitor = void (*)(int f, int index);
extern ClipEntryVisitor clip_entry_visitor;

// No clip chosen, no listing visitor.
void background_reset();

}  // namespace kestrel
