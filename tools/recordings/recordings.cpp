#include "tools/recordings/recordings.h"

#include <cstring>

#include "bandplan/clips/clip_table.h"
#include "tools/recordings/content.h"

namespace kestrel::rec {

std::vector<std::string> fixed_names() {
    std::vector<std::string> v = {"noise.wav", "ssb-002.wav"};
    for (const auto &f : teleprinter_files) v.push_back(f.name);
    v.insert(v.end(), {"sitorb.wav", "fax-001.wav", "othr-001.wav"});
    return v;
}

std::vector<std::string> clip_names(int limit) {
    std::vector<std::string> v;
    for (int i = 0; i < CLIP_SLOTS && (limit < 0 || int(v.size()) < limit); ++i) {
        std::string n(clip_table[i], strnlen(clip_table[i], CLIP_NAME_SIZE));
        if (!n.empty()) v.push_back(n);
    }
    return v;
}

const ClipStation *station_for_clip(const std::string &name) {
    std::string prefix = name.substr(0, name.find('-'));
    for (int i = 0; i < clip_station_count; ++i)
        if (prefix == clip_stations[i].prefix) return &clip_stations[i];
    return nullptr;
}

bool generate(const std::string &dir, const std::string &name, std::string &err) {
    // Names are plain file names inside the folder, never paths.
    if (name.empty() || name[0] == '.' || name.find('/') != std::string::npos) {
        err = name + ": not a recording name";
        return false;
    }
    Output out;
    bool ok;
    if (name == "noise.wav") ok = make_noise(out, err);
    else if (name == "ssb-002.wav") ok = make_ssb_voice(out, err);
    else if (name == "sitorb.wav") ok = make_sitor(out, err);
    else if (name == "fax-001.wav") ok = make_fax(out, err);
    else if (name == "othr-001.wav") ok = make_radar(out, err);
    else if (name.rfind("rtt-", 0) == 0) ok = make_teleprinter(name, out, err);
    else ok = make_clip(name, out, err);
    if (!ok) return false;
    return write_sound(dir + "/" + name, out.sound, out.encoding, err);
}

}  // namespace kestrel::rec
