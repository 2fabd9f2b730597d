#include "cli/recordings.h"

#include <cstring>
#include <filesystem>
#include <set>

#include "bandplan/clips/clip_table.h"
#include "platform/audio.h"
#include "platform/audio_command.h"
#include "platform/files.h"

namespace kestrel::cli {

namespace fs = std::filesystem;

Recordings find_recordings(const std::string &start) {
    Recordings r;
    std::error_code ec;
    const fs::path here = fs::path(start) / "fone";
    r.looked.push_back(here.string());
    if (fs::is_directory(here, ec)) {
        r.folder = here.string();
        return r;
    }
    const std::string place = installed_fone_place("/proc/self/exe");
    if (!place.empty()) r.looked.push_back(place);
    r.folder = installed_fone("/proc/self/exe");
    return r;
}

void link_recordings(const Recordings &r, const std::string &dir) {
    std::error_code ec;
    if (r.folder.empty() || fs::exists(fs::path(dir) / "fone", ec)) return;
    fs::create_directory_symlink(r.folder, fs::path(dir) / "fone", ec);
}

std::string no_recordings_line(const Recordings &r) {
    if (!r.folder.empty()) return std::string();
    std::string places;
    for (size_t i = 0; i < r.looked.size(); ++i) places += (i == 0 ? "" : " nor ") + r.looked[i];
    return "no recordings folder: " + (r.looked.size() > 1 ? "neither " + places + " exists" : places + " does not exist") +
           "; every recording, clip and the band noise stay silent";
}

bool names_recording(const std::string &command) {
    std::string file;
    const MediaKind k = media_kind(command, &file);
    return (k == MediaKind::recording || k == MediaKind::clip) && file.rfind("fone/", 0) == 0;
}

MediaKind media_kind(const std::string &command, std::string *file) {
    file->clear();
    if (command.rfind("loop ", 0) == 0) {
        *file = command.substr(5);
        return MediaKind::carrier;
    }
    if (command.rfind("play channel ", 0) == 0) {
        const size_t at = command.find(' ', 13);
        if (at != std::string::npos) *file = command.substr(at + 1);
        return MediaKind::channel;
    }
    audio::MediaCommand mc;
    std::string why;
    if (!audio::parse_command(command.c_str(), &mc, &why)) return MediaKind::other;
    if (mc.verb != audio::Verb::open && mc.verb != audio::Verb::play) return MediaKind::other;
    *file = mc.device;
    const std::string name = file->rfind("fone/", 0) == 0 ? file->substr(5) : std::string();
    for (int i = 0; i < CLIP_SLOTS && !name.empty(); ++i)
        if (name == std::string(clip_table[i], strnlen(clip_table[i], CLIP_NAME_SIZE))) return MediaKind::clip;
    return MediaKind::recording;
}

// Mended: the recordings a reception asked for that cannot be played, each
// with the reason, keyed by the command that named them: the listener hears
// silence there, and the report says so.
std::map<std::string, std::string> unplayable(const std::vector<std::string> &commands, const std::string &base) {
    std::map<std::string, std::string> out;
    std::set<std::string> aliases;
    for (const std::string &c : commands) {
        std::string file;
        if (c.rfind("loop ", 0) == 0) {
            file = c.substr(5);
        } else if (c.rfind("play channel ", 0) == 0) {
            continue;  // channel files are checked as they are written
        } else {
            audio::MediaCommand mc;
            std::string why;
            if (!audio::parse_command(c.c_str(), &mc, &why)) {
                out[c] = why;
                continue;
            }
            if (mc.verb == audio::Verb::open && !mc.alias.empty()) aliases.insert(mc.alias);
            if (mc.verb != audio::Verb::open && mc.verb != audio::Verb::play) continue;
            if (aliases.count(mc.device)) continue;
            file = mc.device;
        }
        const std::string path = fs::path(file).is_absolute() ? file : (fs::path(base) / file).string();
        std::string why;
        if (!media_file_playable(path.c_str(), &why)) out[c] = why;
    }
    return out;
}

}  // namespace kestrel::cli
