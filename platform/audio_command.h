// Parser of the media command strings: a verb, a device (a file or an alias)
// and the few keywords the receiver sends.
#pragma once
#include <string>

namespace kestrel::audio {

enum class Verb { open, play, seek, stop, close };
enum class SeekTo { none, start, end };

struct MediaCommand {
    Verb verb = Verb::open;
    std::string device;  // file name or alias; "all" with close closes every recording
    std::string alias;   // open ... alias <name>
    bool notify = false; // post a completion notice when the play ends
    SeekTo seek = SeekTo::none;
};

// Fills *out and returns true for a well-formed command; otherwise returns
// false with the reason in *why. Keywords are case-insensitive; a device name
// may be put in double quotes. "wait" and "shareable" are accepted and have no
// effect (the window thread is never made to wait); "type <name>" with open is
// accepted and ignored (the file's content decides how it is decoded).
bool parse_command(const char *text, MediaCommand *out, std::string *why);

// Case-insensitive equality of device names.
bool same_name(const std::string &a, const std::string &b);

}  // namespace kestrel::audio
