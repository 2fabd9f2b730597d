// A build-time generator may use the band plan and what lies below it, but
// reaching the receiver's window is refused.
#include "bandplan/clips/clip_table.h"
#include "app/window.h"
