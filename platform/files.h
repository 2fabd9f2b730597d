// File services that the receiver needs beyond standard streams.
#pragma once

namespace kestrel {

// Deletes a file; nonzero on success, 0 on failure (which callers ignore).
int DeleteFileA(const char *path);

}  // namespace kestrel

#include <string>

namespace kestrel {

// Creates a fresh, empty folder under the system's temporary folder; "" on failure.
std::string make_temp_dir(const char *prefix);

}  // namespace kestrel
