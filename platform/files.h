// File services that the receiver needs beyond standard streams.
#pragma once

namespace kestrel {

// Deletes a file; nonzero on success, 0 on failure (which callers ignore).
int DeleteFileA(const char *path);

}  // namespace kestrel

#include <cstddef>
#include <cstdint>
#include <string>

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

// Creates a fresh, empty folder under the system's temporary folder; "" on failure.
std::string make_temp_dir(const char *prefix);

}  // namespace kestrel
