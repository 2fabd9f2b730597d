// Morse synthesis: station text to an 8-bit unsigned mono WAV file, sample by
// sample from short fixed patterns, integer only; and the carrier generator.
#pragma once
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "synth/key_walk.h"

namespace kestrel {

// The 48-byte header at the start of every file written here.
struct WaveHeader {
    char riff[4];
    uint32_t riff_length;
    char wave[4];
    char fmt[4];
    uint32_t fmt_length;
    uint16_t format_tag;
    uint16_t channels;
    uint32_t sample_rate;
    uint32_t byte_rate;
    uint16_t block_align;
    uint16_t bits_per_sample;
    char data[4];
    uint32_t data_length;
    uint8_t first_samples[4];
};
constexpr int WAVE_HEADER_SIZE = 48;

extern WaveHeader wavehdr;
extern int channel;          // number of audio channels in the header (1)
extern int32_t dot_size;     // one dot, in tone cycles
extern int32_t samples;      // sample bytes written after the header
extern uint32_t rto_rand;    // random extension of the element being written
extern int last_space;
extern int tuning_flag;
extern int old_flt;

constexpr int CW_TABLE_SIZE = 255;
extern const std::array<uint32_t, CW_TABLE_SIZE> cw_table;
extern const uint8_t qsa_tab[8];

// Fills the constant fields of wavehdr (done at start-up).
void wavehdr_init();
// Serialises a header field by field, little-endian, into 48 bytes.
void wavehdr_bytes(const WaveHeader &h, uint8_t out[WAVE_HEADER_SIZE]);

uint32_t CreateWave(int channel_nr, const char *text);
void load_params();
void letter(unsigned char c, int32_t a);
// Keys a send-buffer text step by step (synth/key_walk.h): the codes of
// speed, tone and strength change the emission in force, every character is
// keyed with `letter`; after each step `keyed(step, ctx)` is told where it
// went in the file. A code cut short by the end of the text is dropped:
// nothing past the terminator is read. Returns how many bytes were read.
size_t key_text(const char *text, void (*keyed)(const KeyedStep &step, void *ctx), void *ctx);

void dot(int32_t a);
void dash(int32_t a);
void space(int32_t a);
void space_f1(int32_t a);
void dot_inv(int32_t a);
void dash_inv(int32_t a);
void space_inv(int32_t a);
void spark_dot(uint32_t extra);
void spark_dash(uint32_t extra);

void qsa0_set(uint32_t n, uint32_t extra);
void qsa1_set(uint32_t n, uint32_t extra);
void qsa2_set(uint32_t n, uint32_t extra);
void qsa3_set(uint32_t n, uint32_t extra);
void qsa4_set(uint32_t n, uint32_t extra);
void qsa5_set(uint32_t n, uint32_t extra);
void qsa0_set_f1(uint32_t extra);
void qsa1_set_f1(uint32_t extra);
void qsa2_set_f1(uint32_t extra);
void qsa3_set_f1(uint32_t extra);
void qsa4_set_f1(uint32_t extra);
void qsa5_set_f1(uint32_t extra);
void qsa0_spark_set(uint32_t n, uint32_t extra);
void qsa1_spark_set(uint32_t n, uint32_t extra);
void qsa2_spark_set(uint32_t n, uint32_t extra);
void qsa3_spark_set(uint32_t n, uint32_t extra);
void qsa4_spark_set(uint32_t n, uint32_t extra);
void qsa5_spark_set(uint32_t n, uint32_t extra);

// Writes "TOVA9.WAV": count pairs of a square wave at half the sample rate.
uint32_t emit_sound(int tone, int count);
// The carrier: emit_sound(tone, 30000), looped by the system sound player.
void n0n(int tone);
// Called after every tuning; nothing to do.
void noise_generation();

// Playing time of a file: data_length * 1000 / byte_rate without overflow.
uint32_t play_time_ms(uint32_t data_length, uint32_t byte_rate);

// Channel files on disk. A file that cannot be written whole (unwritable
// folder, full disk) is left empty, CreateWave returns 0 for it, and the
// reason goes to the diagnostic log.
//
// Writing behind (the receiver's way): CreateWave writes the header and the
// first seconds of the file itself and leaves the rest to a writer thread, so
// a retune never waits for a long file. The writer goes on at once to the
// first seconds of sound and writes the rest once the receiver has stayed on
// the frequency a moment. Players of such a file read only as far as it is
// written. A new rendering of the channel, and stop_all_devs,
// give up an unfinished write first; its file is then emptied. Off by
// default: a file is then whole when CreateWave returns.
void wave_write_behind(bool on);
// "" when channel_nr's last file (0..9, 9 the carrier) was written whole,
// else one line naming the file and the reason. Waits for a write in progress.
std::string wave_write_error(int channel_nr);
// Gives up every unfinished write.
void wave_writes_cancel();
// Returns once every write in progress has ended and the writer thread is gone.
void wave_writes_wait();
bool wave_writer_running();

// Puts the synthesis state that carries between files back to its start.
void synth_reset();

}  // namespace kestrel
