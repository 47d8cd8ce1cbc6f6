#include "media/audio_decoder.h"

#include "catalog/errors.h"

namespace lyrova {
namespace {

// Packets in a row the decoder may refuse before the sound counts as broken
// off: a few damaged frames in an MP3 are skipped, as players do.
constexpr int kMaxBadPackets = 100;

}  // namespace

TAudioDecoder::TAudioDecoder(TMediaInput input) : input_(std::move(input)) {
  AVFormatContext* format = input_.Context();
  int ret = avformat_find_stream_info(format, nullptr);
  if (ret < 0) throw Error("its streams cannot be read (" + ffmpeg::ErrorText(ret) + ")");
  const AVCodec* decoder = nullptr;
  stream_ = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
  if (stream_ < 0 || decoder == nullptr) throw Error("it holds no sound that can be decoded");
  for (unsigned i = 0; i < format->nb_streams; ++i)
    if (static_cast<int>(i) != stream_) format->streams[i]->discard = AVDISCARD_ALL;

  codec_.reset(avcodec_alloc_context3(decoder));
  frame_.reset(av_frame_alloc());
  packet_.reset(av_packet_alloc());
  if (!codec_ || !frame_ || !packet_) throw Error("not enough memory to decode the sound");
  ret = avcodec_parameters_to_context(codec_.get(), format->streams[stream_]->codecpar);
  if (ret >= 0) ret = avcodec_open2(codec_.get(), decoder, nullptr);
  if (ret < 0) throw Error("its sound does not decode (" + ffmpeg::ErrorText(ret) + ")");
  if (codec_->sample_rate <= 0 || codec_->ch_layout.nb_channels <= 0) throw Error("its sound has no sample rate");

  AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
  SwrContext* raw = nullptr;
  ret = swr_alloc_set_opts2(&raw, &stereo, AV_SAMPLE_FMT_FLT, kSampleRate, &codec_->ch_layout,
                            codec_->sample_fmt, codec_->sample_rate, 0, nullptr);
  resampler_.reset(raw);
  if (ret >= 0) ret = swr_init(raw);
  if (ret < 0) throw Error("its sound cannot be resampled (" + ffmpeg::ErrorText(ret) + ")");
}

TAudioDecoder::~TAudioDecoder() = default;

double TAudioDecoder::DurationSeconds() const {
  const AVStream* stream = input_.Context()->streams[stream_];
  if (stream->duration > 0) return static_cast<double>(stream->duration) * av_q2d(stream->time_base);
  const std::int64_t whole = input_.Context()->duration;
  return whole > 0 ? static_cast<double>(whole) / AV_TIME_BASE : 0.0;
}

bool TAudioDecoder::Next(std::vector<float>& out) {
  int bad = 0;
  while (!done_) {
    const int got = avcodec_receive_frame(codec_.get(), frame_.get());
    if (got == 0) {
      const bool converted = Convert(frame_.get(), out);
      av_frame_unref(frame_.get());
      if (converted && !out.empty()) return true;
      continue;
    }
    if (got == AVERROR_EOF) break;
    if (got != AVERROR(EAGAIN)) {
      // A damaged frame: the decoder goes on with the next packet.
      if (++bad > kMaxBadPackets) break;
    }
    if (draining_) break;
    const int read = av_read_frame(input_.Context(), packet_.get());
    if (read < 0) {
      draining_ = true;
      avcodec_send_packet(codec_.get(), nullptr);
      continue;
    }
    if (packet_->stream_index == stream_ && avcodec_send_packet(codec_.get(), packet_.get()) < 0 &&
        ++bad > kMaxBadPackets) {
      av_packet_unref(packet_.get());
      break;
    }
    av_packet_unref(packet_.get());
  }
  done_ = true;
  // What the resampler still holds comes out last.
  Convert(nullptr, out);
  return !out.empty();
}

bool TAudioDecoder::Convert(const AVFrame* frame, std::vector<float>& out) {
  const int inFrames = frame != nullptr ? frame->nb_samples : 0;
  const int room = swr_get_out_samples(resampler_.get(), inFrames);
  out.resize(static_cast<std::size_t>(std::max(room, 0)) * 2);
  if (room <= 0) {
    out.clear();
    return false;
  }
  auto* dest = reinterpret_cast<std::uint8_t*>(out.data());
  const int n = swr_convert(resampler_.get(), &dest, room,
                            frame != nullptr ? const_cast<const std::uint8_t**>(frame->extended_data) : nullptr,
                            inFrames);
  out.resize(static_cast<std::size_t>(std::max(n, 0)) * 2);
  return n >= 0;
}

}  // namespace lyrova
