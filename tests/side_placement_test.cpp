// Where the side windows first open beside the panel.
#include <gtest/gtest.h>

#include <vector>

#include "platform/side_placement.h"

namespace kestrel::test {
namespace {

constexpr int TITLE = 24;
const Box kPanel{100, 60, 810, 295};

bool overlaps(const Box &a, const Box &b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

TEST(SidePlacement, BelowThenBesideThenAboveNeverOverThePanelOrTheOtherWindow) {
    int x = 0, y = 0;
    // A full-HD screen: the waterfall goes below the panel, clear of its frame.
    const Box hd{0, 0, 1920, 1080};
    ASSERT_TRUE(side_position(kPanel, hd, {}, 800, 380, TITLE, &x, &y));
    EXPECT_EQ(x, kPanel.x);
    EXPECT_GE(y - TITLE, kPanel.y + kPanel.h);
    const Box fall{x, y, 800, 380};
    // The copy check then goes to the right, not over the waterfall.
    ASSERT_TRUE(side_position(kPanel, hd, {fall}, 660, 380, TITLE, &x, &y));
    const Box copy{x, y, 660, 380};
    EXPECT_EQ(copy.x, kPanel.x + kPanel.w + 8);
    EXPECT_FALSE(overlaps(copy, fall));
    EXPECT_FALSE(overlaps(copy, kPanel));

    // A panel low on a small screen: no room below, none to the right; above it.
    const Box small{0, 0, 1024, 768};
    const Box low{100, 440, 810, 295};
    ASSERT_TRUE(side_position(low, small, {}, 800, 380, TITLE, &x, &y));
    EXPECT_LE(y + 380 + 8, low.y - TITLE);
    EXPECT_GE(y - TITLE, 0);
    // Near the screen's right edge the window is held inside it.
    const Box right{300, 60, 810, 295};
    ASSERT_TRUE(side_position(right, small, {}, 800, 380, TITLE, &x, &y));
    EXPECT_LE(x + 800, 1024);
    EXPECT_GE(x, 0);

    // A screen with no room anywhere leaves it to the window manager.
    const Box tiny{0, 0, 820, 320};
    EXPECT_FALSE(side_position(Box{0, 24, 810, 295}, tiny, {}, 800, 380, TITLE, &x, &y));
    // A work area that does not start at 0 (a panel bar on top) is kept to.
    const Box bar{0, 40, 1920, 1040};
    ASSERT_TRUE(side_position(Box{0, 40 + TITLE, 810, 295}, bar, {}, 800, 380, TITLE, &x, &y));
    EXPECT_GE(y - TITLE, 40);
}

}  // namespace
}  // namespace kestrel::test
