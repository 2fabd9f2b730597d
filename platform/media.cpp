#include "platform/media.h"

#include <atomic>
#include <mutex>

namespace kestrel {

namespace {
// Read by the channel watchdogs as well as the window thread.
std::atomic<const MediaBackend *> g_backend{&media_null};
std::mutex g_rec_mutex;
std::vector<std::string> g_recorded;
std::atomic<int> g_notify{0};

void null_play(int, const char *) {}
void null_close(int) {}
void null_string(const char *) {}
void null_loop(const char *) {}
int null_devs() { return 0; }

void rec_push(std::string s) {
    std::lock_guard<std::mutex> lock(g_rec_mutex);
    g_recorded.push_back(std::move(s));
}
void rec_play(int k, const char *file) { rec_push("channel_play " + std::to_string(k) + " " + file); }
void rec_close(int k) { rec_push("channel_close " + std::to_string(k)); }
void rec_string(const char *command) { rec_push(std::string("string ") + command); }
void rec_loop(const char *file) { rec_push(file ? std::string("loop_play ") + file : std::string("loop_stop")); }
int rec_devs() { return 1; }
}  // namespace

const MediaBackend media_null = {"null", null_play, null_close, null_string, null_loop, null_devs};
const MediaBackend media_recording = {"recording", rec_play, rec_close, rec_string, rec_loop, rec_devs};

void media_use(const MediaBackend *backend) { g_backend = backend ? backend : &media_null; }
const MediaBackend &media() { return *g_backend.load(); }

const std::vector<std::string> &media_recorded() { return g_recorded; }
void media_recorded_clear() {
    std::lock_guard<std::mutex> lock(g_rec_mutex);
    g_recorded.clear();
}

void media_post_notify() { g_notify.fetch_add(1); }
int media_take_notify() { return g_notify.exchange(0); }

}  // namespace kestrel
