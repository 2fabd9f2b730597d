#include "cli/subtitles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/transcript.h"
#include "cli/outputs.h"
#include "cli/reception.h"
#include "app/on_air.h"

namespace kestrel::cli {

namespace {

std::string stamp(uint32_t ms) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02u:%02u:%02u.%03u", ms / 3600000u, ms / 60000u % 60u, ms / 1000u % 60u,
                  ms % 1000u);
    return buf;
}

// Cue text is markup: the prosign signs < (KA) and & (INT) are escaped.
std::string escaped(const std::string &s) {
    std::string out;
    for (char c : s) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c;
    }
    return out;
}

struct Cue {
    uint32_t begin, end;
    int channel, nr;
    std::string voice, text;
};

}  // namespace

std::string webvtt(const std::vector<SubtitleTrack> &tracks, uint32_t end_ms, const std::vector<std::string> &notes) {
    std::vector<Cue> cues;
    for (const SubtitleTrack &t : tracks) {
        if (!t.keyed) continue;
        const bool dialog = stations_of(*t.keyed).count > 1;
        int nr = 0;
        for (const KeyedWord &w : keyed_words(*t.keyed)) {
            const uint32_t begin = t.start_ms + w.begin_ms;
            uint32_t end = t.start_ms + w.end_ms;
            if (begin >= end_ms) break;
            if (end > end_ms) end = end_ms;
            if (end <= begin) end = begin + 1;
            std::string voice = "Channel " + std::to_string(t.channel);
            if (dialog) voice += " station " + std::string(1, static_cast<char>('A' + w.station % 26));
            cues.push_back({begin, end, t.channel, ++nr, voice, w.text});
        }
    }
    std::stable_sort(cues.begin(), cues.end(), [](const Cue &a, const Cue &b) { return a.begin < b.begin; });
    std::string out = "WEBVTT\n";
    if (!notes.empty()) {
        out += "\nNOTE\n";
        for (const std::string &n : notes) out += n + "\n";  // a note holds no "-->" and no blank line
    }
    for (const Cue &c : cues) {
        out += "\nch" + std::to_string(c.channel) + "-" + std::to_string(c.nr) + "\n";
        out += stamp(c.begin) + " --> " + stamp(c.end) + "\n";
        out += "<v " + c.voice + ">" + escaped(c.text) + "\n";
    }
    return out;
}

std::string write_text_file(const std::string &path, const std::string &text) {
    StagedFile staged;
    if (!staged.stage(path)) return staged.why();
    FILE *f = std::fopen(staged.temp().c_str(), "wb");
    if (!f) return std::strerror(errno);
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const int err = errno;
    if (std::fclose(f) != 0) return std::strerror(errno);
    if (!written) return std::strerror(err);
    if (!staged.commit()) return staged.why();
    return "";
}

int write_reception_subtitles(const std::string &path, const Reception &r, const std::string &at, uint32_t end_ms) {
    std::vector<SubtitleTrack> tracks;
    std::vector<std::string> notes = {std::to_string(r.freq) + " kHz  " + (at.empty() ? "now" : at)};
    for (const Emission &e : r.emissions) {
        notes.push_back(slot_heading(e));
        if (e.ms == 0) continue;
        tracks.push_back({e.channel, &keyed_text(e.channel), 0});
    }
    for (const std::string &line : on_air_lines(r.commands))
        if (line.rfind("media: play channel ", 0) != 0) notes.push_back(line);
    for (std::string &n : notes)
        for (size_t at_arrow = n.find("-->"); at_arrow != std::string::npos; at_arrow = n.find("-->"))
            n.replace(at_arrow, 3, "->");
    const std::string why = write_text_file(path, webvtt(tracks, end_ms, notes));
    if (why.empty()) return 0;
    report_write_failure(path, why);
    return 1;
}

}  // namespace kestrel::cli
