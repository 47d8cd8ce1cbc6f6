#pragma once
// Where the system keeps its General MIDI SoundFont.

#include <string>

namespace lyrova {

// The first General MIDI SoundFont found in the usual folders, preferring the
// system's chosen default; "" when there is none.
std::string FindDefaultSoundFont();

}  // namespace lyrova
