#include "tools/recordings/sound_file.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>

namespace kestrel::rec {

bool write_sound(const std::string &path, const Sound &s, Encoding enc, std::string &err) {
    SF_INFO info{};
    info.samplerate = s.rate;
    info.channels = 1;
    switch (enc) {
    case Encoding::pcm16: info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16; break;
    case Encoding::mp3: info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III; break;
    }
    SNDFILE *f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) {
        err = path + ": " + sf_strerror(nullptr);
        return false;
    }
    if (enc == Encoding::mp3) {
        // Constant bit rate keeps the files plain for every player.
        int mode = SF_BITRATE_MODE_CONSTANT;
        sf_command(f, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
        double level = 0.5;
        sf_command(f, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    }
    // Quantise here rather than in libsndfile so rounding is ours and fixed.
    std::vector<short> pcm(s.samples.size());
    for (size_t i = 0; i < pcm.size(); ++i) {
        double v = std::clamp(double(s.samples[i]), -1.0, 32767.0 / 32768.0);
        pcm[i] = short(std::lround(v * 32768.0));
    }
    sf_count_t done = sf_write_short(f, pcm.data(), sf_count_t(pcm.size()));
    int rc = sf_close(f);
    if (done != sf_count_t(pcm.size()) || rc != 0) {
        err = path + ": short write";
        return false;
    }
    return true;
}

bool read_sound(const std::string &path, Sound &out, std::string &err) {
    SF_INFO info{};
    SNDFILE *f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f) {
        err = path + ": " + sf_strerror(nullptr);
        return false;
    }
    std::vector<float> buf(size_t(info.channels) * 4096);
    out.rate = info.samplerate;
    out.samples.clear();
    for (;;) {
        sf_count_t got = sf_readf_float(f, buf.data(), 4096);
        if (got <= 0) break;
        for (sf_count_t i = 0; i < got; ++i) {
            double acc = 0;
            for (int c = 0; c < info.channels; ++c) acc += buf[size_t(i * info.channels + c)];
            out.samples.push_back(float(acc / info.channels));
        }
    }
    sf_close(f);
    return true;
}

}  // namespace kestrel::rec
