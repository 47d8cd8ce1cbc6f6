#include "export/sound_encoder.h"

#include <algorithm>
#include <string>

#include "catalog/errors.h"
#include "export/pcm16.h"

namespace lyrova {
namespace {

// An encoder that takes frames of any size gets this many samples a frame.
constexpr int kVariableFrameSize = 4096;

void Require(bool ok, const char* what) {
  if (!ok) throw Error(std::string("sound: ") + what);
}

// The first of the encoder's sample formats we can fill.
AVSampleFormat SampleFormat(const AVCodec* codec) {
  for (const AVSampleFormat* f = codec->sample_fmts; f != nullptr && *f != AV_SAMPLE_FMT_NONE; ++f)
    if (*f == AV_SAMPLE_FMT_FLTP || *f == AV_SAMPLE_FMT_S16) return *f;
  return AV_SAMPLE_FMT_NONE;
}

}  // namespace

void CheckAv(int ret, const std::string& what) {
  if (ret < 0) throw Error(what + ": " + ffmpeg::ErrorText(ret));
}

void WritePackets(AVFormatContext* output, AVCodecContext* codec, AVStream* stream, AVPacket* packet) {
  while (true) {
    const int ret = avcodec_receive_packet(codec, packet);
    if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF) return;
    CheckAv(ret, "encoding failed");
    av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
    packet->stream_index = stream->index;
    CheckAv(av_interleaved_write_frame(output, packet), "cannot write the file");
  }
}

TSoundEncoder::TSoundEncoder(AVFormatContext* output, AVCodecID codecId, int sampleRate) : output_(output) {
  const AVCodec* codec = avcodec_find_encoder(codecId);
  Require(codec != nullptr, "no encoder for this kind of file");
  const AVSampleFormat format = SampleFormat(codec);
  Require(format != AV_SAMPLE_FMT_NONE, "the encoder takes no sample format we write");
  codec_.reset(avcodec_alloc_context3(codec));
  Require(codec_ != nullptr, "out of memory");
  AVCodecContext* c = codec_.get();
  c->sample_fmt = format;
  c->sample_rate = sampleRate;
  av_channel_layout_default(&c->ch_layout, 2);
  c->bit_rate = 192000;  // for lossy encoders
  c->time_base = AVRational{1, sampleRate};
  if (output->oformat->flags & AVFMT_GLOBALHEADER) c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  CheckAv(avcodec_open2(c, codec, nullptr), "sound: cannot open the encoder");
  stream_ = avformat_new_stream(output, nullptr);
  Require(stream_ != nullptr, "cannot add the sound stream");
  CheckAv(avcodec_parameters_from_context(stream_->codecpar, c), "sound: stream");
  stream_->time_base = c->time_base;

  frameSize_ = c->frame_size > 0 ? c->frame_size : kVariableFrameSize;
  frame_.reset(av_frame_alloc());
  packet_.reset(av_packet_alloc());
  Require(frame_ && packet_, "out of memory");
  frame_->format = format;
  frame_->nb_samples = frameSize_;
  frame_->sample_rate = sampleRate;
  CheckAv(av_channel_layout_copy(&frame_->ch_layout, &c->ch_layout), "sound: out of memory");
  CheckAv(av_frame_get_buffer(frame_.get(), 0), "sound: out of memory");
}

void TSoundEncoder::Add(std::span<const float> left, std::span<const float> right) {
  left_.insert(left_.end(), left.begin(), left.end());
  right_.insert(right_.end(), right.begin(), right.end());
  while (std::min(left_.size(), right_.size()) >= static_cast<std::size_t>(frameSize_)) Encode(frameSize_);
}

void TSoundEncoder::Finish() {
  const int rest = static_cast<int>(std::min(left_.size(), right_.size()));
  if (rest > 0) {
    if (codec_->codec->capabilities & (AV_CODEC_CAP_SMALL_LAST_FRAME | AV_CODEC_CAP_VARIABLE_FRAME_SIZE)) {
      Encode(rest);
    } else {
      left_.resize(static_cast<std::size_t>(frameSize_), 0.0f);
      right_.resize(static_cast<std::size_t>(frameSize_), 0.0f);
      Encode(frameSize_);
    }
  }
  CheckAv(avcodec_send_frame(codec_.get(), nullptr), "sound: encoding failed");
  WritePackets(output_, codec_.get(), stream_, packet_.get());
}

void TSoundEncoder::Encode(int count) {
  CheckAv(av_frame_make_writable(frame_.get()), "sound: out of memory");
  frame_->nb_samples = count;
  if (frame_->format == AV_SAMPLE_FMT_FLTP) {
    std::copy_n(left_.begin(), count, reinterpret_cast<float*>(frame_->data[0]));
    std::copy_n(right_.begin(), count, reinterpret_cast<float*>(frame_->data[1]));
  } else {
    auto* out = reinterpret_cast<std::int16_t*>(frame_->data[0]);
    for (int i = 0; i < count; ++i) {
      out[2 * i] = Pcm16(left_[static_cast<std::size_t>(i)]);
      out[2 * i + 1] = Pcm16(right_[static_cast<std::size_t>(i)]);
    }
  }
  left_.erase(left_.begin(), left_.begin() + count);
  right_.erase(right_.begin(), right_.begin() + count);
  frame_->pts = samples_;
  samples_ += count;
  CheckAv(avcodec_send_frame(codec_.get(), frame_.get()), "sound: encoding failed");
  WritePackets(output_, codec_.get(), stream_, packet_.get());
}

}  // namespace lyrova
