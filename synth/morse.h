// Morse synthesis: station text to an 8-bit unsigned mono WAV file, sample by
// sample from short fixed patterns, integer only; and the carrier generator.
#pragma once
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "synth/key_walk.h"
#include "synth/wave_file.h"
#include "synth/wave_writer.h"

namespace kestrel {

// Shared with the measure of a rendering (wave_check.h); the rest of the
// keying state is the writer's own.
extern int32_t dot_size;     // one dot, in tone cycles
extern int32_t samples;      // sample bytes written after the header

constexpr int CW_TABLE_SIZE = 255;
extern const std::array<uint32_t, CW_TABLE_SIZE> cw_table;
extern const uint8_t qsa_tab[8];

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

// Puts the keying state that carries between files back to its start.
void keying_reset();

}  // namespace kestrel
