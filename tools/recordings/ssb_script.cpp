// The SSB voice recording: a coast station working ships on a voice channel.
#include "tools/recordings/content.h"

namespace kestrel::rec {

const SsbSpeaker ssb_speakers[SSB_SPEAKERS] = {
    {"en+m1", 150, 38, 170.0},              // the coast station
    {"en-us+m7", 158, 55, -240.0},          // a cargo ship
    {"en-gb-scotland+m2", 165, 45, 265.0},  // a trawler
    {"en-029+f2", 155, 62, -130.0},         // a research ship
};

const VoiceLine ssb_script[] = {
    {1, "Northsea Radio, Northsea Radio, this is motor vessel Atlantic Harmony, Atlantic Harmony, "
        "on channel eight zero four. Radio check, over."},
    {0, "Atlantic Harmony, this is Northsea Radio. I read you four by four, slight fading. "
        "Go ahead, over."},
    {1, "Roger. Position five two degrees one four minutes north, zero zero four degrees "
        "three two minutes west. Course two seven zero, speed one three knots. Over."},
    {0, "Position copied. Five two one four north, zero zero four three two west, course two "
        "seven zero, speed one three. Send your traffic, over."},
    {1, "Telegram for Rotterdam. E T A fifteenth, zero six hundred. Require pilot and two tugs. "
        "Master. Over."},
    {0, "Received, number one two seven. Northsea Radio listening on eight zero four. Out."},
    {2, "Northsea Radio, this is fishing vessel Ocean Reaper. Radio check. One two three four "
        "five, five four three two one. How do you read? Over."},
    {0, "Ocean Reaper, readability three, strength two. Heavy noise here. Say again your call "
        "sign, over."},
    {2, "Oscar Charlie Echo Alpha November. Romeo Echo Alpha Papa Echo Romeo. Over."},
    {3, "Break. Northsea Radio, this is Polar Explorer with the weather report, over."},
    {0, "Polar Explorer, go ahead."},
    {3, "Wind north west, force six. Sea state five. Visibility eight miles. Pressure one zero "
        "zero four, falling. Over."},
    {0, "Thank you, Polar Explorer. Northsea Radio out."},
};
const int ssb_script_lines = sizeof ssb_script / sizeof ssb_script[0];

}  // namespace kestrel::rec
