#pragma once
// Sample songs for the media tests, made here: tones rendered by the test
// and encoded by the ffmpeg program, and zip archives written with libzip.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace lyrova::testing {

// A 44,100 Hz stereo 16-bit WAV: silence for `silenceSeconds`, then a sine
// of `hz` for `toneSeconds`.
void WriteToneWav(const std::string& path, double hz, double toneSeconds, double silenceSeconds = 0);
// The WAV encoded by ffmpeg (the extension chooses the format: .mp3, ...),
// with the tags given as "key=value".
void Encode(const std::string& wav, const std::string& out, const std::vector<std::string>& tags = {});

struct ZipMember {
  std::string name;
  std::string bytes;
};
// An archive holding the members, deflated.
std::vector<std::uint8_t> ZipBytes(const std::vector<ZipMember>& members);

// The frequency of a pure tone from its zero crossings, over [from, to).
double ToneFrequency(const std::vector<float>& mono, int sampleRate, std::size_t from, std::size_t to);

}  // namespace lyrova::testing
