#pragma once
// A 16-bit stereo PCM WAV file written block by block; the header's sizes
// are filled in when the file is closed.

#include <cstdint>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "export/sound_file.h"

namespace lyrova {

class TWavWriter : public ISoundFile {
 public:
  // Throws lyrova::Error when the file cannot be created.
  TWavWriter(const std::string& path, int sampleRate);
  ~TWavWriter() override;
  TWavWriter(const TWavWriter&) = delete;
  TWavWriter& operator=(const TWavWriter&) = delete;

  void Write(std::span<const float> left, std::span<const float> right) override;
  void Close() override;

 private:
  void WriteHeader();

  std::string path_;
  std::ofstream file_;
  int sampleRate_;
  std::uint64_t frames_ = 0;
  std::vector<std::int16_t> pcm_;  // kept between blocks
};

}  // namespace lyrova
