// Content of the recordings: texts, scripts, station identifications, tunes
// and glyphs. The tables live in their own files; the generators only read them.
#pragma once

namespace kestrel::rec {

// A teleprinter recording: file, keying and the text it carries.
struct TeleprinterFile {
    const char *name;
    double baud;
    double mark;   // Hz, the stop/idle tone
    double space;  // Hz, the start tone
    const char *text;
};
constexpr int TELEPRINTER_FILES = 3;
extern const TeleprinterFile teleprinter_files[TELEPRINTER_FILES];

// SITOR-B broadcast: 100 Bd, 170 Hz shift.
constexpr double SITOR_BAUD = 100.0, SITOR_MARK = 1615.0, SITOR_SPACE = 1785.0;
extern const char sitor_text[];

// One utterance of the SSB voice recording.
struct VoiceLine {
    int speaker;       // index into ssb_speakers
    const char *text;  // English, spoken by espeak-ng
};
struct SsbSpeaker {
    const char *voice;  // espeak-ng voice name with variant
    int rate, pitch;
    double shift_hz;    // mistuning heard on this station
};
constexpr int SSB_SPEAKERS = 4;
extern const SsbSpeaker ssb_speakers[SSB_SPEAKERS];
extern const VoiceLine ssb_script[];
extern const int ssb_script_lines;

// Broadcast station identification by clip-name prefix.
struct ClipStation {
    const char *prefix;    // text before the first '-' of the clip name
    const char *voice;     // espeak-ng voice (language)
    const char *ident[3];  // announcements; empty entries unused
    bool service = false;  // a utility service: attention pips, no tune
};
extern const ClipStation clip_stations[];
extern const int clip_station_count;

// Interval-signal tunes: semitone offsets from the key note (-99 = rest) and
// lengths in beats, ending with a zero length.
struct Note {
    int semitone;
    double beats;
};
constexpr int TUNE_NOTES = 16;
extern const Note interval_tunes[][TUNE_NOTES];
extern const int interval_tune_count;

// 5x7 glyphs for the fax chart lettering: rows top to bottom, bit 4 left.
struct Glyph {
    char c;
    unsigned char rows[7];
};
extern const Glyph fax_font[];
extern const int fax_font_size;
extern const char *const fax_title_lines[];
extern const int fax_title_line_count;

}  // namespace kestrel::rec
