#include "state/log.h"

#include <mutex>

#include "platform/clock.h"
#include "platform/log_sink.h"
#include "state/emission.h"
#include "state/random.h"
#include "state/receiver.h"

namespace kestrel {

#ifdef KESTREL_DEBUG_LOG
int debug = 1;
#else
int debug = 0;
#endif
FILE *log = nullptr;
FILE *savefile = nullptr;

void Log(const char *function, const char *info, unsigned long param) {
    if (!debug) return;
    FILE *f = std::fopen("TOVA_LOG.TXT", "a");
    if (!f) return;  // an unwritable log skips the block
    // The channel threads log too; each uses its own stream and only a copy of the clock.
    SYSTEMTIME now;
    GetSystemTime(&now);
    t = now;
    std::fprintf(f,
                 "\n Function: %s \n Info: %s \n Time: %02d:%02d:%02d:%02d  Ticks:%d \n freq: %d  \n spd: %d  \n ton: "
                 "%d \n qsa: %d \n qrh: %d \n rto: %d \n f1: %d \n sz: %d \n hand: %d \n  spacing: %d \n additional "
                 "param: %u\n",
                 function ? function : "", info ? info : "", now.wHour, now.wMinute, now.wSecond, now.wMilliseconds,
                 static_cast<int>(GetTickCount()), freq, spd, ton, qsa, qrh, rto, _f1, sz, hand, spacing,
                 static_cast<unsigned>(param));
    std::fclose(f);
}

void Log_thread(const char *function, const char *info, unsigned long param) {
    if (!debug) return;
    // Threads append one block at a time among themselves; the window thread's
    // blocks are whole single writes of their own.
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    FILE *f = std::fopen("TOVA_LOG.TXT", "a");
    if (!f) return;
    // The receiver's clock, also when it was set to another instant.
    int64_t ms = clock_utc_ms() % 86400000;
    if (ms < 0) ms += 86400000;
    std::fprintf(f, "\n Function: %s \n Info: %s \n Time: %02d:%02d:%02d:%02d  Ticks:%d \n additional param: %u\n",
                 function ? function : "", info ? info : "", static_cast<int>(ms / 3600000),
                 static_cast<int>(ms / 60000 % 60), static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000),
                 static_cast<int>(GetTickCount()), static_cast<unsigned>(param));
    std::fclose(f);
}

namespace {
// The media layer's messages come from its own threads: they go in as thread blocks.
[[maybe_unused]] const bool platform_sink_installed = (set_log_sink(Log_thread), true);
}  // namespace

void Error_Code(int code) {
    char text[64];
    std::snprintf(text, sizeof text, "Error code: %d", code);
    Log("ERROR", text, static_cast<unsigned long>(code));
}

void save_file_name(char *name, int size) {
    SYSTEMTIME now;
    GetSystemTime(&now);
    std::snprintf(name, static_cast<size_t>(size), "%05dkHz_%04d%02d%02d%02d%02d.wav", freq, now.wYear, now.wMonth,
                  now.wDay, now.wHour, now.wMinute);
}

void save_file() {
    char name[64];
    save_file_name(name, sizeof name);
    savefile = std::fopen(name, "w");
    if (savefile) {
        std::fclose(savefile);
        savefile = nullptr;
    }
}

}  // namespace kestrel
