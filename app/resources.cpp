#include "app/resources.h"

#include "app/window.h"
#include "bandplan/background/background.h"
#include "state/log.h"
#include "traffic/amateur.h"
#include "traffic/vessels.h"

namespace kestrel {

namespace {

constexpr int AMATEURS_LISTED = 592;  // rows 0..591 of the database
constexpr const char *LOG_FILE = "TOVA_LOG.TXT";

// The log opened for one block; nullptr when the build writes no log or the
// file cannot be opened.
std::FILE *open_log() { return debug ? std::fopen(LOG_FILE, "a") : nullptr; }

}  // namespace

void write_statistics(std::FILE *out) {
    std::fprintf(out, "\n TOVA Version: %d.%02d\n Resource statistics\n Background: %d", VERSION_MAJOR, VERSION_MINOR,
                 BACKGROUND_STATISTIC);
}

void write_vessels(std::FILE *out) {
    std::fputs("\n Main Vessel Database\n", out);
    for (int i = 0; i < VSL_ROWS; ++i) std::fprintf(out, "\n %04d  %s/%s ", i, qra[i], vsl[i]);
}

void write_amateurs(std::FILE *out) {
    std::fputs("\n Amateur Database\n", out);
    for (int i = 0; i < AMATEURS_LISTED; ++i)
        std::fprintf(out, "\n %04d  %s / %s / %s", i, amateur[i], amateur_op[i], amateur_qth[i]);
}

void write_navy(std::FILE *out) {
    // The counts are constants of the listing, not counted from the tables.
    std::fprintf(out,
                 "\n Navy Resorces:\n RN:         %d\n RFA:        %d\n FN:         %d\n USN (new):  %d\n USN (old):  %d\n"
                 " USCG (old): %d\n RCN:        %d\n CCG:        %d\n HN:         %d\n PN:         %d\n HOL:        %d\n"
                 " DAN:        %d\n TAI:        %d\n TRK:        %d\n SPN:        %d\n ARG:        %d\n GER:        %d\n",
                 36, 1, 50, 37, 78, 4, 25, 7, 20, 42, 23, 12, 7, 51, 7, 26, 2);
    std::fprintf(out,
                 "\n Russian Navy:\n RCC:        %d\n RCV:        %d\n RIW:        %d\n RIT:        %d\n RMP:        %d\n"
                 " RJS:        %d\n RJD52:      %d\n RJD69:      %d\n RJD93:      %d\n RJD97:      %d\n RJD99:      %d\n"
                 " RJE65:      %d\n RJH25:      %d\n",
                 21, 33, 25, 26, 30, 11, 5, 1, 5, 5, 6, 6, 4);
}

void get_statistics() {
    std::FILE *f = open_log();
    if (!f) return;
    write_statistics(f);
    std::fclose(f);
}

void List_Resources() {
    std::FILE *f = open_log();
    if (!f) return;
    write_vessels(f);
    write_amateurs(f);
    write_navy(f);
    std::fclose(f);
}

}  // namespace kestrel
