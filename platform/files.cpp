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

namespace kestrel {

namespace {
const FileBackend *g_files = &files_stdio;

void *stdio_open(const char *path) { return std::fopen(path, "wb"); }

size_t stdio_append(void *file, const void *data, size_t bytes) {
    auto *f = static_cast<FILE *>(file);
    const size_t n = std::fwrite(data, 1, bytes, f);
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
