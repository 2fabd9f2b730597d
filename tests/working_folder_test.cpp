// Where the receiver works: in a folder with fone/ as it is, else, installed,
// in a folder of the user's own with a link to the installed recordings.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/files.h"
#include "platform/temp_files.h"

namespace kestrel::test {
namespace {
namespace fs = std::filesystem;

class WorkingFolder : public ::testing::Test {
protected:
    void SetUp() override {
        start_ = fs::current_path();
        root_ = fs::canonical(make_temp_dir_in("", "kestrel-wf", nullptr));
        saved("XDG_RUNTIME_DIR");
        saved("XDG_CACHE_HOME");
        saved("HOME");
        // An installation: <prefix>/bin/kestrel and <prefix>/share/kestrel/fone.
        fs::create_directories(root_ / "usr/bin");
        fs::create_directories(root_ / "usr/share/kestrel/fone");
        std::ofstream(root_ / "usr/bin/kestrel") << "";
        std::ofstream(root_ / "usr/share/kestrel/fone/noise.wav") << "RIFF";
        exe_ = (root_ / "usr/bin/kestrel").string();
        fone_ = (root_ / "usr/share/kestrel/fone").string();
        fs::create_directories(root_ / "start");
        fs::current_path(root_ / "start");
    }
    void TearDown() override {
        fs::current_path(start_);
        for (auto &[name, value] : env_) {
            if (value.first) setenv(name.c_str(), value.second.c_str(), 1);
            else unsetenv(name.c_str());
        }
        fs::remove_all(root_);
    }
    void saved(const char *name) {
        const char *v = std::getenv(name);
        env_.push_back({name, {v != nullptr, v ? v : ""}});
    }
    fs::path start_, root_;
    std::string exe_, fone_;
    std::vector<std::pair<std::string, std::pair<bool, std::string>>> env_;
};

TEST_F(WorkingFolder, FindsTheRecordingsInstalledBesideTheProgram) {
    EXPECT_EQ(installed_fone(exe_.c_str()), fone_);
    // Through a link to the program, as /proc/self/exe or /usr/bin/... may be.
    fs::create_directories(root_ / "links");
    fs::create_symlink(exe_, root_ / "links/kestrel");
    EXPECT_EQ(installed_fone((root_ / "links/kestrel").c_str()), fone_);
    fs::remove_all(root_ / "usr/share/kestrel/fone");
    EXPECT_EQ(installed_fone(exe_.c_str()), "");
    EXPECT_EQ(installed_fone(""), "");
    EXPECT_EQ(installed_fone(nullptr), "");
}

TEST_F(WorkingFolder, UserFoldersComeFromTheEnvironmentInOrder) {
    setenv("XDG_RUNTIME_DIR", "/run/user/1000", 1);
    setenv("XDG_CACHE_HOME", "/home/ada/.cache-elsewhere", 1);
    setenv("HOME", "/home/ada", 1);
    EXPECT_EQ(user_folders(), (std::vector<std::string>{"/run/user/1000/kestrel", "/home/ada/.cache-elsewhere/kestrel"}));
    unsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(user_folders(), (std::vector<std::string>{"/run/user/1000/kestrel", "/home/ada/.cache/kestrel"}));
    setenv("XDG_RUNTIME_DIR", "", 1);
    setenv("XDG_CACHE_HOME", "relative/cache", 1);  // not absolute: ignored
    EXPECT_EQ(user_folders(), (std::vector<std::string>{"/home/ada/.cache/kestrel"}));
    unsetenv("XDG_RUNTIME_DIR");
    unsetenv("XDG_CACHE_HOME");
    unsetenv("HOME");
    EXPECT_TRUE(user_folders().empty());
}

TEST_F(WorkingFolder, LinksTheRecordingsAndMendsAStaleLink) {
    const fs::path folder = root_ / "run/user/kestrel";
    ASSERT_TRUE(link_fone(folder.string(), fone_));
    EXPECT_TRUE(fs::is_symlink(folder / "fone"));
    EXPECT_TRUE(fs::exists(folder / "fone/noise.wav"));
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
    ASSERT_TRUE(link_fone(folder.string(), fone_));  // again: nothing to do

    // A link left by an installation elsewhere is pointed at this one.
    fs::remove(folder / "fone");
    fs::create_directory_symlink(root_ / "gone", folder / "fone");
    ASSERT_TRUE(link_fone(folder.string(), fone_));
    EXPECT_EQ(fs::canonical(folder / "fone"), fs::path(fone_));

    // A real folder of the user's own stays as it is.
    fs::remove(folder / "fone");
    fs::create_directory(folder / "fone");
    EXPECT_TRUE(link_fone(folder.string(), fone_));
    EXPECT_FALSE(fs::is_symlink(folder / "fone"));
    EXPECT_FALSE(fs::exists(folder / "fone/noise.wav"));

    // A file where the folder should be: no folder to work in.
    std::ofstream(root_ / "blocked") << "";
    EXPECT_FALSE(link_fone((root_ / "blocked/kestrel").string(), fone_));
}

TEST_F(WorkingFolder, StaysInAFolderThatHasTheRecordings) {
    fs::create_directory("fone");
    setenv("XDG_RUNTIME_DIR", (root_ / "runtime").c_str(), 1);
    EXPECT_EQ(enter_working_folder(exe_.c_str()), "");
    EXPECT_EQ(fs::current_path(), root_ / "start");
    EXPECT_FALSE(fs::exists(root_ / "runtime"));
}

TEST_F(WorkingFolder, InstalledItMovesIntoTheUsersFolder) {
    setenv("XDG_RUNTIME_DIR", (root_ / "runtime").c_str(), 1);
    EXPECT_EQ(enter_working_folder(exe_.c_str()), (root_ / "runtime/kestrel").string());
    EXPECT_EQ(fs::current_path(), root_ / "runtime/kestrel");
    EXPECT_TRUE(fs::exists("fone/noise.wav"));
    EXPECT_TRUE(fs::is_empty(root_ / "start"));
    // What the listener keeps (recordings) still goes where they started it.
    EXPECT_EQ(fs::path(start_folder()), root_ / "start");
}

TEST_F(WorkingFolder, FallsBackToTheCacheWhenTheRuntimeFolderIsUnusable) {
    std::ofstream(root_ / "runtime") << "";  // a file, not a folder
    setenv("XDG_RUNTIME_DIR", (root_ / "runtime").c_str(), 1);
    unsetenv("XDG_CACHE_HOME");
    setenv("HOME", (root_ / "home").c_str(), 1);
    EXPECT_EQ(enter_working_folder(exe_.c_str()), (root_ / "home/.cache/kestrel").string());
    EXPECT_EQ(fs::current_path(), root_ / "home/.cache/kestrel");
}

TEST_F(WorkingFolder, WithoutInstalledRecordingsItStaysWhereItIs) {
    fs::remove_all(root_ / "usr/share/kestrel/fone");
    setenv("XDG_RUNTIME_DIR", (root_ / "runtime").c_str(), 1);
    EXPECT_EQ(enter_working_folder(exe_.c_str()), "");
    EXPECT_EQ(fs::current_path(), root_ / "start");
}

}  // namespace
}  // namespace kestrel::test
