#pragma once
// The three sliders as the singer reads and moves them: their ranges, how
// far one arrow, one wheel notch and one click on the groove move them, and
// the value shown beside each. Texts are UTF-8.

#include <cstdint>
#include <string>

namespace lyrova {

enum class TSliderKind { Tempo, Key, Volume };

struct TSliderRule {
  int minimum;
  int maximum;
  int start;       // the resting place, also where a double click returns
  int singleStep;  // an arrow key or a wheel notch
  int pageStep;    // a click on the groove: a small step, never to an end
  const char* label;
  const char* hint;  // the historical hint the shortcut is added to
};

const TSliderRule& SliderRule(TSliderKind kind);

// The tempo as a percentage of the song's own: "100%", "102,5%", "20%".
std::string TempoText(float factor);
// Semitones with their sign: "0", "+3", "−2".
std::string KeyText(int semitones);
// Decibels with one decimal and their sign: "−7,5 дБ", "+15,0 дБ".
std::string VolumeText(std::int32_t hundredthsDb);

}  // namespace lyrova
