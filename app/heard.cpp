#include "app/heard.h"

#include <utility>

namespace kestrel {

namespace {

// Names of the recordings the machine modes, the voice and the radar play.
struct Kind {
    const char *command;
    const char *words;
};
const Kind kinds[] = {
    {"play fone/rtt-001.wav", "teleprinter 50 Bd"}, {"play fone/rtt-001.mp3", "teleprinter 50 Bd"},
    {"play fone/rtt-002.wav", "teleprinter 75 Bd"}, {"play fone/sitorb.wav", "SITOR"},
    {"play fone/fax-001.wav", "fax"},               {"play fone/ssb-002.wav", "voice"},
    {"play fone/othr-001.wav", "radar"},
};

}  // namespace

std::string heard_summary(const std::vector<std::string> &commands) {
    int morse = 0;
    std::vector<std::pair<std::string, int>> others;  // in the order first heard
    auto add = [&](const std::string &words) {
        for (auto &o : others)
            if (o.first == words) {
                ++o.second;
                return;
            }
        others.emplace_back(words, 1);
    };
    for (const std::string &c : commands) {
        if (c.rfind("play channel ", 0) == 0) {
            ++morse;
            continue;
        }
        if (c.rfind("loop ", 0) == 0) {
            add("carrier");
            continue;
        }
        if (c.rfind("play ", 0) != 0) continue;  // opens, seeks, stops
        const char *words = "clip";
        for (const Kind &k : kinds)
            if (c == k.command) words = k.words;
        add(words);
    }
    std::string out;
    if (morse) out = std::to_string(morse) + " Morse";
    for (const auto &[words, n] : others) {
        if (!out.empty()) out += ", ";
        if (n > 1) out += std::to_string(n) + " x ";
        out += words;
    }
    return out.empty() ? "nothing on the air" : out;
}

}  // namespace kestrel
