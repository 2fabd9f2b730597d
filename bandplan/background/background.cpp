#include "bandplan/background/background.h"

#include <cstdio>
#include <cstdlib>

#include "bandplan/clips/clip_table.h"
#include "platform/media.h"
#include "procedures/markers.h"
#include "procedures/predicates.h"
#include "procedures/send.h"
#include "procedures/voice.h"
#include "state/receiver.h"
#include "synth/channels.h"
#include "synth/machine.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel {

int clip_ind = CLIP_NONE;
ClipEntryVisitor clip_entry_visitor = nullptr;

void background_reset() {
    clip_ind = CLIP_NONE;
    clip_entry_visitor = nullptr;
}

BackgroundTable background_table(int band_nr) {
    switch (band_nr) {
    case 10: return {243, background_tab_10, prob_tab_10};
    case 11: return {194, background_tab_11, prob_tab_11};
    case 12: return {175, background_tab_12, prob_tab_12};
    case 13: return {271, background_tab_13, prob_tab_13};
    case 14: return {193, background_tab_14, prob_tab_14};
    case 15: return {121, background_tab_15, prob_tab_15};
    case 16: return {214, background_tab_16, prob_tab_16};
    case 17: return {180, background_tab_17, prob_tab_17};
    case 18: return {216, background_tab_18, prob_tab_18};
    case 19: return {205, background_tab_19, prob_tab_19};
    case 20: return {187, background_tab_20, prob_tab_20};
    case 21: return {77, background_tab_21, prob_tab_21};
    case 22: return {165, background_tab_22, prob_tab_22};
    case 23: return {144, background_tab_23, prob_tab_23};
    case 24: return {50, background_tab_24, prob_tab_24};
    case 25: return {58, background_tab_25, prob_tab_25};
    case 26: return {34, background_tab_26, prob_tab_26};
    case 27: return {20, background_tab_27, prob_tab_27};
    case 28: return {2, background_tab_28, prob_tab_28};
    default: return {0, nullptr, nullptr};
    }
}

int background_entries() {
    int total = 0;
    for (int b = 10; b <= 28; ++b) total += background_table(b).count;
    return total;
}

namespace {

const char *const RY = "RYRYRY";

// A carrier of random strength and tone, for the hour-parity codes.
void random_carrier() {
    qsa = static_cast<int>(myrand() & 3u) + 1;
    n0n(800 + std::rand() % 700);
}

// Acts on one signal code; false for a code that has no action, so the
// search goes on with the next entry.
bool background_signal(int code) {
    if (code >= 0 && code <= 59) {
        fone_cond(code);
        return true;
    }
    switch (code) {
    case 61: fax(120, 576); return true;
    case 62: sitor(); return true;
    case 91:
        qsa = 5;
        n0n(1000);
        return true;
    case 92:
        if (t.wHour % 2 == 1) random_carrier();
        return true;
    case 93:
        if (t.wHour % 2 == 0) random_carrier();
        return true;
    case 520: data(200, 3); return true;
    default: break;
    }

    using Sender = void (*)(const char *, int);
    // Teleprinters: 60 minute divisors per range.
    static const Sender plain[] = {rtlx_cond_50_170, rtlx_cond_50_425, rtlx_cond_50_850, rtlx_cond_75_170,
                                   rtlx_cond_75_425, rtlx_cond_75_850, rtlx_cond_arqe_96};
    if (code >= 100 && code <= 519) {
        int k = (code - 100) / 60;
        plain[k](RY, (code - 100) % 60);
        return true;
    }
    // Day-only and night-only teleprinters: a day range and a night range of
    // 60 each per kind, in the order of the plain ones (ARQ-E has none).
    if (code >= 2000 && code <= 2719) {
        int k = (code - 2000) / 120;
        int within = (code - 2000) % 120;
        bool night_range = within >= 60;
        if (night_range ? night() : day()) plain[k](RY, within % 60);
        return true;
    }
    return false;
}

}  // namespace

void get_background(int count, const int32_t *frequencies, const int32_t *codes) {
    if (bkgnd == 0) return;
    clip();
    stn();
    if (!frequencies || !codes) return;
    for (int i = 0; i < count; ++i) {
        if (frequencies[i] != freq) continue;
        // The first entry of the frequency that has an action is the only one
        // heard, whether its own clock test lets it sound or not.
        if (background_signal(codes[i])) return;
    }
}

void clip_at(int f, int index) {
    if (clip_entry_visitor) clip_entry_visitor(f, index);
    if (freq == f) clip_ind = index;
}

void clip_at_any(std::initializer_list<int> fs, int index) {
    for (int f : fs) clip_at(f, index);
}

void clip() {
    clip_ind = CLIP_NONE;
    // The CLIP switch silences the clips and leaves the rest of the background.
    if (!clips) return;
    using ClipList = void (*)();
    static const ClipList lists[] = {clip_10, clip_11, clip_12, clip_13, clip_14, clip_15, clip_16,
                                     clip_17, clip_18, clip_19, clip_20, clip_21, clip_22, clip_23,
                                     clip_24, clip_25, clip_26, clip_27, clip_28, clip_29};
    int b = freq / 1000;
    if (b >= 10 && b <= 29) lists[b - 10]();
    if (clip_ind == CLIP_NONE) return;
    if (cond(2)) return;
    // Mended: an index past the table or onto an empty slot plays nothing
    // rather than reading outside the names or sending a bare folder.
    if (clip_ind < 0 || clip_ind >= CLIP_SLOTS || clip_table[clip_ind][0] == 0) return;
    std::snprintf(fbuf, FBUF_SIZE, "play fone/%.*s", CLIP_NAME_SIZE, clip_table[clip_ind]);
    media().send_string(fbuf);
    std::snprintf(fbuf, FBUF_SIZE, "close fone/%.*s", CLIP_NAME_SIZE, clip_table[clip_ind]);
}

}  // namespace kestrel
