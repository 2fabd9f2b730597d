// Opens a side window beside the receiver's panel (platform/side_placement.h).
#pragma once

class Fl_Window;

namespace kestrel::fltk_place {

// Moves `w`, not yet shown, to its place beside the main window; leaves it to
// the window manager when there is no main window or no room.
void beside_main(Fl_Window *w);

}  // namespace kestrel::fltk_place
