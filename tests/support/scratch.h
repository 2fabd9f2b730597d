// A scratch working folder for the benches' channel files: entered when made,
// left and removed when it goes.
#pragma once
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/temp_files.h"

namespace kestrel::test {

struct ScratchFolder {
    std::string dir;
    std::filesystem::path old;
    ScratchFolder() {
        old = std::filesystem::current_path();
        dir = make_temp_dir_in("", "kestrel-bench", nullptr);
        std::filesystem::current_path(dir);
    }
    ~ScratchFolder() {
        std::filesystem::current_path(old);
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;
};

}  // namespace kestrel::test
