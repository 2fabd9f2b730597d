#include "platform/files.h"
#include <unistd.h>

#include <cstdio>

namespace kestrel {

int DeleteFileA(const char *path) { return std::remove(path) == 0 ? 1 : 0; }

}  // namespace kestrel

#include <cstdlib>
#include <string>

namespace kestrel {

std::string make_temp_dir(const char *prefix) {
    const char *base = std::getenv("TMPDIR");
    std::string templ = std::string(base && *base ? base : "/tmp") + "/" + prefix + "-XXXXXX";
    if (!mkdtemp(templ.data())) return std::string();
    return templ;
}

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

std::string installed_fone(const char *exe) {
    if (!exe || !*exe) return std::string();
    std::string path = absolute(exe);
    if (path.empty()) return std::string();
    std::string dir = path.substr(0, path.rfind('/'));
    std::string fone = absolute(dir + "/../share/kestrel/fone");
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

std::string enter_working_folder(const char *exe) {
    if (is_dir("fone")) return std::string();
    std::string fone = installed_fone(exe ? exe : "/proc/self/exe");
    if (fone.empty()) return std::string();
    for (const std::string &folder : user_folders()) {
        if (link_fone(folder, fone) && chdir(folder.c_str()) == 0) return folder;
    }
    return std::string();
}

}  // namespace kestrel
