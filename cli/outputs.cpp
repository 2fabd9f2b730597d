#include "cli/outputs.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/temp_files.h"

namespace kestrel::cli {

namespace fs = std::filesystem;

void report_write_failure(const std::string &path, const std::string &reason) {
    std::fprintf(stderr, "kestrel-cli: cannot write '%s': %s\n", path.c_str(), reason.c_str());
}

std::string reason_of(const std::string &line) {
    const size_t colon = line.rfind(": ");
    return colon == std::string::npos ? line : line.substr(colon + 2);
}

WorkDir::~WorkDir() {
    if (path_.empty()) return;
    std::error_code ec;
    fs::remove_all(path_, ec);
    for (int i = n_expected_ - 1; i >= 0; --i) forget_on_signal(expected_[i]);
    forget_on_signal(path_);
}

bool WorkDir::make(const std::string &parent, const char *prefix) {
    path_ = make_temp_dir_in(parent, prefix, &why_);
    if (path_.empty()) return false;
    remove_on_signal(path_);
    return true;
}

void WorkDir::expect(const std::string &name) {
    if (path_.empty() || n_expected_ >= int(std::size(expected_))) return;
    expected_[n_expected_] = path_ + "/" + name;
    remove_on_signal(expected_[n_expected_++]);
}

StagedFile::~StagedFile() {
    if (temp_.empty() || committed_) return;
    std::remove(temp_.c_str());
    forget_on_signal(temp_);
}

bool StagedFile::stage(const std::string &dest) {
    dest_ = dest;
    const fs::path p(dest);
    std::string folder = p.parent_path().string();
    if (folder.empty()) folder = ".";
    // The extension stays last: the mix's format follows its name.
    temp_ = make_temp_file_in(folder, "." + p.stem().string() + ".part-", p.extension().string(), &why_);
    if (temp_.empty()) return false;
    remove_on_signal(temp_);
    return true;
}

bool StagedFile::commit() {
    std::error_code ec;
    fs::rename(temp_, dest_, ec);
    if (ec) {
        why_ = ec.message();
        return false;
    }
    committed_ = true;
    forget_on_signal(temp_);
    return true;
}

}  // namespace kestrel::cli
