// File services that the receiver needs beyond standard streams.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace kestrel {

// Deletes a file; nonzero on success, 0 on failure (which callers ignore).
// The receiver's name for file_remove below.
int DeleteFileA(const char *path);

}  // namespace kestrel

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrel {

// Files written as they go (a recording): a small table, so tests can stand in
// a disk that fills up. Every call is on the caller's thread.
struct FileBackend {
    const char *name;
    // Creates (or empties) `path` for writing; nullptr on failure.
    void *(*open_write)(const char *path);
    // Appends `bytes`; returns how many reached the file (fewer: the disk is
    // full or failing). Data reported written is on the disk, not in a buffer.
    size_t (*append)(void *file, const void *data, size_t bytes);
    // Overwrites `bytes` at `offset` in what is already written; 1 on success.
    int (*overwrite)(void *file, uint32_t offset, const void *data, size_t bytes);
    // 1 when everything was written and the file closed cleanly.
    int (*close)(void *file);
};

void files_use(const FileBackend *backend);
const FileBackend &files();
// The standard streams (the default).
extern const FileBackend files_stdio;

// The folder the receiver runs in, as an absolute path ("" if it cannot be read).
std::string working_folder();

// Output files written through a plain descriptor, every call checked. The
// results are 0 on success, else the errno value of the failure (ENOSPC, EACCES, ...).
struct OutFile;
// Creates (or empties) `path` for writing; nullptr with *err set on failure.
OutFile *out_file_create(const char *path, int *err);
// Gives the file its final size at once. Where the file system can, the disk
// space is claimed here too, so a full disk shows before anything is written
// rather than halfway through; elsewhere only the size is set.
int out_file_reserve(OutFile *f, uint64_t size);
int out_file_write_at(OutFile *f, uint64_t offset, const void *data, size_t n);
int out_file_truncate(OutFile *f, uint64_t size);
// Closes and releases f (also when the close itself fails).
int out_file_close(OutFile *f);
int file_rename(const char *from, const char *to);
int file_remove(const char *path);

// Test doubles for the output files above and the files_stdio backend. A disk
// with `bytes` left: writes and reservations past it fail with ENOSPC, an
// append comes up short (a negative value lifts it).
void files_fake_free_space(int64_t bytes);
// Reservations only set the size, as on file systems that cannot claim space
// ahead, so a full disk shows while writing.
void files_fake_no_reserve(bool on);

// A sound file still being written while it plays. The writer publishes how
// many sample frames are on disk; readers play no further than that, and stop
// where the writing failed or was given up.
struct WriteProgress {
    enum State : int { writing = 0, whole = 1, failed = 2 };
    std::atomic<uint64_t> frames{0};
    std::atomic<int> state{writing};
};
// Registers the progress of `path` (absolute), replacing any earlier entry.
std::shared_ptr<WriteProgress> write_progress_begin(const std::string &path);
// Sets the final state and drops the entry if it is still the one registered.
void write_progress_end(const std::shared_ptr<WriteProgress> &p, const std::string &path, int state);
// The progress of a file being written, by any name of it; nullptr when none.
std::shared_ptr<WriteProgress> write_progress_find(const char *path);

}  // namespace kestrel

namespace kestrel {

// The receiver's working folder holds its channel files and finds the
// recordings in fone/. Started in a folder that has fone/ (the source tree's
// run/), it stays there. Otherwise, when the recordings are installed beside
// the program (<prefix>/share/kestrel/fone), it moves into a folder of the
// user's own with a link to them, so that it never writes into whatever
// folder it was started from.

// <folder of exe>/../share/kestrel/fone, made absolute, if that folder exists; "" otherwise.
std::string installed_fone(const char *exe);
// Where installed_fone looks for them, whether or not the folder is there ("" without `exe`).
std::string installed_fone_place(const char *exe);
// The per-user folders to try, in order: $XDG_RUNTIME_DIR/kestrel, then
// $XDG_CACHE_HOME/kestrel or $HOME/.cache/kestrel (unset or empty variables are skipped).
std::vector<std::string> user_folders();
// Creates `folder` (and its parents, private to the user) and a link
// `folder`/fone to `fone`; a stale link is replaced, a real fone/ folder kept.
// False when the folder cannot be made or holds no usable fone.
bool link_fone(const std::string &folder, const std::string &fone);
// Applies the rule above for the program at `exe` (nullptr: this process's
// own file). Returns the folder it moved into, "" when it stayed.
std::string enter_working_folder(const char *exe = nullptr);
// The folder the program was started from when enter_working_folder moved
// away from it (what the listener keeps, such as recordings, belongs there);
// "" when it stayed.
const std::string &start_folder();

}  // namespace kestrel
