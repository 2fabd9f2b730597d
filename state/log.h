// Developer's diagnostic log "TOVA_LOG.TXT", written only when `debug` is set.
#pragma once
#include <cstdio>

namespace kestrel {

extern int debug;
extern FILE *log;
extern FILE *savefile;

void Log(const char *function, const char *info, unsigned long param);
void Error_Code(int code);

// Log for threads other than the window thread (channel watchdogs, media layer):
// the same kind of block, stamped with its own clock reading; it neither
// refreshes the shared clock sample `t` nor reads the emission parameters,
// which belong to the window thread.
void Log_thread(const char *function, const char *info, unsigned long param);

// The recording file name "%05dkHz_%04d%02d%02d%02d%02d.wav" for the tuned
// frequency and the present minute, into `name` (at least 32 bytes).
void save_file_name(char *name, int size);
// Creates that file empty. The receiver's recorder (app/recording.h) forms
// its file with save_file_name and writes it as it goes.
void save_file();

}  // namespace kestrel
