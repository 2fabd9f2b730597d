// Recording what the listener hears: the mixed output exactly as the sound
// card gets it (channels, recordings, clips, carriers, the noise loop), written
// as it goes into a 16-bit mono WAV file named by save_file_name (with "-2",
// "-3" ... before ".wav" when that name is taken) in the folder the listener
// started the receiver from. Retuning, scanning and the switches do not touch it; the R key, the
// end of the program or a write failure stop it. The header is brought up to
// date after every write, so the file is a valid WAV whenever it is looked at.
#pragma once
#include <cstdint>
#include <string>

namespace kestrel {

// Starts a recording; false (with a message box saying why) when it cannot.
bool record_start();
// Stops it and closes the file; harmless when not recording.
void record_stop();
// R: start or stop.
void record_toggle();
bool recording();
// Window thread, every few milliseconds: moves what the tap collected into the file.
void record_step();
// Name of the file being (or last) recorded, and the sample frames it holds.
const char *record_name();
uint64_t record_frames();
// Full path of that file, and the seconds it holds.
const std::string &record_path();
uint64_t record_seconds();

}  // namespace kestrel
