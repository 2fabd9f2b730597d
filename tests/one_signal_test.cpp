// What a listener sweeping the dial would catch at once: one transmitter
// keying two emissions on one frequency at the same moment. Every frequency is
// received at the sweep's instants, each with a seed of its own (as the
// receiver's moving random source gives), and no call may be heard signing
// "DE <call>" on two channels of one reception.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bandplan/bands.h"
#include "bandplan/reset.h"
#include "bandplan/one_signal.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "procedures/procedures.h"
#include "procedures/send.h"
#include "state/receiver.h"
#include "support/fixture.h"
#include "support/instants.h"
#include "synth/channels.h"
#include "synth/morse.h"
#include "synth/params.h"

namespace kestrel::test {
namespace {

// The words of a slot as heard: parameter codes skipped, letters folded to upper case.
std::vector<std::string> heard_words(const char *slot) {
    std::vector<std::string> words;
    std::string w;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(slot); *p; ++p) {
        unsigned char c = *p;
        if (c == CODE_SPD || c == CODE_QSA) {
            if (!p[1]) break;
            ++p;
            continue;
        }
        if (c == CODE_TON) {
            if (!p[1] || !p[2]) break;
            p += 2;
            continue;
        }
        if (c == ' ' || c == CODE_TUNE || c == '=' || c == '+') {
            if (!w.empty()) words.push_back(w);
            w.clear();
            continue;
        }
        w += char(std::toupper(c));
    }
    if (!w.empty()) words.push_back(w);
    return words;
}

// A word that is a call sign: letters and digits, 3 to 7 of them, with a digit
// or at most four letters (so the French and Spanish "DE" before a place or an
// article is not taken for a signature).
bool call_like(const std::string &w) {
    if (w.size() < 3 || w.size() > 7) return false;
    bool digit = false;
    for (char c : w) {
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
        digit |= std::isdigit(static_cast<unsigned char>(c)) != 0;
    }
    static const std::set<std::string> words = {"LOS", "LAS", "SAN", "LA", "MAR", "UNA", "DER", "DES", "ROME", "PARA"};
    return (digit || w.size() <= 4) && !words.count(w);
}

// The calls a slot signs with ("DE X", the part before a stroke), and the call
// of a slot that is that call alone, repeated (a SITOR channel's identification).
std::set<std::string> signatures(const char *slot) {
    std::set<std::string> calls;
    const std::vector<std::string> w = heard_words(slot);
    if (w.size() >= 2 && std::count(w.begin(), w.end(), w[0]) == long(w.size()) && call_like(w[0])) calls.insert(w[0]);
    for (size_t i = 0; i + 1 < w.size(); ++i) {
        if (w[i] != "DE") continue;
        std::string c = w[i + 1].substr(0, w[i + 1].find('/'));
        if (call_like(c)) calls.insert(c);
    }
    return calls;
}

class OneSignal : public Kestrel {};

TEST_F(OneSignal, TheSignatureReaderFindsCallsAndSkipsWords) {
    char slot[] = "WQN DE GCS NR 41 = \001\030VVV DE  FUG/3 AVISO DE LOS PUERTOS de kph K";
    EXPECT_EQ((std::set<std::string>{"GCS", "FUG", "KPH"}), signatures(slot));
    EXPECT_TRUE(signatures("CQ DE").empty());
    EXPECT_TRUE(signatures("BULLETIN DE PARIS").empty());
    EXPECT_EQ((std::set<std::string>{"HB9CW"}), signatures("SP5DC DE HB9CW K"));
}

TEST_F(OneSignal, AMarkerGivesWayToWhatItAnnounces) {
    auto close = [](const char *text, int speed, int tone) {
        std::strcpy(send_buf[send_call], text);
        spd = speed;
        ton = tone;
        send_stack("");
    };
    reception_at(2026, 3, 22, 13, 17, 54, 0, 1);
    std::string marker;
    for (int i = 0; i < 20; ++i) marker += "VVV VVV VVV DE GCS GCS GCS RUGBY  ";
    close(marker.c_str(), 30, 1000);
    close("WQN DE GCS NR 40 = 12345 AR", 31, 1010);
    close("KPH KPH DE WXYZ WXYZ QTC K", 18, 700);  // another station on the frequency
    close("        SVA SVA          SVA SVA          SVA SVA     ", 22, 1150);
    close("CQ CQ DE SVA SVA SVA QTC LIST EVERY HR K   CQ CQ DE SVA SVA SVA QTC LIST EVERY HR K", 23, 870);
    std::strcpy(send_buf[send_call], "open slot");
    EXPECT_EQ(one_signal_per_station(0), 2);
    ASSERT_EQ(send_call, 3);
    EXPECT_EQ(std::string(send_buf[0]).rfind("WQN DE GCS NR 40 = 12345 AR ", 0), 0u);
    EXPECT_EQ(spd_table[0], 31);
    EXPECT_EQ(ton_table[0], 1010);
    EXPECT_EQ(std::string(send_buf[1]).rfind("KPH KPH DE WXYZ", 0), 0u);
    EXPECT_EQ(spd_table[1], 18);
    EXPECT_EQ(std::string(send_buf[2]).rfind("CQ CQ DE SVA", 0), 0u) << "the watch stays, the identification gives way";
    EXPECT_EQ(spd_table[2], 23);
    EXPECT_EQ(std::string(send_buf[3]), "open slot");
    // A slot already on the air stays; the later one gives way, marker or not.
    EXPECT_EQ(one_signal_per_station(0), 0);
    close(marker.c_str(), 30, 1000);
    EXPECT_EQ(one_signal_per_station(1), 1);
    EXPECT_EQ(std::string(send_buf[0]).rfind("WQN DE GCS NR 40 = 12345 AR ", 0), 0u);
    EXPECT_EQ(send_call, 3);
    EXPECT_EQ(signs_with("VVV DE FUG/3 DE fug K", "FUG"), 2);
    EXPECT_EQ(signs_with("BULLETIN DE PARIS", "PARIS"), 0);
}

TEST_F(OneSignal, NoCallIsKeyedOnTwoChannelsAtOnce) {
    media_use(&media_null);
    set_retune_hook(bands_compose);
    int receptions = 0, shared = 0, two_or_more = 0;
    std::map<int, int> reported;  // one failure per frequency is enough to read
    for (int i = 0; i < int(std::size(sweep_instants)); ++i) {
        const Instant &at = sweep_instants[i];
        for (int f = 10000; f <= 30000; ++f) {
            program_reset();
            hist = bkgnd = 1;
            freq = f;
            test_clock_set(at.year, at.month, at.day_, at.hour, at.minute, at.second, 0);
            test_clock_step(7);
            random_reset(unsigned(f) * 2654435761u + unsigned(i) * 40503u);
            bands_compose();
            ++receptions;
            if (send_call < 2) continue;
            ++two_or_more;
            std::map<std::string, int> first_slot;
            for (int k = 0; k < send_call && k < SLOTS; ++k) {
                for (const std::string &c : signatures(send_buf[k])) {
                    auto [it, fresh] = first_slot.emplace(c, k);
                    if (fresh) continue;
                    ++shared;
                    if (reported[f]++ == 0)
                        ADD_FAILURE() << f << " kHz at " << at.month << "-" << at.day_ << " " << at.hour << ":"
                                      << at.minute << ":" << at.second << ": " << c << " in slots " << it->second
                                      << " and " << k << "\n  " << std::string(send_buf[it->second]).substr(0, 160)
                                      << "\n  " << std::string(send_buf[k]).substr(0, 160);
                }
            }
        }
    }
    set_retune_hook(nullptr);
    EXPECT_EQ(shared, 0) << "on " << reported.size() << " frequencies";
    EXPECT_EQ(receptions, int(std::size(sweep_instants)) * 20001);
    // Two stations sharing a frequency stay: the sweep still meets many.
    EXPECT_GT(two_or_more, 500);
}

}  // namespace
}  // namespace kestrel::test
