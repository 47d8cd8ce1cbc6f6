#pragma once
// The sound of a recorded song (an MP3, a video's sound track) decoded to
// 44,100 Hz stereo float, block after block, as the synthesizer's sound is.

#include <cstdint>
#include <vector>

#include "media/media_input.h"

namespace lyrova {

class TAudioDecoder {
 public:
  static constexpr int kSampleRate = 44100;

  // Finds the input's best sound stream and opens its decoder. Throws
  // lyrova::Error (English reason) when there is none that decodes.
  explicit TAudioDecoder(TMediaInput input);
  ~TAudioDecoder();
  TAudioDecoder(const TAudioDecoder&) = delete;
  TAudioDecoder& operator=(const TAudioDecoder&) = delete;

  // The next decoded sound, interleaved left and right, into `out`
  // (replaced). False at the end, or where the stream breaks off for good.
  bool Next(std::vector<float>& out);
  // The stream's length in seconds as the container says it, or 0.
  double DurationSeconds() const;
  const TMediaInput& Input() const { return input_; }

 private:
  bool Convert(const AVFrame* frame, std::vector<float>& out);

  TMediaInput input_;
  ffmpeg::CodecPtr codec_;
  ffmpeg::FramePtr frame_;
  ffmpeg::PacketPtr packet_;
  ffmpeg::ResamplerPtr resampler_;
  int stream_ = -1;
  bool draining_ = false;
  bool done_ = false;
};

}  // namespace lyrova
