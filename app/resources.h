// The start-up statistics and the listing of the built-in databases that a
// developer build writes into the diagnostic log, and the same listing for
// any stream (kestrel-cli list).
#pragma once
#include <cstdio>

namespace kestrel {

// Both return at once without touching the disk unless `debug` is set.
void get_statistics();
void List_Resources();

// The parts of the listing, written to `out` in the log's formats.
void write_statistics(std::FILE *out);
void write_vessels(std::FILE *out);
void write_amateurs(std::FILE *out);
void write_navy(std::FILE *out);

}  // namespace kestrel
