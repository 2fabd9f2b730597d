// The one-instance lock: an exclusive flock on a small file. The kernel drops
// the lock with the last descriptor, so a crashed holder never blocks a start.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include "platform/window.h"

namespace kestrel {

namespace {
std::mutex g_mutex;
std::vector<int> g_held;  // descriptors kept open for the life of the process
std::string g_path;
}  // namespace

const char *instance_lock_path(const char *name) {
    std::lock_guard<std::mutex> lock(g_mutex);
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) {
        g_path = std::string(runtime) + "/kestrel-" + name + ".lock";
    } else {
        // A shared folder: one file per user, so users do not block each other.
        g_path = std::string("/tmp/kestrel-") + name + "-" + std::to_string(static_cast<unsigned>(getuid())) + ".lock";
    }
    return g_path.c_str();
}

int instance_claim(const char *name) {
    std::string path = instance_lock_path(name);
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return 1;  // no lock possible here: start anyway
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int err = errno;
        close(fd);
        return err == EWOULDBLOCK ? 0 : 1;
    }
    std::lock_guard<std::mutex> lock(g_mutex);
    g_held.push_back(fd);
    return 1;
}

void instance_release() {
    std::lock_guard<std::mutex> lock(g_mutex);
    for (int fd : g_held) close(fd);
    g_held.clear();
}

}  // namespace kestrel
