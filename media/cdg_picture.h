#pragma once
// The picture of a CD+G song: FFmpeg's `cdg` demuxer and `cdgraphics`
// decoder play the graphics packets (300 a second) up to the time asked
// for, and the picture comes out as a 300 x 216 RGB image whose edge is the
// border colour. Going back in time starts the packets over.

#include <QImage>
#include <cstdint>

#include "media/media_input.h"

namespace lyrova {

class TCdgPicture {
 public:
  static constexpr int kWidth = 300;
  static constexpr int kHeight = 216;
  static constexpr int kPacketsPerSecond = 300;

  // Throws lyrova::Error (English reason) when the bytes hold no CD+G
  // graphics FFmpeg can decode.
  explicit TCdgPicture(SharedBytes cdg);
  ~TCdgPicture();
  TCdgPicture(const TCdgPicture&) = delete;
  TCdgPicture& operator=(const TCdgPicture&) = delete;

  // The picture after every packet due by `us` (microseconds from the
  // start) has been played; black before the first. The image stays valid
  // until the next call.
  const QImage& At(std::int64_t us);
  // The colour of the border, around the picture, at the last At.
  QRgb Border() const;
  // The time of the last packet, in microseconds.
  std::int64_t DurationUs() const;
  // Whether the last At changed the picture.
  bool Changed() const { return changed_; }

 private:
  void Restart();
  bool DecodeNext();  // one more decoded picture into frame_
  void ConvertFrame();

  SharedBytes bytes_;
  TMediaInput input_;
  ffmpeg::CodecPtr codec_;
  ffmpeg::FramePtr frame_;  // the newest picture
  ffmpeg::FramePtr scratch_;
  ffmpeg::PacketPtr packet_;
  AVRational timeBase_{1, kPacketsPerSecond};
  std::int64_t decodedUs_ = -1;     // time of the last packet played
  std::int64_t pendingUs_ = -1;     // a packet read but not yet due
  bool ended_ = false;
  bool changed_ = false;
  QImage image_;
};

}  // namespace lyrova
