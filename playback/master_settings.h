#pragma once
// How the three track bars map to the performance's master settings.

#include <cstdint>

namespace lyrova {

// a = the negated tempo track-bar position (-40..40). Faster steps are 1/40,
// slower steps 1/50, so the ends give 2.0 and 0.2.
float TempoFactor(int a);

// p = the volume track-bar position (0..100): hundredths of a decibel,
// +15.00 dB at the top, -30.00 dB at the bottom, 0.45 dB a step.
std::int32_t VolumeHundredthsDb(int p);

// The synthesizer's linear gain for a master volume; 0 dB is its default 0.2.
float SynthGain(std::int32_t hundredthsDb);

}  // namespace lyrova
