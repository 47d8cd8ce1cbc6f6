#pragma once
// A short song for saving in tests: a syncopated tune on channel 0 under
// words, chords on channel 4 (or none), eight seconds at 120 beats a minute,
// and what measures the files saved from it: FFmpeg's own EBU R128 meter.

#include <cstdint>
#include <string>

#include "catalog/song_source.h"

namespace lyrova::testing {

TSongData ExportSong(bool withChords);

struct TLoudness {
  double integratedLufs = 0;
  double truePeakDb = 0;
};
// Measured by the ffmpeg program's ebur128 filter; fails the test when it cannot.
TLoudness MeasureLoudness(const std::string& path);

}  // namespace lyrova::testing
