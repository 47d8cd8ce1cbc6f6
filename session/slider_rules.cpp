#include "session/slider_rules.h"

#include <cmath>
#include <cstdlib>

namespace lyrova {
namespace {

constexpr char kMinus[] = "\u2212";

// `tenths` as a decimal with a comma; the ",0" only when `keepZero`.
std::string Tenths(long tenths, bool keepZero) {
  std::string text = std::to_string(std::labs(tenths) / 10);
  if (keepZero || tenths % 10 != 0) text += "," + std::to_string(std::labs(tenths) % 10);
  return text;
}

}  // namespace

const TSliderRule& SliderRule(TSliderKind kind) {
  // Four tempo positions are 10% faster or 8% slower; five volume positions 2.25 dB.
  static const TSliderRule rules[] = {
      {-40, 40, 0, 1, 4, "Темп", "Tempo"},
      {-8, 8, 0, 1, 1, "Тон", "Pitch"},
      {0, 100, 50, 1, 5, "Громк.", "Volume"},
  };
  return rules[static_cast<int>(kind)];
}

std::string TempoText(float factor) {
  // Every factor the slider gives is a whole number of tenths of a percent.
  const long tenths = std::lround(static_cast<double>(factor) * 1000.0);
  return Tenths(tenths, false) + "%";
}

std::string KeyText(int semitones) {
  if (semitones == 0) return "0";
  return (semitones > 0 ? "+" : kMinus) + std::to_string(std::abs(semitones));
}

std::string VolumeText(std::int32_t hundredthsDb) {
  // Half a tenth goes away from zero, so -7.95 dB reads -8,0 and not -7,9.
  const long tenths = (std::labs(hundredthsDb) + 5) / 10;
  const char* sign = tenths == 0 ? "" : hundredthsDb > 0 ? "+" : kMinus;
  return sign + Tenths(tenths, true) + " дБ";
}

}  // namespace lyrova
