// Telecom circuits, embassies, the government network and press on their
// frequencies, in table form: every band function walks the table in its
// place; a row fires on its own frequency in its hours and minutes.
#pragma once
#include <cstdint>

namespace kestrel {

enum DiploGenerator {
    DG_TELECOM,       // telecom_opchat_dx(a, b, "")
    DG_FRENCH_PTT,    // french_ptt(a, b)
    DG_AUTO_MORSE,    // auto_morse(n)
    DG_RUSSIAN_PTT,   // russian_ptt(a, b, n = circuit 1 or 2)
    DG_RADIOPHOTO,    // radiophoto_opchat(a, b)
    DG_UFC,           // ufc(a, b)
    DG_KCNA,          // kcna()
    DG_US_DIPLO,      // us_diplo_qtc()
    DG_POL_WRK,       // pol_gov_ldn_net_wrk(n = net 1, 3..6, 80..84)
    DG_ITALIAN,       // italian_diplo()
    DG_GERMAN,        // german_diplo()
    DG_SIMPLEX,       // diplo_simplex(a, b, c)
    DG_POLISH,        // polish_diplo(a)
    DG_POLISH2,       // polish_diplo2(a, b)
    DG_MOROCCAN,      // morrocan_diplo(a, b)
    DG_IRANIAN,       // iranian_diplo()
    DG_PORTUGUESE,    // portuguese_diplo()
    DG_BRITISH_OLD,   // british_diplo_old()
    DG_VIETNAMESE,    // vietnamese_diplo()
    DG_ALBANIAN,      // albanian_diplo(a)
    DG_SNN299,        // snn299()
    DG_CUBAN,         // cuban_diplo(a)
    DG_NORWEGIAN,     // nor_diplo(a)
    DG_BULGARIAN,     // bul_emba(a)
    DG_MANAGUA,       // managua_msg()
    DG_ALGERIAN,      // algerian_diplo(a)
    DG_BRUSSELS,      // brussels_mfa()
    DG_THAI,          // thai_mfa()
    DG_RED_CROSS,     // red_cross(a)
};

struct DiploEntry {
    int32_t freq;
    int gen;           // DiploGenerator
    const char *a, *b, *c;
    int n;
    uint32_t hours;    // bit (1 << hour) set: on in that hour
    int from_min, to_min;
    int chance;        // cond(chance); 1 always
    int hist;          // 1: only with HIST on (the stations of the war years)
    // The keying in force when the generator starts (0: as it stands). Most
    // generators begin with a station reset and draw their own speed, tone and
    // strength as their procedure has it, so these count only where the
    // generator keeps what is in force: all three for algerian_diplo and
    // managua_msg, tone and strength for telecom_opchat_dx, french_ptt,
    // radiophoto_opchat, auto_morse, kcna and us_diplo_qtc; for the others the
    // station's own draw wins.
    int spd, ton, qsa;
};
extern const DiploEntry diplo_entries[];
extern const int diplo_entry_count;

}  // namespace kestrel
