#include "cli/scope.h"

#include <filesystem>

#include "platform/temp_files.h"
#include "synth/morse.h"

namespace kestrel::cli {

namespace fs = std::filesystem;

InFolder::InFolder(const std::string &dir) {
    std::error_code ec;
    back_ = fs::current_path(ec).string();
    if (ec) {
        why_ = ec.message();
        return;
    }
    fs::current_path(dir, ec);
    ok_ = !ec;
    if (ec) why_ = ec.message();
}

InFolder::~InFolder() {
    if (!ok_) return;
    std::error_code ec;
    fs::current_path(back_, ec);
}

ChannelFolder::ChannelFolder(const std::string &dir) : back_(wave_folder()) {
    // Made absolute now: the working folder may change within the scope.
    std::error_code ec;
    const fs::path full = fs::absolute(dir, ec);
    wave_folder_set(ec ? dir : full.string());
}
ChannelFolder::~ChannelFolder() { wave_folder_set(back_); }

QuietStderr::QuietStderr() { quiet_stderr_begin(); }
QuietStderr::~QuietStderr() { quiet_stderr_end(); }

}  // namespace kestrel::cli
