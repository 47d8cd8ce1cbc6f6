#pragma once
// TFilmDecoder: reads a film's main picture stream with FFmpeg, one picture
// after another in RGB32 at a chosen size, starting over at the end so that
// the film never ends. No sound is decoded. Pictures of another shape than
// the film's are cut at the edges (centred), never squeezed.

#include <QImage>
#include <QSize>
#include <cstdint>
#include <optional>
#include <string>

#include "catalog/user_text.h"
#include "media/ffmpeg_handles.h"

namespace lyrova {

struct TFilmFrame {
  QImage image;
  // From the film's first picture; keeps growing across the loops.
  std::int64_t timeUs = 0;
};

class TFilmDecoder {
 public:
  // Opens `path` (as the file system spells it) and decodes its first
  // picture. Throws lyrova::Error saying why (CP1251) when the file is
  // missing or holds no picture that can be decoded. An empty outputSize
  // keeps the film's own size.
  TFilmDecoder(const std::string& path, QSize outputSize);
  ~TFilmDecoder();
  TFilmDecoder(const TFilmDecoder&) = delete;
  TFilmDecoder& operator=(const TFilmDecoder&) = delete;

  QSize FilmSize() const { return filmSize_; }
  QSize OutputSize() const { return outputSize_; }
  // The size of the pictures from the next one on; empty: the film's own.
  void SetOutputSize(QSize size);
  std::int64_t FrameDurationUs() const { return frameDurationUs_; }

  // The next picture into `frame` (its image buffer is reused when it has the
  // right size). False when the film cannot be decoded any further.
  bool Next(TFilmFrame& frame);

 private:
  bool TryOpen(const std::string& path, const AVInputFormat* format, std::optional<UserText>* why);
  bool Receive();  // decodes the next picture into frame_
  bool Rewind();
  bool Convert(TFilmFrame& out);
  void CropToOutputShape();

  ffmpeg::FormatPtr format_;
  ffmpeg::CodecPtr codec_;
  ffmpeg::FramePtr frame_;
  ffmpeg::PacketPtr packet_;
  ffmpeg::ScalerPtr scaler_;
  int stream_ = -1;
  AVRational timeBase_{1, 1};
  QSize filmSize_;
  QSize outputSize_;
  bool pending_ = false;  // frame_ holds a picture not handed out yet
  bool draining_ = false;
  std::int64_t firstPts_ = AV_NOPTS_VALUE;
  std::int64_t lastPts_ = AV_NOPTS_VALUE;
  std::int64_t frameDurationUs_ = 40000;
  std::int64_t loopOffsetUs_ = 0;
  std::int64_t lastTimeUs_ = 0;
  bool wantedSize_ = false;
};

}  // namespace lyrova
