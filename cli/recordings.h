// The recordings a reception plays from fone/: where they are found, and
// which of the media commands of a reception name one that cannot be played.
#pragma once
#include <map>
#include <string>
#include <vector>

namespace kestrel::cli {

struct Recordings {
    std::string folder;               // the fone/ folder found; "" when there is none
    std::vector<std::string> looked;  // every place looked at, in order
};

// The starting folder's fone/, else the ones installed with the program, as
// the receiver finds them.
Recordings find_recordings(const std::string &start);
// Links `dir`/fone to the recordings found, so that a reception in `dir` hears them.
void link_recordings(const Recordings &r, const std::string &dir);
// One line when no recordings were found: the places looked at.
std::string no_recordings_line(const Recordings &r);

// Media commands of a reception that name a file that cannot be played, each
// with the reason ("missing", "not a sound file", ...). Relative names are
// taken inside `base`, as the reception in that folder would take them.
std::map<std::string, std::string> unplayable(const std::vector<std::string> &commands, const std::string &base);
// True when a command plays something from fone/.
bool names_recording(const std::string &command);

enum class MediaKind { channel, recording, clip, carrier, other };
// What a media command starts, and the file it names.
MediaKind media_kind(const std::string &command, std::string *file);

}  // namespace kestrel::cli
