// The front panel as data: window names, the controls in creation order, the info text.
#include "app/window.h"

namespace kestrel {

const char *const window_class = "TOVA";
// A blank, "TOVA 10", 16 blanks, the range, 27 blanks, the name.
const char *const window_title = " TOVA 10"
                                 "                "
                                 "10000 - 30000 kHz"
                                 "                           "
                                 "KESTREL";
const char *const info_caption = " KESTREL Info"
                                 "                "
                                 "KESTREL";

const ControlSpec controls[CONTROL_COUNT] = {
    {101, CONTROL_BUTTON, "OFF", 20, 30, 50, 25},
    {102, CONTROL_BUTTON, "M1", 600, 90, 50, 25},
    {103, CONTROL_BUTTON, "M2", 660, 90, 50, 25},
    {104, CONTROL_BUTTON, "M3", 720, 90, 50, 25},
    {105, CONTROL_BUTTON, "M4", 600, 130, 50, 25},
    {106, CONTROL_BUTTON, "M5", 660, 130, 50, 25},
    {107, CONTROL_BUTTON, "M6", 720, 130, 50, 25},
    {108, CONTROL_BUTTON, "M7", 600, 170, 50, 25},
    {109, CONTROL_BUTTON, "M8", 660, 170, 50, 25},
    {110, CONTROL_BUTTON, "M9", 720, 170, 50, 25},
    {111, CONTROL_BUTTON, "M10", 600, 210, 50, 25},
    {112, CONTROL_BUTTON, "M11", 660, 210, 50, 25},
    {113, CONTROL_BUTTON, "M12", 720, 210, 50, 25},
    {121, CONTROL_BUTTON, "SCAN", 20, 90, 50, 25},
    {122, CONTROL_BUTTON, "ATT", 80, 90, 50, 25},
    {123, CONTROL_BUTTON, "FLT2", 140, 90, 50, 25},
    {124, CONTROL_BUTTON, "LOW", 20, 130, 50, 25},
    {125, CONTROL_BUTTON, "MID", 80, 130, 50, 25},
    {126, CONTROL_BUTTON, "HIGH", 140, 130, 50, 25},
    {127, CONTROL_BUTTON, "HIST", 20, 170, 50, 25},
    {128, CONTROL_BUTTON, "CLIP", 80, 170, 50, 25},
    {129, CONTROL_BUTTON, "BGND", 140, 170, 50, 25},
    {130, CONTROL_BUTTON, "QRN", 20, 210, 50, 25},
    {131, CONTROL_BUTTON, "INFO", 80, 210, 50, 25},
    {132, CONTROL_BUTTON, "SMPL", 140, 210, 50, 25},
    {141, CONTROL_STATIC, "", 345, 30, 110, 20},
    {142, CONTROL_STATIC, " > > > > > ", 700, 30, 70, 20},
    {151, CONTROL_BUTTON, "< 1k", 345, 90, 50, 25},
    {152, CONTROL_BUTTON, "1k >", 405, 90, 50, 25},
    {153, CONTROL_BUTTON, "< 10k", 345, 130, 50, 25},
    {154, CONTROL_BUTTON, "10k >", 405, 130, 50, 25},
    {155, CONTROL_BUTTON, "<100k", 345, 170, 50, 25},
    {156, CONTROL_BUTTON, "100k>", 405, 170, 50, 25},
    {157, CONTROL_BUTTON, "< 1M", 345, 210, 50, 25},
    {158, CONTROL_BUTTON, "1M >", 405, 210, 50, 25},
};

const char *const _info =
    "Kestrel simulates the radiotelegraph signals heard on shortwave from the 1920s to today.\n"
    "It is one of a family of three receivers, and every station on it has its own story.\n"
    "\n"
    "Documentation: the manual pages (man kestrel, man kestrel-cli) and the README\n"
    "(installed: /usr/share/doc/kestrel/README.md); kestrel --help in a terminal.\n"
    "\n"
    "RECEIVER FAMILY (Kestrel brings the TOVA 10):\n"
    "TOVA 1 .................. 0.1 - 1.6 MHz (not included)\n"
    "TOVA 2 .................. 1.6 - 10 MHz (not included)\n"
    "TOVA 10 ................ 10 - 30 MHz (this receiver)\n"
    "\n"
    "BUTTONS/KEYS:\n"
    "OFF ...................... Quit\n"
    "Cursors................. Frequency tuning (also PgUp,PgDwn, middle buttons)\n"
    "SCAN ................... Scaning (nonstop)\n"
    "ATT ...................... Attenuator on/off\n"
    "FLT1/2 ................. Filter 1 kHz or 2 kHz\n"
    "LOW ..................... Sets lowest Receiver frequency\n"
    "MID ...................... Sets middle Receiver frequency\n"
    "HIGH .................... Sets highest Receiver frequency\n"
    "HIST ..................... Historical stations (before 1950s) on/off (most)\n"
    "CLIP ..................... Audio clips on/off\n"
    "BGND ................... Background stations (AM, SSB, RTLX,FAX etc..) on/off\n"
    "QRN ..................... Background noise on/off\n"
    "INFO .................... This info box\n"
    "SMPL .................. Sampling rate 3/4 (default is 3, 4 is not recommended)\n"
    "M1-M12 ............... One time memory\n"
    "R .......................... Record what you hear into a WAV file on/off\n"
    "C .......................... Copy check: what the stations send\n"
    "   (in it: Tab modes, Ctrl+0..6 copy practice, Ctrl+C copies)\n"
    "F .......................... Sound: described / receiver / receiver without fading\n"
    "W .......................... Waterfall of what you hear on/off\n"
    "0-9, Enter ............. Type a frequency in kHz (Esc cancels)\n"
    "Mouse wheel ............ Over the frequency: 1 kHz a notch, 10 kHz with Shift\n"
    "L .......................... Live band on/off: the band goes on while you listen (--live)\n"
    "T .......................... Time machine: listen at another UTC instant (--at)\n"
    "S .......................... SCAN stops on signals on/off, Space moves on (--scan-stop)\n"
    "(letter keys alone: with Ctrl or Alt they are left to the desktop)\n"
    "\n"
    "Kestrel keeps the sound and the operating practice of the telegraph services alive\n"
    "for listeners and Morse learners. Nothing is received from the air.\n"
    "Written by the Kestrel developers.";

}  // namespace kestrel
