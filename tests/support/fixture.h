// Shared test fixture: a fresh working folder, a settable UTC clock, the
// recording media backend and every global back at its start value.
#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <thread>
#include <string>
#include <vector>

namespace kestrel::test {

class Kestrel : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string dir_;
    std::string old_cwd_;
};

// Whole file as bytes (tests only; files here are small).
std::vector<uint8_t> read_file(const std::string &path);
bool file_exists(const std::string &path);
std::string read_text(const std::string &path);

// Polls `done` for up to `limit_ms`; true as soon as it holds.
template <class F>
bool eventually(F done, int limit_ms = 5000) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(limit_ms);
    while (std::chrono::steady_clock::now() < until) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return done();
}

// A fresh reception at a fixed instant: the clock stopped there, both random
// sources seeded, the send stack and its slots empty.
void reception_at(int year, int month, int day, int hour, int minute, int second, int ms, unsigned seed);

// Puts the emission parameters to a plain reference set: spd 20, ton 800,
// qsa 3, spacing 2, every keying flag off.
void plain_params();

}  // namespace kestrel::test
