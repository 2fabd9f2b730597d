// kestrel-recordings OUTDIR [--only NAME[,NAME...]] [--clips N]
// Writes the recordings of the "fone/" folder into OUTDIR.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tools/recordings/recordings.h"
#include "tools/recordings/speech.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: kestrel-recordings OUTDIR [--only NAME[,NAME...]] [--clips N] [--quiet]\n"
                 "  Writes band noise, SSB voice, teleprinter, SITOR, fax, radar and the\n"
                 "  broadcast clips into OUTDIR (created if missing).\n"
                 "  --only   write just the named files\n"
                 "  --clips  write only the first N clips of the clip table\n");
    return 2;
}

}  // namespace

int main(int argc, char **argv) {
    std::string dir, only;
    int clips = -1;
    bool quiet = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--only" && i + 1 < argc) only = argv[++i];
        else if (a == "--clips" && i + 1 < argc) clips = std::atoi(argv[++i]);
        else if (a == "--quiet") quiet = true;
        else if (a == "-h" || a == "--help") return usage();
        else if (!a.empty() && a[0] != '-' && dir.empty()) dir = a;
        else return usage();
    }
    if (dir.empty()) return usage();

    std::vector<std::string> names;
    if (!only.empty()) {
        std::stringstream ss(only);
        for (std::string n; std::getline(ss, n, ',');)
            if (!n.empty()) names.push_back(n);
    } else {
        names = kestrel::rec::fixed_names();
        for (auto &n : kestrel::rec::clip_names(clips)) names.push_back(n);
    }

    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "kestrel-recordings: %s: %s\n", dir.c_str(), ec.message().c_str());
        return 1;
    }
    auto start = std::chrono::steady_clock::now();
    int failed = 0;
    std::vector<std::string> written;
    for (const auto &n : names) {
        std::string err;
        if (!kestrel::rec::generate(dir, n, err)) {
            std::fprintf(stderr, "kestrel-recordings: %s\n", err.c_str());
            ++failed;
        } else {
            written.push_back(n);
        }
    }
    // A whole run leaves the list of what it wrote in OUTDIR/.generated: the
    // package installs exactly these files, whatever else lies in the folder.
    if (failed == 0 && only.empty() && clips < 0) {
        const std::string list = dir + "/.generated";
        if (std::FILE *f = std::fopen((list + ".tmp").c_str(), "w")) {
            for (const auto &n : written) std::fprintf(f, "%s\n", n.c_str());
            if (std::fclose(f) == 0) std::filesystem::rename(list + ".tmp", list, ec);
        }
    }
    kestrel::rec::speech_shutdown();
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!quiet)
        std::printf("kestrel-recordings: %zu files in %s (%.1f s)%s\n", names.size() - size_t(failed),
                    dir.c_str(), secs, failed ? ", some failed" : "");
    return failed ? 1 : 0;
}
