// The waterfall window: the spectrum of what the listener hears (see
// platform/waterfall_feed.h), scrolling, with an audio-frequency scale in Hz and
// the edges of the filter in force. Its toolkit backend lives in
// platform/fltk/; the headless one keeps only whether it is open, so the
// receiver's logic runs without a display.
#pragma once

namespace kestrel {

struct WaterfallBackend {
    const char *name;
    // Opens the window (or raises it) and starts collecting the spectrum.
    void (*show)();
    // Closes it and stops collecting; closing it by the window system is the same.
    void (*close)();
    int (*shown)();
};

void waterfall_use(const WaterfallBackend *backend);
const WaterfallBackend &waterfall();
extern const WaterfallBackend waterfall_headless;

// The span of the scale: from 0 Hz up to this.
constexpr double kWaterfallTopHz = 6000.0;

}  // namespace kestrel
