// File services that the receiver needs beyond standard streams.
#pragma once

namespace kestrel {

// Deletes a file; nonzero on success, 0 on failure (which callers ignore).
int DeleteFileA(const char *path);

}  // namespace kestrel

#include <string>
#include <vector>

namespace kestrel {

// Creates a fresh, empty folder under the system's temporary folder; "" on failure.
std::string make_temp_dir(const char *prefix);

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

}  // namespace kestrel
