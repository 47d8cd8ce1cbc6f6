#pragma once
// The song's sound as one encoded stream of a file FFmpeg writes: stereo
// samples in, whole encoder frames out (AAC in a video, FLAC in a sound
// file), the last frame short where the encoder takes one, else padded with
// silence.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "media/ffmpeg_handles.h"

namespace lyrova {

// Throws lyrova::Error "`what`: FFmpeg's reason" when `ret` is an error.
void CheckAv(int ret, const std::string& what);
// Moves every packet the encoder has ready into the file.
void WritePackets(AVFormatContext* output, AVCodecContext* codec, AVStream* stream, AVPacket* packet);

class TSoundEncoder {
 public:
  // Adds the stream to `output`, whose header is not written yet. Throws
  // lyrova::Error when the encoder is missing or refuses the sound.
  TSoundEncoder(AVFormatContext* output, AVCodecID codec, int sampleRate);

  // The next stereo samples, -1..1.
  void Add(std::span<const float> left, std::span<const float> right);
  // Encodes what is left and drains the encoder, before the file's trailer.
  void Finish();

 private:
  void Encode(int count);

  AVFormatContext* output_;
  ffmpeg::CodecPtr codec_;
  AVStream* stream_ = nullptr;
  ffmpeg::FramePtr frame_;
  ffmpeg::PacketPtr packet_;
  int frameSize_ = 0;
  std::int64_t samples_ = 0;
  std::vector<float> left_;  // samples waiting for a whole frame
  std::vector<float> right_;
};

}  // namespace lyrova
