// The window system seen from the receiver: one main window with push buttons
// and text fields, a message loop, repeating timers and the single-instance
// claim. The toolkit backend lives in platform/fltk/; the headless backend
// here lets the receiver start and run its logic without a display.
// Texts of controls and message boxes go through platform/ui.h.
#pragma once
#include <cstdint>

namespace kestrel {

// Messages a window procedure receives (numbered as the classic window system).
constexpr uint32_t WM_CREATE = 0x0001;
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t MM_MCINOTIFY = 0x03B9;
// The mouse wheel: wParam's high word the signed distance turned, WHEEL_DELTA
// a notch, positive away from the listener; its low word MK_SHIFT while Shift
// is held; lParam the pointer in client pixels, x in the low word, y in the high.
constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr int WHEEL_DELTA = 120;
constexpr uintptr_t MK_SHIFT = 0x0004;
constexpr uintptr_t MCI_NOTIFY_SUCCESSFUL = 1;

// Virtual-key codes carried by WM_KEYDOWN; letters and digits are their upper-case ASCII codes.
constexpr uintptr_t VK_BACK = 0x08;
constexpr uintptr_t VK_TAB = 0x09;
constexpr uintptr_t VK_RETURN = 0x0D;
constexpr uintptr_t VK_ESCAPE = 0x1B;
constexpr uintptr_t VK_SPACE = 0x20;
constexpr uintptr_t VK_PRIOR = 0x21;  // Page Up
constexpr uintptr_t VK_NEXT = 0x22;   // Page Down
constexpr uintptr_t VK_END = 0x23;
constexpr uintptr_t VK_HOME = 0x24;
constexpr uintptr_t VK_LEFT = 0x25;
constexpr uintptr_t VK_UP = 0x26;
constexpr uintptr_t VK_RIGHT = 0x27;
constexpr uintptr_t VK_DOWN = 0x28;
constexpr uintptr_t VK_INSERT = 0x2D;
constexpr uintptr_t VK_DELETE = 0x2E;
constexpr uintptr_t VK_F1 = 0x70;  // .. F12 = 0x7B

// Modifier keys held with a WM_KEYDOWN, carried in its lParam. Bit 29 is where
// the classic window system tells that Alt is down; Ctrl and the logo key take
// two bits it leaves unused.
constexpr intptr_t KEY_ALT = intptr_t(1) << 29;
constexpr intptr_t KEY_CTRL = intptr_t(1) << 27;
constexpr intptr_t KEY_META = intptr_t(1) << 26;
// A letter or digit typed with one of these is a command for someone else (a
// copy, a desktop shortcut), never a key of the receiver.
constexpr intptr_t KEY_COMMAND_MODIFIERS = KEY_ALT | KEY_CTRL | KEY_META;

// A window procedure: window, message, wParam, lParam.
using WindowProc = intptr_t (*)(int window, uint32_t message, uintptr_t wparam, intptr_t lparam);

// CONTROL_STATUS: a text field of the status line, in a plain smaller font.
enum ControlKind { CONTROL_BUTTON = 0, CONTROL_STATIC = 1, CONTROL_STATUS = 2 };

struct ControlSpec {
    int id;
    int kind;  // ControlKind
    const char *caption;
    int x, y, w, h;  // client pixels
};

struct WindowBackend {
    const char *name;
    // Claims the one-instance lock named `name`; 1 when this process is now the
    // only instance, 0 when another one holds it. The claim lasts until the
    // process ends, however it ends.
    int (*claim_instance)(const char *name);
    // Connects to the window system; 0 on failure.
    int (*register_class)(const char *class_name);
    // Creates and shows the main window; its key strokes, button clicks, wheel
    // turns and the close request reach `proc` as WM_KEYDOWN, WM_COMMAND,
    // WM_MOUSEWHEEL and WM_DESTROY.
    // Returns a nonzero handle, or 0 on failure.
    int (*create_window)(const char *class_name, const char *title, int width, int height, WindowProc proc);
    // Adds one control to the main window; controls are kept in creation order.
    void (*create_control)(int window, const ControlSpec &control);
    // What the window system does with a message nobody handled.
    intptr_t (*def_proc)(int window, uint32_t message, uintptr_t wparam, intptr_t lparam);
    // Calls `tick` every `ms` milliseconds, counted from the end of the previous
    // call, on the window's thread; returns at once.
    void (*start_timer)(int ms, void (*tick)());
    // Runs the message loop until quit(); returns quit's code.
    int (*run)();
    // Ends the message loop with `code`.
    void (*quit)(int code);
};

void window_use(const WindowBackend *backend);
const WindowBackend &window();

// No display: the claim always succeeds, the window is a handle with no
// pixels, timers never fire and run() returns the quit code at once.
extern const WindowBackend window_headless;

// Single-instance claim by a lock file that the kernel releases when the
// holder ends (also by a crash): in $XDG_RUNTIME_DIR, else the temporary folder.
// 1 = claimed (or no lock file could be made: starting is better than refusing),
// 0 = another live process holds it.
int instance_claim(const char *name);
// Path of the lock file for `name` (for messages and tests).
const char *instance_lock_path(const char *name);
// Gives up every claim this process holds, as its end would.
void instance_release();

}  // namespace kestrel
