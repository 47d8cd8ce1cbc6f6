#pragma once
// A song's sound written to a file block by block.

#include <span>

namespace lyrova {

class ISoundFile {
 public:
  virtual ~ISoundFile() = default;
  // The next stereo samples, -1..1.
  virtual void Write(std::span<const float> left, std::span<const float> right) = 0;
  // Throws lyrova::Error when the file could not be completed.
  virtual void Close() = 0;
};

}  // namespace lyrova
