// The developer build's start-up statistics and database listing: written in
// order into the diagnostic log, and nothing at all without the log.
#include <gtest/gtest.h>

#include <string>

#include "app/resources.h"
#include "state/log.h"
#include "support/fixture.h"
#include "traffic/vessels.h"

namespace kestrel::test {
namespace {

class Resources : public Kestrel {};

int count(const std::string &s, const std::string &what, size_t from = 0, size_t to = std::string::npos) {
    int n = 0;
    for (size_t at = s.find(what, from); at != std::string::npos && at < to; at = s.find(what, at + 1)) ++n;
    return n;
}

TEST_F(Resources, NothingWithoutTheLog) {
    debug = 0;
    get_statistics();
    List_Resources();
    EXPECT_FALSE(file_exists("TOVA_LOG.TXT"));
}

TEST_F(Resources, StatisticsThenVesselsAmateursAndNavyInOrder) {
    debug = 1;
    get_statistics();
    List_Resources();
    debug = 0;
    const std::string log = read_text("TOVA_LOG.TXT");
    const size_t stats = log.find("\n TOVA Version: 4.29\n Resource statistics\n Background: 2754");
    const size_t vessels = log.find("\n Main Vessel Database\n");
    const size_t amateurs = log.find("\n Amateur Database\n");
    const size_t navy = log.find("\n Navy Resorces:\n RN:         36\n RFA:        1\n");
    const size_t russian = log.find("\n Russian Navy:\n RCC:        21\n");
    ASSERT_EQ(stats, 0u);
    ASSERT_NE(vessels, std::string::npos);
    ASSERT_NE(amateurs, std::string::npos);
    ASSERT_NE(navy, std::string::npos);
    ASSERT_NE(russian, std::string::npos);
    EXPECT_LT(stats, vessels);
    EXPECT_LT(vessels, amateurs);
    EXPECT_LT(amateurs, navy);
    EXPECT_LT(navy, russian);
    // One line per vessel (0000 .. 1856) and per listed amateur (0000 .. 0591).
    EXPECT_EQ(count(log, "\n ", vessels + 23, amateurs) , VSL_ROWS);
    EXPECT_NE(log.find(std::string("\n 0000  ") + qra[0] + "/" + vsl[0] + " "), std::string::npos);
    EXPECT_NE(log.find(std::string("\n 1856  ") + qra[1856] + "/" + vsl[1856] + " "), std::string::npos);
    EXPECT_EQ(count(log, " / ", amateurs, navy), 2 * 592);
    EXPECT_NE(log.find("\n 0591  "), std::string::npos);
    EXPECT_EQ(log.find("\n 0592  ", amateurs), std::string::npos);
    EXPECT_NE(log.find(" RJH25:      4\n"), std::string::npos);
}

}  // namespace
}  // namespace kestrel::test
