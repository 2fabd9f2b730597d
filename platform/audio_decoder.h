// One sound file read a little at a time and converted to mono float samples
// at the mixer's rate. Never holds more than a few thousand samples.
#pragma once

namespace kestrel::audio {

struct Decoder;

// Sample rates a source may have; files claiming anything else are refused.
constexpr int kMinSourceRate = 200;
constexpr int kMaxSourceRate = 384000;

// Opens `path` (WAV of any PCM width, MP3, or any other format the decoding
// library knows). nullptr when the file is missing, unreadable, not a sound
// file or claims an impossible format; *why then says which.
Decoder *decoder_open(const char *path, int out_rate, const char **why);
void decoder_close(Decoder *d);
// Writes up to n converted samples into out; returns how many. Fewer than n
// only at the end of the file (0 once everything was delivered), or when the
// file is still being written and its written part is used up
// (decoder_waiting then holds; more comes later).
int decoder_pull(Decoder *d, float *out, int n);
bool decoder_waiting(const Decoder *d);
// Back to the first sample; false if the file can no longer be read.
bool decoder_rewind(Decoder *d);
// Number of decoders open in the process.
int decoder_count();

}  // namespace kestrel::audio
