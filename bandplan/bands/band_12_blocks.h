// The longer blocks of band_12, kept in files of their own; each holds its
// own switch test and is called from band_12.cpp after the block it extends.
#pragma once

namespace kestrel {

// Coast stations, ships and long-haul circuits of the years before 1950 (HIST on).
void band_12_history();
// Teleprinters, printing channels and carriers (BGND on).
void band_12_printers();

}  // namespace kestrel
