#include "app/heard.h"

#include <atomic>
#include <cstring>

#include "platform/media.h"

namespace kestrel {

namespace {

// The backend underneath while a retune runs. The channel watchdogs may still
// hold the note-taker after the retune is over, so it always has one to pass to.
std::atomic<const MediaBackend *> g_inner{&media_null};
std::vector<std::string> g_commands;  // window thread only
int g_depth = 0;

// Only the window thread notes; the watchdogs' closes pass straight on.
void note_play(int k, const char *file) {
    g_commands.push_back("play channel " + std::to_string(k) + " " + (file ? file : ""));
    g_inner.load()->channel_play(k, file);
}
void pass_close(int k) { g_inner.load()->channel_close(k); }
void note_string(const char *command) {
    if (command && std::strncmp(command, "play ", 5) == 0) g_commands.push_back(command);
    g_inner.load()->send_string(command);
}
void note_loop(const char *file) {
    if (file) g_commands.push_back(std::string("loop ") + file);
    g_inner.load()->loop_play(file);
}
int pass_devs() { return g_inner.load()->num_devs(); }
const MediaBackend note_taker = {"heard", note_play, pass_close, note_string, note_loop, pass_devs};

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

void heard_begin() {
    // Every retune stops what sounded before it, a nested one too.
    g_commands.clear();
    if (g_depth++ > 0) return;
    g_inner.store(&media());
    media_use(&note_taker);
}

void heard_end() {
    if (g_depth == 0 || --g_depth > 0) return;
    media_use(g_inner.load());
}

const std::vector<std::string> &heard_commands() { return g_commands; }

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
