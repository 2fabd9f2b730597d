// Press and telecom traffic of the commercial circuits.
#pragma once

namespace kestrel {

// A message in four-figure groups (the commercial code of the Far East).
void fig4_msg(const char *head, int groups);

// The news agencies whose press the band plan sends in plain language; each
// in its own language and dateline style.
enum PressAgency {
    PRESS_HAVAS,           // French
    PRESS_AFP,             // French, after 1944
    PRESS_STEFANI,         // Italian
    PRESS_TRANSOCEAN,      // German
    PRESS_DNB,             // German
    PRESS_UP,              // English, American datelines
    PRESS_AP,              // English, American datelines
    PRESS_REUTER,          // English, Empire datelines
    PRESS_PRESS_WIRELESS,  // English, American datelines
    PRESS_TELAM,           // Spanish, River Plate datelines
    PRESS_AGENCIA_NACIONAL,  // Portuguese, Brazilian datelines
    PRESS_TASS,            // Russian in the Latin letters of Russian Morse
    PRESS_AGENCIES
};

// The phrases of one press language. An item is a dateline (a place and the
// day and month from the clock) and one of the texts, whose fields are filled
// by name: {P} and {Q} two other places, {H} and {J} two ports, {S} a surname, {V} a ship, {N} a number
// 3..40, {M} 1..6, {K} 120..2900, {T} votes 60..240, {D} a day of the month.
struct PressLanguage {
    const char *const *places;  // the agency's home city first
    int place_count;
    const char *const *ports;  // the places a ship can reach
    int port_count;
    const char *const *months;  // twelve, as the dateline writes them
    const char *const *texts;
    int text_count;
    const char *const *surnames;
    int surname_count;
    const char *const *ships;
    int ship_count;
    const char *end;  // the word that ends the broadcast
};
enum PressLanguageId { PL_FRENCH, PL_ITALIAN, PL_GERMAN, PL_ENGLISH_US, PL_ENGLISH_UK, PL_SPANISH, PL_PORTUGUESE,
                       PL_RUSSIAN, PL_LANGUAGES };
extern const PressLanguage press_languages[PL_LANGUAGES];

// A press broadcast of `call` for `agency`: "CQ PX DE call" with the agency's
// name, two to four items each under a dateline of the day from the clock,
// composed from the language's phrases, and the close. Closed.
void press_px(const char *call, int agency);

}  // namespace kestrel
