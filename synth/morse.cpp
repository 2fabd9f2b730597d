#include "synth/morse.h"

#include <cstring>
#include <vector>

#include "state/log.h"
#include "state/random.h"
#include "state/receiver.h"
#include "synth/channels.h"
#include "synth/params.h"
#include "synth/wave_writer.h"

namespace kestrel {

int32_t dot_size = 0;
int32_t samples = 0;
const uint8_t qsa_tab[8] = {1, 8, 16, 32, 64, 126, 0, 0};

namespace {

int channel = 1;          // number of audio channels in the header
uint32_t rto_rand = 0;    // random extension of the element being written
int last_space = 0;       // the previous character was a word space
int tuning_flag = 0;      // the character being written is a tuning mark
int old_flt = 0;          // the receiver's filter while a spark emission is rendered

// Sample patterns, offsets from 128, by level 0..5.
constexpr int8_t mark_pat[6][8] = {
    {0, 1, 2, 1, 0, -1, -2, -1},     {0, 4, 8, 4, 0, -4, -8, -4},       {0, 8, 16, 8, 0, -8, -16, -8},
    {0, 16, 32, 16, 0, -16, -32, -16}, {0, 32, 64, 32, 0, -32, -64, -32}, {0, 48, 96, 48, 0, -48, -96, -48},
};
constexpr int8_t f1_pat[6][12] = {
    {0, 0, 1, 2, 1, 0, 0, 0, -1, -2, -1, -1},
    {0, 4, 6, 8, 6, 4, 0, -4, -6, -8, -6, -4},
    {0, 8, 12, 16, 12, 8, 0, -8, -12, -16, -12, -8},
    {0, 16, 24, 32, 24, 16, 0, -16, -24, -32, -24, -16},
    {0, 32, 48, 64, 48, 32, 0, -32, -48, -64, -48, -32},
    {0, 48, 72, 96, 72, 48, 0, -48, -72, -96, -72, -48},
};
constexpr int8_t spark_pat[6][20] = {
    {8, -8, 4, -4, 2, -2},
    {16, -16, 11, -11, 6, -6},
    {32, -32, 22, -22, 12, -12},
    {64, -64, 43, -43, 22, -22},
    {96, -96, 64, -64, 32, -32},
    {127, -128, 96, -96, 64, -64, 32, -32},
};

// A file is described first as a list of runs (a tile and a byte count), so
// its length, header and playing time are known before a byte is written;
// the runs are then expanded into the file in large pieces. The bytes are
// those of a sample-by-sample writer.
std::vector<WaveRun> runs;

// Each pattern repeated to fill a tile whose length is a multiple of 8, 12 and 20.
constexpr size_t TILE = WAVE_TILE;
uint8_t mark_tile[6][TILE], f1_tile[6][TILE], spark_tile[6][TILE], silence_tile[TILE], carrier_tile[8][TILE];
bool tiles_ready = false;

void build_tiles() {
    for (int l = 0; l < 6; ++l)
        for (size_t i = 0; i < TILE; ++i) {
            mark_tile[l][i] = static_cast<uint8_t>(128 + mark_pat[l][i % 8]);
            f1_tile[l][i] = static_cast<uint8_t>(128 + f1_pat[l][i % 12]);
            spark_tile[l][i] = static_cast<uint8_t>(128 + spark_pat[l][i % 20]);
        }
    for (int q = 0; q < 8; ++q)
        for (size_t i = 0; i < TILE; i += 2) {
            carrier_tile[q][i] = static_cast<uint8_t>(128 + qsa_tab[q]);
            carrier_tile[q][i + 1] = static_cast<uint8_t>(128 - qsa_tab[q]);
        }
    std::memset(silence_tile, 128, TILE);
    tiles_ready = true;
}

// Appends `bytes` bytes of a tile (a whole number of its periods). A run that
// continues the previous one's tile is merged with it: both are whole
// periods, so the bytes are the same.
void put(const uint8_t *tile, uint64_t bytes) {
    samples = static_cast<int32_t>(static_cast<uint32_t>(samples) + static_cast<uint32_t>(bytes));
    if (bytes == 0) return;
    if (!runs.empty() && runs.back().tile == tile) runs.back().bytes += bytes;
    else runs.push_back({tile, bytes});
}

bool level_ok() { return qsa >= 0 && qsa <= 5; }

// The sample count just past the last keyed element: where a character's
// sound ends, before its spaces.
uint32_t mark_end_at = 0;
void mark_ends() { mark_end_at = static_cast<uint32_t>(samples); }

void mark_cycles(int level, uint64_t cycles) {
    if (level >= 0 && level <= 5) put(mark_tile[level], cycles * 8);
}
void f1_cycles(int level, uint64_t cycles) {
    if (level >= 0 && level <= 5) put(f1_tile[level], cycles * 12);
}
void spark_periods(int level, uint64_t periods) {
    if (level >= 0 && level <= 5) put(spark_tile[level], periods * 20);
}

uint64_t count(uint32_t n, uint32_t extra) {
    return static_cast<uint64_t>(static_cast<uint32_t>(dot_size)) * n + extra;
}

// rto_rand = myrand() mod range, or 0 for an empty range.
uint32_t irregularity(int32_t range) {
    if (range <= 0) return 0;
    return myrand() % static_cast<uint32_t>(range);
}

void extension(int32_t a) { rto_rand = hand ? irregularity(a / 2) : 0; }

// The receiver's filter is forced narrow for a spark emission and put back afterwards.
bool spark_forced = false;

void restore_filter() {
    if (spark_forced) {
        filter = old_flt;
        spark_forced = false;
    }
}

void set_rate(int tone) {
    uint32_t rate = static_cast<uint32_t>(tone) * static_cast<uint32_t>(sampling);
    wavehdr.channels = static_cast<uint16_t>(channel);
    wavehdr.sample_rate = rate;
    wavehdr.block_align = static_cast<uint16_t>(wavehdr.bits_per_sample / 8 * channel);
    wavehdr.byte_rate = rate * wavehdr.block_align;
}

// Starts channel nr's file: the run list empty, the file created.
bool begin_file(int nr) {
    runs.clear();
    samples = 0;
    return wave_file_open(nr);
}

// Writes the header and the runs; true when the file is (or will be) written
// whole, and the S-meter then shows the emission.
bool finish_file() {
    const uint32_t data_length = static_cast<uint32_t>(samples) + 4;
    wavehdr.data_length = data_length;
    wavehdr.riff_length = data_length + 36;
    if (!wave_file_write(wavehdr, runs, static_cast<uint32_t>(samples))) return false;
    smetr(hwnd);
    return true;
}

}  // namespace

uint32_t play_time_ms(uint32_t data_length, uint32_t byte_rate) {
    // Mended: data_length * 1000 overflows 32 bits above about 4 MB.
    if (byte_rate == 0) return 0;
    uint64_t ms = static_cast<uint64_t>(data_length) * 1000u / byte_rate;
    return ms > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(ms);
}

void load_params() {
    if (rto != 0) spd += 1;
    if (spark) {
        if (!spark_forced) {
            old_flt = filter;
            spark_forced = true;
        }
        filter = 1;
    }
    if (spd < 1) spd = 1;  // mended: the dot length divides by spd
    int samp = sampling > 0 ? sampling : 4;
    dot_size = (samp * 150) / spd;
    if (filter == 0) {
        if (ton > 4000) ton = 4000;  // doubling it would only clamp to 4000 again
        ton = 2 * ton;
        if (ton < 500) ton = 500;
        if (ton > 4000) ton = 4000;
        if (ton > 1999) {
            dot_size = static_cast<int32_t>(static_cast<uint32_t>(dot_size) * static_cast<uint32_t>(ton) / 1000u);
        } else {
            uint32_t k = 200000u / static_cast<uint32_t>(ton);
            dot_size = static_cast<int32_t>(static_cast<uint32_t>(dot_size) * 200u / k);
        }
    } else if (filter == 1) {
        if (ton < 500) ton = 500;
        if (ton > 2000) ton = 2000;
        if (ton > 999) {
            dot_size = static_cast<int32_t>(static_cast<uint32_t>(dot_size) * static_cast<uint32_t>(ton) / 1000u);
        } else {
            uint32_t k = 100000u / static_cast<uint32_t>(ton);
            dot_size = static_cast<int32_t>(static_cast<uint32_t>(dot_size) * 100u / k);
        }
    }
}

namespace {
void keep_step(const KeyedStep &step, void *record) { static_cast<KeyedText *>(record)->steps.push_back(step); }
}  // namespace

uint32_t CreateWave(int channel_nr, const char *text) {
    if (!tiles_ready) build_tiles();
    prop();
    load_params();
    set_rate(ton);
    // What is keyed where, for the transcript and the subtitles; a rate of 0 until it sounds.
    KeyedText *record = keyed_begin(channel_nr, 0);
    if (!begin_file(channel_nr)) {  // unwritable folder, or a directory of that name: nothing to play
        restore_filter();
        return 0;
    }
    if (att) {
        if (qsa == 0) {
            wave_file_close_empty();
            restore_filter();
            return 0;
        }
        --qsa;
    }
    letter(' ', dot_size);
    key_text(text, record ? keep_step : nullptr, record);
    const bool whole = finish_file();
    if (record && whole) {
        record->rate = wavehdr.sample_rate;
        record->total = 4u + static_cast<uint32_t>(samples);
    }
    restore_filter();
    // Mended: a file that cannot be written whole plays nothing.
    return whole ? play_time_ms(wavehdr.data_length, wavehdr.byte_rate) : 0;
}

size_t key_text(const char *text, void (*keyed)(const KeyedStep &step, void *ctx), void *ctx) {
    // 64-bit positions from the 32-bit count's steps: each step adds far less than 2^32.
    uint64_t pos = 4u + static_cast<uint32_t>(samples);
    KeyStep s = key_step(text, 0);
    for (; s.kind != StepKind::end; s = key_step(text, s.next)) {
        const uint32_t before = static_cast<uint32_t>(samples);
        mark_end_at = before;
        switch (s.kind) {
        case StepKind::speed:
            spd = s.value;
            load_params();
            break;
        case StepKind::tone:
            ton = s.value;
            load_params();
            break;
        case StepKind::strength:
            qsa = s.value;
            load_params();
            break;
        default:
            letter(static_cast<unsigned char>(s.value), dot_size);
            break;
        }
        if (!keyed) continue;
        KeyedStep k;
        k.step = s;
        k.begin = pos;
        k.mark_end = pos + (mark_end_at - before);
        pos += static_cast<uint32_t>(samples) - before;
        k.end = pos;
        keyed(k, ctx);
    }
    return s.at;
}

void letter(unsigned char c, int32_t a) {
    if (qsa > 5) qsa = 0;
    if (c == CODE_TUNE) {
        tuning_flag = 1;
        dash(80 * a);
        return;
    }
    tuning_flag = 0;
    if (c == ' ') {
        int32_t n = last_space ? spacing + 3 : spacing;
        if (_f1) space_f1(a * n);
        if (bw) space_inv(a * n);
        if (!_f1 && !bw) space(a * n);
        last_space = 1;
        return;
    }
    last_space = 0;
    if (!katokana && c >= 97 && c <= 127) c = static_cast<unsigned char>(c - 32);
    if (sz && c == '0') c = 'T';
    // Mended: code 255 lies past the 255-entry table; it sounds as an empty entry.
    uint32_t code = c < CW_TABLE_SIZE ? cw_table[c] : 0;
    if (code) {
        int top = 31;
        while (!(code & (1u << top))) --top;
        for (int bit = top - 1; bit >= 0; --bit) {
            bool is_dash = (code >> bit) & 1u;
            if (bw) {
                if (is_dash) dash_inv(a); else dot_inv(a);
            } else {
                if (is_dash) dash(a); else dot(a);
            }
        }
    }
    if (_f1) space_f1(spacing * a);
    else if (bw) space_inv(spacing * a);
    else space(spacing * a);
}

void dot(int32_t a) {
    extension(a);
    if (spark) {
        spark_dot(rto_rand);
        mark_ends();
        space(a);
        return;
    }
    if (level_ok()) mark_cycles(qsa, count(1, rto_rand));
    mark_ends();
    if (_f1) space_f1(a);
    else space(a);
}

void dash(int32_t a) {
    rto_rand = 0;
    if (hand) rto_rand = irregularity(a / 2);
    if (rto > 0 && rto <= 20) rto_rand = static_cast<uint32_t>(a) + irregularity(a / 2);
    if (rto > 20) rto_rand = static_cast<uint32_t>(a) + irregularity(a);
    if (rto == 0 && hand == 0) rto_rand = 0;
    if (spark) {
        spark_dash(rto_rand);
        mark_ends();
        space(a);
        return;
    }
    if (level_ok()) mark_cycles(qsa, count(3, rto_rand));
    mark_ends();
    if (_f1) space_f1(a);
    if (!tuning_flag) space(a);
}

void space(int32_t a) {
    extension(a);
    uint64_t cycles = static_cast<uint64_t>(static_cast<uint32_t>(a)) + rto_rand;
    if (a < 0) cycles = rto_rand;  // a negative length writes only the extension
    put(silence_tile, cycles * 8);
}

void space_f1(int32_t a) {
    extension(a);
    f1_cycles(qsa, count(1, rto_rand));
}

void dot_inv(int32_t a) {
    if (a > 0) put(silence_tile, static_cast<uint32_t>(a));
    mark_ends();  // inverted keying: the keyed element is the gap
    space_inv(a);
}

void dash_inv(int32_t a) {
    if (a > 0) put(silence_tile, 3ull * static_cast<uint32_t>(a));
    mark_ends();
    space_inv(a);
}

void space_inv(int32_t a) {
    extension(a);
    mark_cycles(qsa, count(1, rto_rand));
}

void spark_dot(uint32_t extra) {
    if (level_ok()) spark_periods(qsa, static_cast<uint64_t>(static_cast<uint32_t>(dot_size) / 2) + extra);
}

void spark_dash(uint32_t extra) {
    if (level_ok()) spark_periods(qsa, static_cast<uint64_t>(static_cast<uint32_t>(dot_size) / 2) * 3 + extra);
}

#define KESTREL_LEVEL_WRITERS(N)                                                                                \
    void qsa##N##_set(uint32_t n, uint32_t extra) { mark_cycles(N, count(n, extra)); }                          \
    void qsa##N##_set_f1(uint32_t extra) { f1_cycles(N, count(1, extra)); }                                     \
    void qsa##N##_spark_set(uint32_t n, uint32_t extra) {                                                       \
        spark_periods(N, static_cast<uint64_t>(static_cast<uint32_t>(dot_size) / 2) * n + extra);               \
    }
KESTREL_LEVEL_WRITERS(0)
KESTREL_LEVEL_WRITERS(1)
KESTREL_LEVEL_WRITERS(2)
KESTREL_LEVEL_WRITERS(3)
KESTREL_LEVEL_WRITERS(4)
KESTREL_LEVEL_WRITERS(5)
#undef KESTREL_LEVEL_WRITERS

uint32_t emit_sound(int tone, int count_pairs) {
    if (!tiles_ready) build_tiles();
    set_rate(tone);
    if (!begin_file(9)) return 0;
    Log("SOUND", "ton", static_cast<unsigned long>(tone));
    if (att && qsa > 0) --qsa;
    const int level = (qsa >= 0 && qsa < 8) ? qsa : 6;  // outside the table: amplitude 0
    if (count_pairs > 0) put(carrier_tile[level], 2ull * static_cast<uint32_t>(count_pairs));
    if (!finish_file()) return 0;
    return play_time_ms(wavehdr.data_length, wavehdr.byte_rate);
}

void n0n(int tone) {
    if (emit_sound(tone, 30000)) carrier_loop_start(channel_file_name(9).c_str());
}

void noise_generation() {}

void keying_reset() {
    keyed_reset();
    last_space = 0;
    tuning_flag = 0;
    rto_rand = 0;
    dot_size = 0;
    samples = 0;
    runs.clear();
    restore_filter();
    old_flt = 0;
    wavehdr = WaveHeader{};
    wavehdr_init();
}

}  // namespace kestrel
