// Telecom circuits, embassies, the government network and press on their
// frequencies, in table form: every band function walks the table in its
// place; a row fires on its own frequency in its hours and minutes.
#pragma once
#include <cstdint>

namespace kestrel {

// Every generator a row can name, once: its id, its name in the census and
// what it runs for the row `r` (the band plan's dispatch expands the last).
#define KESTREL_DIPLO_GENERATORS(X)                                                           \
    X(DG_TELECOM, telecom_opchat_dx, telecom_opchat_dx(r.a, r.b, "");)                        \
    X(DG_FRENCH_PTT, french_ptt, french_ptt(r.a, r.b);)                                       \
    X(DG_AUTO_MORSE, auto_morse, auto_morse(r.n);)                                            \
    X(DG_RUSSIAN_PTT, russian_ptt, russian_ptt(r.a, r.b, r.n); /* n = circuit 1 or 2 */)      \
    X(DG_RADIOPHOTO, radiophoto_opchat, radiophoto_opchat(r.a, r.b);)                         \
    X(DG_UFC, ufc, ufc(r.a, r.b);)                                                            \
    X(DG_KCNA, kcna, kcna();)                                                                 \
    X(DG_US_DIPLO, us_diplo_qtc, us_diplo_qtc();)                                             \
    X(DG_POL_WRK, pol_gov_ldn_net_wrk, pol_gov_ldn_net_wrk(r.n); /* n = net 1, 3..6, 80..84 */) \
    X(DG_ITALIAN, italian_diplo, italian_diplo();)                                            \
    X(DG_GERMAN, german_diplo, german_diplo();)                                               \
    X(DG_SIMPLEX, diplo_simplex, diplo_simplex(r.a, r.b, r.c);)                               \
    X(DG_POLISH, polish_diplo, polish_diplo(r.a);)                                            \
    X(DG_POLISH2, polish_diplo2, polish_diplo2(r.a, r.b);)                                    \
    X(DG_MOROCCAN, morrocan_diplo, morrocan_diplo(r.a, r.b);)                                 \
    X(DG_IRANIAN, iranian_diplo, iranian_diplo();)                                            \
    X(DG_PORTUGUESE, portuguese_diplo, portuguese_diplo();)                                   \
    X(DG_BRITISH_OLD, british_diplo_old, british_diplo_old();)                                \
    X(DG_VIETNAMESE, vietnamese_diplo, vietnamese_diplo();)                                   \
    X(DG_ALBANIAN, albanian_diplo, albanian_diplo(r.a);)                                      \
    X(DG_SNN299, snn299, snn299();)                                                           \
    X(DG_CUBAN, cuban_diplo, cuban_diplo(r.a);)                                               \
    X(DG_NORWEGIAN, nor_diplo, nor_diplo(r.a);)                                               \
    X(DG_BULGARIAN, bul_emba, bul_emba(r.a);)                                                 \
    X(DG_MANAGUA, managua_msg, managua_msg();)                                                \
    X(DG_ALGERIAN, algerian_diplo, algerian_diplo(r.a);)                                      \
    X(DG_BRUSSELS, brussels_mfa, brussels_mfa();)                                             \
    X(DG_THAI, thai_mfa, thai_mfa();)                                                         \
    X(DG_RED_CROSS, red_cross, red_cross(r.a);)

enum DiploGenerator {
#define KESTREL_DIPLO_ID(id, name, ...) id,
    KESTREL_DIPLO_GENERATORS(KESTREL_DIPLO_ID)
#undef KESTREL_DIPLO_ID
    DG_COUNT
};
// The generators' names, by id.
extern const char *const diplo_generator_names[DG_COUNT];

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
