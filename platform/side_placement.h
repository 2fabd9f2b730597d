// Where a side window (the waterfall, the copy check) first opens: beside the
// receiver's panel, not over it, and not over the other side window.
#pragma once
#include <vector>

namespace kestrel {

struct Box {
    int x = 0, y = 0, w = 0, h = 0;
};

// The top-left corner for a side window of size w x h next to `main` within
// the screen's work area `screen`, in this order: below the panel, to its
// right, above it, to its left; a place that would cover one of `taken` is
// passed over. The sizes are the windows' insides: `title` is the height the
// window manager adds above each for its title bar. false when no place
// fits (the window manager then places it).
bool side_position(const Box &main, const Box &screen, const std::vector<Box> &taken, int w, int h, int title,
                   int *x, int *y);

}  // namespace kestrel
