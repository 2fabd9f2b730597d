// The agencies' press in plain language: the press call, datelines of the
// day from the clock in the agency's language, items made only of the words
// of that language's phrases, and the close.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <sstream>
#include <string>

#include "procedures/send.h"
#include "support/fixture.h"
#include "synth/morse.h"
#include "traffic/press.h"

namespace kestrel::test {
namespace {

void words_of(const char *text, std::set<std::string> &out) {
    std::istringstream in(text);
    for (std::string w; in >> w;) {
        while (!w.empty() && (w.back() == '.' || w.back() == ',')) w.pop_back();
        out.insert(w);
    }
}

std::set<std::string> vocabulary(const PressLanguage &l) {
    std::set<std::string> v;
    for (int i = 0; i < l.place_count; ++i) words_of(l.places[i], v);
    for (int i = 0; i < l.port_count; ++i) words_of(l.ports[i], v);
    for (int i = 0; i < 12; ++i) words_of(l.months[i], v);
    for (int i = 0; i < l.text_count; ++i) words_of(l.texts[i], v);
    for (int i = 0; i < l.surname_count; ++i) words_of(l.surnames[i], v);
    for (int i = 0; i < l.ship_count; ++i) words_of(l.ships[i], v);
    words_of(l.end, v);
    if (&l == &press_languages[PL_FRENCH]) v.insert({"D", "DU", "AU"});  // DE and A joined to the place
    return v;
}

bool number(const std::string &w) {
    size_t k = 0;
    while (k < w.size() && std::isdigit(static_cast<unsigned char>(w[k]))) ++k;
    return k > 0 && (k == w.size() || (k + 1 == w.size() && w[k] == '.'));
}

struct Case {
    int agency;
    const char *call, *name, *date;  // the dateline's date on 22 March
    int language;
};
const Case cases[] = {
    {PRESS_HAVAS, "FTO", "AGENCE HAVAS", "22 MARS (HAVAS) -", PL_FRENCH},
    {PRESS_AFP, "FTN", "AGENCE FRANCE PRESSE", "22 MARS (AFP) -", PL_FRENCH},
    {PRESS_STEFANI, "IRM", "AGENZIA STEFANI", "22 MARZO (STEFANI) -", PL_ITALIAN},
    {PRESS_TRANSOCEAN, "DGK", "TRANSOCEAN BERLIN", "22. MAERZ (TRANSOCEAN) -", PL_GERMAN},
    {PRESS_DNB, "DHO", "DNB BERLIN", "22. MAERZ (DNB) -", PL_GERMAN},
    {PRESS_UP, "WJQ", "UNITED PRESS", "MAR 22 (UP) -", PL_ENGLISH_US},
    {PRESS_AP, "WJS", "ASSOCIATED PRESS", "MAR 22 (AP) -", PL_ENGLISH_US},
    {PRESS_REUTER, "GAA", "REUTER LONDON", "MARCH 22 (REUTER) -", PL_ENGLISH_UK},
    {PRESS_PRESS_WIRELESS, "WJS", "PRESS WIRELESS NEW YORK", "MAR 22 (PW) -", PL_ENGLISH_US},
    {PRESS_TELAM, "LSY", "AGENCIA TELAM", "22 DE MARZO (TELAM) -", PL_SPANISH},
    {PRESS_AGENCIA_NACIONAL, "PPW", "AGENCIA NACIONAL", "22 DE MARCO (AN) -", PL_PORTUGUESE},
    {PRESS_TASS, "RKI", "TASS MOSKWA", "22 MARTA (TASS) -", PL_RUSSIAN},
};

class Press : public Kestrel {};

TEST_F(Press, EveryAgencySendsPlainLanguageUnderTheDaysDatelines) {
    for (const Case &c : cases) {
        const std::set<std::string> words = vocabulary(press_languages[c.language]);
        std::set<std::string> items_seen;
        for (unsigned seed = 1; seed <= 40; ++seed) {
            reception_at(2025, 3, 22, 13, 5, 54, 0, seed);
            press_px(c.call, c.agency);
            ASSERT_EQ(send_call, 1) << c.name;
            const std::string s = send_buf[0];
            const std::string head = std::string("CQ PX DE ") + c.call + " = " + c.name + " = ";
            ASSERT_EQ(s.rfind(head, 0), 0u) << s.substr(0, 80);
            const std::string close = std::string(press_languages[c.language].end) + " + DE " + c.call;
            ASSERT_NE(s.find(close), std::string::npos) << s.substr(s.size() > 60 ? s.size() - 60 : 0);
            // Two to four items, each under a dateline of the day.
            int items = 0;
            for (size_t at = s.find(c.date); at != std::string::npos; at = s.find(c.date, at + 1)) ++items;
            EXPECT_GE(items, 2) << s;
            EXPECT_LE(items, 4) << s;
            EXPECT_EQ(s.find('{'), std::string::npos) << "a field left unfilled: " << s;
            // Every word is one of the language's, a number, or procedure.
            std::istringstream body(s.substr(head.size(), s.find(close) - head.size()));
            for (std::string w; body >> w;) {
                std::string bare = w;
                while (!bare.empty() && (bare.back() == '.' || bare.back() == ',')) bare.pop_back();
                if (bare.empty() || bare == "=" || bare == "-" || number(bare)) continue;
                if (bare.front() == '(' && bare.back() == ')') continue;  // the agency's tag
                EXPECT_TRUE(words.count(bare)) << c.name << ": \"" << w << "\" in " << s.substr(0, 200);
            }
            for (unsigned char ch : s) {
                EXPECT_TRUE(ch == ' ' || (ch < CW_TABLE_SIZE && cw_table[ch] != 0)) << c.name << ": " << int(ch);
                if (c.language != PL_RUSSIAN) {
                    EXPECT_FALSE(std::strchr("!@$#%", ch)) << c.name << ": " << ch;
                }
            }
            if (c.language == PL_FRENCH) {
                for (const char *wrong : {" DE A", " DE E", " DE O", " DE LE ", " A LE "})
                    EXPECT_EQ(s.find(wrong), std::string::npos) << wrong << " in " << s;
            }
            items_seen.insert(s.substr(head.size(), 60));
        }
        // Composed afresh: forty receptions give many different bulletins.
        EXPECT_GT(items_seen.size(), 20u) << c.name;
    }
    // An agency the plan does not know sends nothing.
    reception_at(2025, 3, 22, 13, 5, 54, 0, 1);
    press_px("FTO", PRESS_AGENCIES);
    EXPECT_EQ(send_call, 0);
}

// Each phrase names only the fields the composer fills, and every language
// has enough phrases, places and names that a bulletin does not repeat.
TEST_F(Press, ThePhraseTablesAreWhole) {
    for (int l = 0; l < PL_LANGUAGES; ++l) {
        const PressLanguage &lang = press_languages[l];
        EXPECT_GE(lang.text_count, 10) << l;
        EXPECT_GE(lang.place_count, 10) << l;
        EXPECT_GE(lang.port_count, 6) << l;
        EXPECT_GE(lang.surname_count, 6) << l;
        EXPECT_GE(lang.ship_count, 6) << l;
        for (int m = 0; m < 12; ++m) EXPECT_TRUE(lang.months[m] && lang.months[m][0]) << l << " month " << m;
        for (int i = 0; i < lang.text_count; ++i)
            for (const char *c = lang.texts[i]; *c; ++c)
                if (*c == '{') {
                    EXPECT_TRUE(c[1] && std::strchr("PQHJSVNMKTD", c[1]) && c[2] == '}') << lang.texts[i];
                }
    }
}

}  // namespace
}  // namespace kestrel::test
