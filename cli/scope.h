// Scope guards for what a command borrows from the process for a while: the
// working folder, the channel files' folder and standard error. Each puts back
// what it found on every way out of the scope.
#pragma once
#include <string>

namespace kestrel::cli {

// Works in `dir` until the end of the scope. The media layer finds the
// channel files and fone/ relative to the working folder, as the receiver does.
class InFolder {
public:
    explicit InFolder(const std::string &dir);
    ~InFolder();
    InFolder(const InFolder &) = delete;
    InFolder &operator=(const InFolder &) = delete;
    // False when the folder could not be entered; why() says why.
    bool ok() const { return ok_; }
    const std::string &why() const { return why_; }

private:
    std::string back_, why_;
    bool ok_ = false;
};

// The Morse writer puts its channel files into `dir` until the end of the scope.
class ChannelFolder {
public:
    explicit ChannelFolder(const std::string &dir);
    ~ChannelFolder();
    ChannelFolder(const ChannelFolder &) = delete;
    ChannelFolder &operator=(const ChannelFolder &) = delete;

private:
    std::string back_;
};

// Standard error is kept quiet until the end of the scope (the MPEG decoder
// talks there by itself about damaged files).
class QuietStderr {
public:
    QuietStderr();
    ~QuietStderr();
    QuietStderr(const QuietStderr &) = delete;
    QuietStderr &operator=(const QuietStderr &) = delete;
};

}  // namespace kestrel::cli
