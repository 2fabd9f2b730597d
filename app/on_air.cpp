#include "app/on_air.h"

#include <cstring>
#include <set>

#include "platform/audio.h"
#include "platform/audio_command.h"
#include "platform/media.h"

namespace kestrel {

namespace {

const MediaBackend *g_inner = &media_null;
std::vector<std::string> g_commands;

bool is_noise_loop(const char *command) {
    audio::MediaCommand mc;
    std::string why;
    if (!audio::parse_command(command, &mc, &why)) return false;
    return audio::same_name(mc.device, "noise") || audio::same_name(mc.device, "fone/noise.wav");
}

void tee_play(int k, const char *file) {
    g_commands.push_back("play channel " + std::to_string(k) + " " + (file ? file : ""));
    g_inner->channel_play(k, file);
}
void tee_close(int k) { g_inner->channel_close(k); }
void tee_string(const char *command) {
    if (command && std::strncmp(command, "close ", 6) != 0 && !is_noise_loop(command)) g_commands.push_back(command);
    g_inner->send_string(command);
}
void tee_loop(const char *file) {
    if (file) g_commands.push_back(std::string("loop ") + file);
    g_inner->loop_play(file);
}
int tee_devs() { return g_inner->num_devs(); }
const MediaBackend g_tee = {"on the air", tee_play, tee_close, tee_string, tee_loop, tee_devs};

}  // namespace

void on_air_watch() {
    if (&media() == &g_tee) return;
    g_inner = &media();
    media_use(&g_tee);
}

void on_air_clear() { g_commands.clear(); }

const std::vector<std::string> &on_air_commands() { return g_commands; }

std::vector<std::string> on_air_lines(const std::vector<std::string> &commands) {
    std::vector<std::string> out;
    std::set<std::string> aliases;
    for (const std::string &c : commands) {
        std::string file, why;
        if (c.rfind("loop ", 0) == 0) {
            file = c.substr(5);
        } else if (c.rfind("play channel ", 0) != 0) {
            audio::MediaCommand mc;
            if (!audio::parse_command(c.c_str(), &mc, &why)) {
                out.push_back("media: " + c + "  (not played: " + why + ")");
                continue;
            }
            if (mc.verb == audio::Verb::open && !mc.alias.empty()) aliases.insert(mc.alias);
            if ((mc.verb == audio::Verb::open || mc.verb == audio::Verb::play) && !aliases.count(mc.device))
                file = mc.device;
        }
        if (!file.empty() && !media_file_playable(file.c_str(), &why))
            out.push_back("media: " + c + "  (not played: " + why + ")");
        else
            out.push_back("media: " + c);
    }
    return out;
}

}  // namespace kestrel
