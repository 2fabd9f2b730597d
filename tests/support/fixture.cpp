#include "support/fixture.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/status.h"
#include "bandplan/reset.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/temp_files.h"
#include "platform/media.h"
#include "platform/ui.h"
#include "procedures/send.h"
#include "state/emission.h"
#include "state/log.h"
#include "state/receiver.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::test {

void Kestrel::SetUp() {
    namespace fs = std::filesystem;
    old_cwd_ = fs::current_path().string();
    dir_ = make_temp_dir_in("", "kestrel-test", nullptr);
    ASSERT_FALSE(dir_.empty());
    fs::current_path(dir_);
    test_clock_set(2026, 3, 10, 12, 0, 0, 0);
    test_clock_step(0);
    media_use(&media_recording);
    ui_reset();
    status_reset();
    debug = 0;
    program_reset();
    media_recorded_clear();
    GetSystemTime(&t);
}

void Kestrel::TearDown() {
    namespace fs = std::filesystem;
    stop_all_devs();
    wave_writes_wait();
    wave_write_behind(false);
    files_fake_free_space(-1);
    files_fake_no_reserve(false);
    media_use(&media_null);
    fs::current_path(old_cwd_);
    std::error_code ec;
    fs::remove_all(dir_, ec);
    test_clock_off();
}

std::vector<uint8_t> read_file(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool file_exists(const std::string &path) { return std::filesystem::exists(path); }

std::string read_text(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void reception_at(int year, int month, int day, int hour, int minute, int second, int ms, unsigned seed) {
    test_clock_set(year, month, day, hour, minute, second, ms);
    test_clock_step(0);
    random_reset(seed);
    GetSystemTime(&t);
    send_stack_reset();
    for (auto &slot : send_buf) slot[0] = 0;
}

void plain_params() { emission_plain(); }

}  // namespace kestrel::test
