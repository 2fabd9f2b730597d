#include "tools/recordings/speech.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "tools/recordings/sound_file.h"

namespace kestrel::rec {

namespace fs = std::filesystem;

namespace {

fs::path g_scratch;  // per-run scratch folder, empty until first use

bool scratch(std::string &err) {
    if (!g_scratch.empty()) return true;
    // The name only has to differ from concurrent runs; it never reaches
    // the output, so a random token is fine here.
    std::random_device rd;
    std::error_code ec;
    for (int attempt = 0; attempt < 8; ++attempt) {
        fs::path p = fs::temp_directory_path(ec) / ("kestrel-speech-" + std::to_string(rd()));
        if (!ec && fs::create_directory(p, ec) && !ec) {
            g_scratch = p;
            return true;
        }
    }
    err = "cannot make a scratch folder for espeak-ng";
    return false;
}

bool safe_voice(const std::string &v) {
    if (v.empty()) return false;
    for (char c : v)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '_'))
            return false;
    return true;
}

}  // namespace

Samples speak(const Voice &v, const std::string &text, double out_rate, std::string &err) {
    if (!safe_voice(v.name)) {
        err = "bad voice name: " + v.name;
        return {};
    }
    if (!scratch(err)) return {};
    fs::path txt = g_scratch / "say.txt", wav = g_scratch / "say.wav";
    {
        std::ofstream out(txt, std::ios::binary);
        out << text << "\n";
        if (!out) {
            err = "cannot write " + txt.string();
            return {};
        }
    }
    std::error_code ec;
    fs::remove(wav, ec);
    std::string cmd = "espeak-ng -b 1 -a 100 -v " + v.name + " -s " + std::to_string(v.rate) + " -p " +
                      std::to_string(v.pitch) + " -f '" + txt.string() + "' -w '" + wav.string() + "' 2>/dev/null";
    int rc = std::system(cmd.c_str());
    Sound s;
    std::string rerr;
    if (rc != 0 || !read_sound(wav.string(), s, rerr) || s.samples.empty()) {
        err = "espeak-ng failed (voice " + v.name + ") on: " + text;
        return {};
    }
    return resample(s.samples, s.rate, out_rate);
}

void speech_shutdown() {
    if (g_scratch.empty()) return;
    std::error_code ec;
    fs::remove_all(g_scratch, ec);
    g_scratch.clear();
}

}  // namespace kestrel::rec
