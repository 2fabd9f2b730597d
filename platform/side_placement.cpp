#include "platform/side_placement.h"

namespace kestrel {

namespace {

constexpr int GAP = 8;  // between a window's frame and the next

bool overlaps(const Box &a, const Box &b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool inside(const Box &a, const Box &screen) {
    return a.x >= screen.x && a.y >= screen.y && a.x + a.w <= screen.x + screen.w &&
           a.y + a.h <= screen.y + screen.h;
}

// A window's box with its title bar, as the screen shows it.
Box framed(const Box &b, int title) { return Box{b.x, b.y - title, b.w, b.h + title}; }

}  // namespace

bool side_position(const Box &main, const Box &screen, const std::vector<Box> &taken, int w, int h, int title,
                   int *x, int *y) {
    const Box candidates[] = {
        {main.x, main.y + main.h + GAP + title, w, h},  // below
        {main.x + main.w + GAP, main.y, w, h},          // right
        {main.x, main.y - title - GAP - h, w, h},       // above
        {main.x - GAP - w, main.y, w, h},               // left
    };
    for (Box c : candidates) {
        // Held inside the screen sideways where the panel is near its edge.
        if (c.x + c.w > screen.x + screen.w) c.x = screen.x + screen.w - c.w;
        if (c.x < screen.x) c.x = screen.x;
        const Box shown = framed(c, title);
        if (!inside(shown, screen) || overlaps(shown, framed(main, title))) continue;
        bool free = true;
        for (const Box &t : taken) free = free && !overlaps(shown, framed(t, title));
        if (!free) continue;
        *x = c.x;
        *y = c.y;
        return true;
    }
    return false;
}

}  // namespace kestrel
