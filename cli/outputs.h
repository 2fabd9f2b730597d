// What the command line writes: a work folder that goes on every way out, and
// outputs written under a temporary name beside their place and renamed into
// it only when complete, so a failure leaves what was there before untouched.
#pragma once
#include <string>

namespace kestrel::cli {

// One line on standard error: "kestrel-cli: cannot write 'PATH': REASON".
void report_write_failure(const std::string &path, const std::string &reason);
// The reason alone from a writer's "cannot write PATH: REASON" line.
std::string reason_of(const std::string &line);

class WorkDir {
public:
    WorkDir() = default;
    WorkDir(const WorkDir &) = delete;
    WorkDir &operator=(const WorkDir &) = delete;
    ~WorkDir();
    // A fresh folder inside `parent` (the temporary folder when empty); false
    // with the reason in why().
    bool make(const std::string &parent, const char *prefix);
    // Names a file that may appear in the folder, so that a signal removes it too.
    void expect(const std::string &name);
    const std::string &path() const { return path_; }
    const std::string &why() const { return why_; }

private:
    std::string path_, why_;
    std::string expected_[16];
    int n_expected_ = 0;
};

class StagedFile {
public:
    StagedFile() = default;
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;
    ~StagedFile();
    // Reserves a temporary name in dest's folder, keeping dest's extension;
    // false with the reason in why().
    bool stage(const std::string &dest);
    // Renames the temporary file to dest; false with the reason in why().
    bool commit();
    const std::string &temp() const { return temp_; }
    const std::string &dest() const { return dest_; }
    const std::string &why() const { return why_; }

private:
    std::string dest_, temp_, why_;
    bool committed_ = false;
};

}  // namespace kestrel::cli
