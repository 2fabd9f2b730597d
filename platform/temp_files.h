// Temporary folders and files for outputs that are renamed into place when
// complete, their removal when the process is ended by a signal, and a quiet
// standard error for libraries that print their own messages.
#pragma once
#include <string>

namespace kestrel {

// Creates a fresh, empty folder inside `parent` (the system's temporary folder
// when `parent` is empty); "" on failure, with the reason in *why.
std::string make_temp_dir_in(const std::string &parent, const char *prefix, std::string *why);
// Creates a fresh, empty file in `folder` named `prefix`, a unique part, then
// `suffix`; returns its path, or "" with the reason in *why.
std::string make_temp_file_in(const std::string &folder, const std::string &prefix, const std::string &suffix,
                              std::string *why);

// Paths removed when the process is ended by SIGINT, SIGTERM or SIGHUP: files
// are unlinked and folders removed (once empty), the latest registered first.
// The handlers are installed by the first registration. Forgetting a path
// again (it was renamed into place or removed) keeps it from being touched.
void remove_on_signal(const std::string &path);
void forget_on_signal(const std::string &path);

// Limits the size of every file this process writes to `bytes` (a write
// past it fails with EFBIG, as one on a full disk fails); -1 lifts the limit
// again. For tests of what happens when the disk fills. False if refused.
bool files_limit_size(long long bytes);

// Standard error pointed at nothing while a library that prints its own
// messages is at work (the MPEG decoder does, on a damaged file); nests.
void quiet_stderr_begin();
void quiet_stderr_end();

}  // namespace kestrel
