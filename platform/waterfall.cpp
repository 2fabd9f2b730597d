#include "platform/waterfall.h"

#include "platform/waterfall_feed.h"

namespace kestrel {

namespace {
const WaterfallBackend *g_backend = &waterfall_headless;
int g_shown = 0;
void headless_show() {
    g_shown = 1;
    spectrum_arm(true);
}
void headless_close() {
    g_shown = 0;
    spectrum_arm(false);
}
int headless_shown() { return g_shown; }
}  // namespace

const WaterfallBackend waterfall_headless = {"headless", headless_show, headless_close, headless_shown};

void waterfall_use(const WaterfallBackend *backend) { g_backend = backend ? backend : &waterfall_headless; }
const WaterfallBackend &waterfall() { return *g_backend; }

}  // namespace kestrel
