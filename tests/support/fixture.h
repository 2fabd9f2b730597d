// Shared test fixture: a fresh working folder, a settable UTC clock, the
// recording media backend and every global back at its start value.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
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

// Puts the emission parameters to a plain reference set: spd 20, ton 800,
// qsa 3, spacing 2, every keying flag off.
void plain_params();

}  // namespace kestrel::test
