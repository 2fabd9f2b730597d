#include "platform/window.h"

namespace kestrel {

namespace {
const WindowBackend *g_backend = &window_headless;
int g_quit_code = 0;

int headless_claim(const char *) { return 1; }
int headless_register(const char *) { return 1; }
int headless_create(const char *, const char *, int, int, WindowProc) { return 1; }
void headless_control(int, const ControlSpec &) {}
intptr_t headless_def_proc(int, uint32_t, uintptr_t, intptr_t) { return 0; }
void headless_timer(int, void (*)()) {}
int headless_run() { return g_quit_code; }
void headless_quit(int code) { g_quit_code = code; }
}  // namespace

const WindowBackend window_headless = {"headless",       headless_claim,    headless_register,
                                       headless_create,  headless_control,  headless_def_proc,
                                       headless_timer,   headless_run,      headless_quit};

void window_use(const WindowBackend *backend) { g_backend = backend ? backend : &window_headless; }
const WindowBackend &window() { return *g_backend; }

}  // namespace kestrel
