#include "playback/master_settings.h"

#include <cmath>

namespace lyrova {

float TempoFactor(int a) {
  long double factor = 1.0L;
  if (a > 0) factor = 1.0L + a / 40.0L;
  if (a < 0) factor = 1.0L + a / 50.0L;
  return static_cast<float>(factor);
}

std::int32_t VolumeHundredthsDb(int p) { return (100 - p) * 45 - 3000; }

float SynthGain(std::int32_t hundredthsDb) {
  return static_cast<float>(0.2 * std::pow(10.0, hundredthsDb / 100.0 / 20.0));
}

}  // namespace lyrova
