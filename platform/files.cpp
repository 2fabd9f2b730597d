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
