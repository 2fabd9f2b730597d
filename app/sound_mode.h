// What the listener hears: the channel files as they are (the described
// sound, the default), or through a receiver's chain, with or without fading;
// and the waterfall window that shows it. F cycles the three, W opens and
// closes the waterfall; `--sound` and `--effects` choose them at start.
#pragma once
#include <cstdint>
#include <string>

#include "platform/rx_chain.h"

namespace kestrel {

// Keys: F cycles the sound, W opens or closes the waterfall.
constexpr uintptr_t VK_SOUND_MODE = 'F';
constexpr uintptr_t VK_WATERFALL = 'W';

// "described", "receiver", "receiver-nofading" (as on the command line).
const char *sound_mode_option(SoundMode m);
// The names the window shows: "described", "receiver", "receiver without fading".
const char *sound_mode_name(SoundMode m);
bool sound_mode_parse(const std::string &text, SoundMode *m);
// A comma list of filter, agc, fading, flutter, crashes; or "all" or "none".
bool sound_effects_parse(const std::string &text, RxEffects *fx, std::string *error);

// Chooses the sound; `seed` 0 draws the chain's own randomness from the clock.
// False, with the reason, for a mode or effect list it does not know.
bool sound_select(const std::string &mode, const std::string &effects, uint64_t seed, std::string *error);
SoundMode sound_mode();
// F: described -> receiver -> receiver without fading -> described.
void sound_cycle();
// Hands the chain the receiver's filter and attenuator and, from the clock
// sample, night or day, month and hour; after every retune.
void sound_sync();
// At start-up: a sound chosen on the command line shows in the title.
void sound_start();
// The title shows the sound when it is not the described one (title_refresh,
// app/listening.h, composes every mark).

// W: opens the waterfall, or closes it when it is open.
void waterfall_toggle();

}  // namespace kestrel
