#include "platform/temp_files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace kestrel {

std::string make_temp_dir_in(const std::string &parent, const char *prefix, std::string *why) {
    std::string base = parent;
    if (base.empty()) {
        const char *tmp = std::getenv("TMPDIR");
        base = tmp && *tmp ? tmp : "/tmp";
    }
    std::string templ = base + "/" + prefix + "-XXXXXX";
    if (!mkdtemp(templ.data())) {
        if (why) *why = std::strerror(errno);
        return std::string();
    }
    return templ;
}

std::string make_temp_file_in(const std::string &folder, const std::string &prefix, const std::string &suffix,
                              std::string *why) {
    std::string templ = (folder.empty() ? std::string(".") : folder) + "/" + prefix + "XXXXXX" + suffix;
    const int fd = mkstemps(templ.data(), static_cast<int>(suffix.size()));
    if (fd < 0) {
        if (why) *why = std::strerror(errno);
        return std::string();
    }
    // A finished output is an ordinary file: the permissions the user's mask gives.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);
    return templ;
}

namespace {
// Read by the signal handler: fixed slots, each published by its flag only
// once its path is complete.
constexpr int kSignalPaths = 64;
constexpr size_t kPathMax = 4096;
char g_sig_path[kSignalPaths][kPathMax];
volatile sig_atomic_t g_sig_used[kSignalPaths];
std::mutex g_sig_mutex;
bool g_sig_installed = false;

extern "C" void remove_and_die(int sig) {
    for (int i = kSignalPaths - 1; i >= 0; --i) {
        if (!g_sig_used[i]) continue;
        if (unlink(g_sig_path[i]) != 0) rmdir(g_sig_path[i]);
    }
    signal(sig, SIG_DFL);
    raise(sig);
}
}  // namespace

void remove_on_signal(const std::string &path) {
    if (path.empty() || path.size() >= kPathMax) return;
    std::lock_guard<std::mutex> lk(g_sig_mutex);
    if (!g_sig_installed) {
        for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
            struct sigaction sa {};
            sa.sa_handler = remove_and_die;
            sigemptyset(&sa.sa_mask);
            sigaction(sig, &sa, nullptr);
        }
        g_sig_installed = true;
    }
    for (int i = 0; i < kSignalPaths; ++i) {
        if (g_sig_used[i]) continue;
        std::memcpy(g_sig_path[i], path.c_str(), path.size() + 1);
        g_sig_used[i] = 1;
        return;
    }
}

void forget_on_signal(const std::string &path) {
    std::lock_guard<std::mutex> lk(g_sig_mutex);
    for (int i = kSignalPaths - 1; i >= 0; --i) {
        if (g_sig_used[i] && path == g_sig_path[i]) {
            g_sig_used[i] = 0;
            return;
        }
    }
}

bool files_limit_size(long long bytes) {
    struct rlimit lim {};
    if (getrlimit(RLIMIT_FSIZE, &lim) != 0) return false;
    // The signal would end the process; the failed write is what is wanted.
    signal(SIGXFSZ, SIG_IGN);
    lim.rlim_cur = bytes < 0 ? lim.rlim_max : static_cast<rlim_t>(bytes);
    return setrlimit(RLIMIT_FSIZE, &lim) == 0;
}

namespace {
std::mutex g_quiet_mutex;
int g_quiet_depth = 0;
int g_saved_stderr = -1;
}  // namespace

void quiet_stderr_begin() {
    std::lock_guard<std::mutex> lk(g_quiet_mutex);
    if (g_quiet_depth++ > 0) return;
    std::fflush(stderr);
    g_saved_stderr = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null >= 0) {
        dup2(null, STDERR_FILENO);
        close(null);
    }
}

void quiet_stderr_end() {
    std::lock_guard<std::mutex> lk(g_quiet_mutex);
    if (g_quiet_depth == 0 || --g_quiet_depth > 0) return;
    std::fflush(stderr);
    if (g_saved_stderr >= 0) {
        dup2(g_saved_stderr, STDERR_FILENO);
        close(g_saved_stderr);
        g_saved_stderr = -1;
    }
}

}  // namespace kestrel
