#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>

namespace kestrel {

int DeleteFileA(const char *path) { return file_remove(path) == 0 ? 1 : 0; }

std::string working_folder() {
    std::error_code ec;
    std::string dir = std::filesystem::current_path(ec).string();
    return ec ? std::string() : dir;
}

namespace {

// The fake disk: bytes left (negative: no fake) and whether space can be claimed ahead.
std::mutex g_fake_mu;
int64_t g_fake_free = -1;
bool g_fake_no_reserve = false;

// Takes `n` bytes from the fake disk; false when they are not there (the rest is taken).
bool fake_take(uint64_t n, uint64_t *granted) {
    std::lock_guard<std::mutex> lk(g_fake_mu);
    *granted = n;
    if (g_fake_free < 0) return true;
    if (n <= static_cast<uint64_t>(g_fake_free)) {
        g_fake_free -= static_cast<int64_t>(n);
        return true;
    }
    *granted = static_cast<uint64_t>(g_fake_free);
    g_fake_free = 0;
    return false;
}

}  // namespace

struct OutFile {
    int fd = -1;
    uint64_t claimed = 0;  // bytes whose disk space is already held
};

void files_fake_free_space(int64_t bytes) {
    std::lock_guard<std::mutex> lk(g_fake_mu);
    g_fake_free = bytes < 0 ? -1 : bytes;
}

void files_fake_no_reserve(bool on) {
    std::lock_guard<std::mutex> lk(g_fake_mu);
    g_fake_no_reserve = on;
}

OutFile *out_file_create(const char *path, int *err) {
    int fd;
    do fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        *err = errno;
        return nullptr;
    }
    // Only plain files: a fifo or a device under the name would not hold a sound.
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *err = EINVAL;
        ::close(fd);
        return nullptr;
    }
    *err = 0;
    auto *f = new OutFile;
    f->fd = fd;
    return f;
}

int out_file_reserve(OutFile *f, uint64_t size) {
    bool claim;
    {
        std::lock_guard<std::mutex> lk(g_fake_mu);
        claim = !g_fake_no_reserve;
    }
    if (claim && size > f->claimed) {
        uint64_t granted;
        if (!fake_take(size - f->claimed, &granted)) return ENOSPC;
        if (::fallocate(f->fd, 0, 0, static_cast<off_t>(size)) == 0) {
            f->claimed = size;
            return 0;
        }
        const int e = errno;
        if (e != EOPNOTSUPP && e != ENOSYS) return e;
    }
    return ::ftruncate(f->fd, static_cast<off_t>(size)) == 0 ? 0 : errno;
}

int out_file_write_at(OutFile *f, uint64_t offset, const void *data, size_t n) {
    const auto *p = static_cast<const char *>(data);
    uint64_t grant = n;
    bool full = false;
    if (offset + n > f->claimed) {
        const uint64_t from = offset > f->claimed ? offset : f->claimed;
        const uint64_t fresh = offset + n - from;
        uint64_t granted;
        if (!fake_take(fresh, &granted)) {
            full = true;
            grant = from - offset + granted;
        }
    }
    size_t left = static_cast<size_t>(grant);
    while (left > 0) {
        const ssize_t w = ::pwrite(f->fd, p, left, static_cast<off_t>(offset));
        if (w < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (w == 0) return EIO;
        p += w;
        offset += static_cast<uint64_t>(w);
        left -= static_cast<size_t>(w);
    }
    return full ? ENOSPC : 0;
}

int out_file_truncate(OutFile *f, uint64_t size) {
    if (::ftruncate(f->fd, static_cast<off_t>(size)) != 0) return errno;
    if (size < f->claimed) f->claimed = size;
    return 0;
}

int out_file_close(OutFile *f) {
    if (!f) return 0;
    const int rc = ::close(f->fd) == 0 ? 0 : errno;
    delete f;
    return rc;
}

int file_rename(const char *from, const char *to) { return std::rename(from, to) == 0 ? 0 : errno; }

int file_remove(const char *path) { return ::unlink(path) == 0 ? 0 : errno; }

namespace {
std::mutex g_progress_mu;
std::map<std::string, std::shared_ptr<WriteProgress>> g_progress;

std::string absolute_name(const char *path) {
    if (path[0] == '/') return path;
    return working_folder() + "/" + path;
}
}  // namespace

std::shared_ptr<WriteProgress> write_progress_begin(const std::string &path) {
    auto p = std::make_shared<WriteProgress>();
    std::lock_guard<std::mutex> lk(g_progress_mu);
    g_progress[path] = p;
    return p;
}

void write_progress_end(const std::shared_ptr<WriteProgress> &p, const std::string &path, int state) {
    if (!p) return;
    p->state.store(state, std::memory_order_release);
    std::lock_guard<std::mutex> lk(g_progress_mu);
    auto it = g_progress.find(path);
    if (it != g_progress.end() && it->second == p) g_progress.erase(it);
}

std::shared_ptr<WriteProgress> write_progress_find(const char *path) {
    if (!path || !*path) return nullptr;
    std::lock_guard<std::mutex> lk(g_progress_mu);
    if (g_progress.empty()) return nullptr;  // the usual case: no getcwd
    auto it = g_progress.find(absolute_name(path));
    return it == g_progress.end() ? nullptr : it->second;
}

}  // namespace kestrel

namespace kestrel {

namespace {
const FileBackend *g_files = &files_stdio;

void *stdio_open(const char *path) { return std::fopen(path, "wb"); }

size_t stdio_append(void *file, const void *data, size_t bytes) {
    auto *f = static_cast<FILE *>(file);
    uint64_t room = 0;
    fake_take(bytes, &room);  // a test's full disk takes no more than it has left
    const size_t n = std::fwrite(data, 1, static_cast<size_t>(room), f);
    // A full disk shows at the flush: what is still buffered is not written.
    if (std::fflush(f) != 0) return 0;
    return n;
}

int stdio_overwrite(void *file, uint32_t offset, const void *data, size_t bytes) {
    auto *f = static_cast<FILE *>(file);
    if (std::fseek(f, static_cast<long>(offset), SEEK_SET) != 0) return 0;
    const bool ok = std::fwrite(data, 1, bytes, f) == bytes;
    const bool back = std::fseek(f, 0, SEEK_END) == 0;
    return ok && back && std::fflush(f) == 0 ? 1 : 0;
}

int stdio_close(void *file) { return std::fclose(static_cast<FILE *>(file)) == 0 ? 1 : 0; }
}  // namespace

const FileBackend files_stdio = {"stdio", stdio_open, stdio_append, stdio_overwrite, stdio_close};

void files_use(const FileBackend *backend) { g_files = backend ? backend : &files_stdio; }
const FileBackend &files() { return *g_files; }

}  // namespace kestrel

#include <limits.h>
#include <sys/stat.h>

#include <cerrno>

namespace kestrel {

namespace {

bool is_dir(const std::string &path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string absolute(const std::string &path) {
    char buf[PATH_MAX];
    return realpath(path.c_str(), buf) ? std::string(buf) : std::string();
}

// mkdir -p; new folders are the user's alone (the channel files are nobody else's business).
bool make_folders(const std::string &path) {
    if (path.empty()) return false;
    for (std::size_t at = path.find('/', 1);; at = path.find('/', at + 1)) {
        std::string part = path.substr(0, at);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (at == std::string::npos) break;
    }
    return is_dir(path);
}

std::string env(const char *name) {
    const char *v = std::getenv(name);
    return v && *v ? std::string(v) : std::string();
}

}  // namespace

std::string installed_fone_place(const char *exe) {
    if (!exe || !*exe) return std::string();
    std::string path = absolute(exe);
    if (path.empty()) return std::string();
    std::string dir = path.substr(0, path.rfind('/'));
    // <prefix>/bin/.. is <prefix>: said without the detour where it can be.
    const std::string prefix = absolute(dir + "/..");
    return (prefix.empty() ? dir + "/.." : prefix == "/" ? "" : prefix) + "/share/kestrel/fone";
}

std::string installed_fone(const char *exe) {
    const std::string place = installed_fone_place(exe);
    if (place.empty()) return std::string();
    std::string fone = absolute(place);
    return !fone.empty() && is_dir(fone) ? fone : std::string();
}

std::vector<std::string> user_folders() {
    std::vector<std::string> out;
    // Absolute paths only: a relative one would land in the starting folder again.
    if (std::string run = env("XDG_RUNTIME_DIR"); !run.empty() && run[0] == '/') out.push_back(run + "/kestrel");
    if (std::string cache = env("XDG_CACHE_HOME"); !cache.empty() && cache[0] == '/') {
        out.push_back(cache + "/kestrel");
    } else if (std::string home = env("HOME"); !home.empty() && home[0] == '/') {
        out.push_back(home + "/.cache/kestrel");
    }
    return out;
}

bool link_fone(const std::string &folder, const std::string &fone) {
    if (!make_folders(folder)) return false;
    std::string link = folder + "/fone";
    struct stat st;
    if (lstat(link.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) return S_ISDIR(st.st_mode);  // the user's own recordings
        if (absolute(link) == fone) return true;
        if (unlink(link.c_str()) != 0) return false;  // left over from another installation
    }
    return symlink(fone.c_str(), link.c_str()) == 0;
}

namespace {
std::string g_start_folder;
}

const std::string &start_folder() { return g_start_folder; }

std::string enter_working_folder(const char *exe) {
    if (is_dir("fone")) return std::string();
    std::string fone = installed_fone(exe ? exe : "/proc/self/exe");
    if (fone.empty()) return std::string();
    for (const std::string &folder : user_folders()) {
        char here[4096];
        const bool known = getcwd(here, sizeof here) != nullptr;
        if (link_fone(folder, fone) && chdir(folder.c_str()) == 0) {
            g_start_folder = known ? here : "";
            return folder;
        }
    }
    return std::string();
}

}  // namespace kestrel
