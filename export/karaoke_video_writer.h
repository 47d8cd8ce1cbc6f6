#pragma once
// An MP4 file with the singer's pictures (H.264) and the song's sound (AAC),
// written picture by picture and block by block as the render goes.

#include <QImage>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace lyrova {

class TKaraokeVideoWriter {
 public:
  // Throws lyrova::Error saying what failed.
  TKaraokeVideoWriter(const std::string& path, int width, int height, int framesPerSecond,
                      int sampleRate);
  ~TKaraokeVideoWriter();
  TKaraokeVideoWriter(const TKaraokeVideoWriter&) = delete;
  TKaraokeVideoWriter& operator=(const TKaraokeVideoWriter&) = delete;

  // The next picture (RGB32, the size given above).
  void AddPicture(const QImage& picture);
  // The next stereo samples, -1..1.
  void AddSound(std::span<const float> left, std::span<const float> right);
  // Flushes both encoders and finishes the file.
  void Close();

 private:
  struct Streams;
  std::unique_ptr<Streams> s_;
};

}  // namespace lyrova
