// The channel files on disk: a file described as runs of repeated tiles is
// written whole, or (writing behind, the receiver's way) its head at once and
// the rest by a writer thread, with a book of why the last file of each
// channel could not be written.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "synth/wave_file.h"

namespace kestrel {

// `bytes` bytes of a tile repeated; a tile is WAVE_TILE bytes of whole
// periods of its pattern, so a run may start anywhere in it.
struct WaveRun {
    const uint8_t *tile;
    uint64_t bytes;
};
constexpr size_t WAVE_TILE = 2880;  // a multiple of 8, 12 and 20 samples

// The folder the channel files are written into; "" (the default) is the
// working folder at the time of writing. A setting of the caller's (a scope
// guard sets and restores it), so the resets leave it alone.
void wave_folder_set(const std::string &folder);
const std::string &wave_folder();

// Creates channel nr's file (0..9) in the channel files' folder; false, and the
// reason booked, when it cannot be created.
bool wave_file_open(int nr);
// Closes the file just opened, empty (the attenuator at strength 0).
void wave_file_close_empty();
// Writes the header h and `runs` (`sample_bytes` in all) into the file just
// opened; true when it is, or will be, whole. A file that cannot be written
// whole is left empty and the reason booked. Takes the runs.
bool wave_file_write(const WaveHeader &h, std::vector<WaveRun> &runs, uint32_t sample_bytes);

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
// Gives up every unfinished write and forgets the reasons of past failures.
void wave_writes_reset();

}  // namespace kestrel
