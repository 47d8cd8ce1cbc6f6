#include "tools/render/karaoke_video_writer.h"

#include <algorithm>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include "catalog/errors.h"
#include "video/ffmpeg_handles.h"

namespace lyrova {
namespace {

void Check(int ret, const char* what) {
  if (ret < 0) throw Error(std::string("video: ") + what + ": " + ffmpeg::ErrorText(ret));
}

void Require(bool ok, const char* what) {
  if (!ok) throw Error(std::string("video: ") + what);
}

}  // namespace

struct TKaraokeVideoWriter::Streams {
  ffmpeg::OutputPtr output;
  ffmpeg::CodecPtr video;
  ffmpeg::CodecPtr audio;
  AVStream* videoStream = nullptr;
  AVStream* audioStream = nullptr;
  ffmpeg::FramePtr picture;
  ffmpeg::FramePtr sound;
  ffmpeg::PacketPtr packet;
  ffmpeg::ScalerPtr scaler;
  std::int64_t pictures = 0;
  std::int64_t samples = 0;
  std::vector<float> left;  // samples waiting for a whole AAC frame
  std::vector<float> right;
  bool closed = false;

  void Drain(AVCodecContext* codec, AVStream* stream) {
    while (true) {
      const int ret = avcodec_receive_packet(codec, packet.get());
      if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF) return;
      Check(ret, "encoding failed");
      av_packet_rescale_ts(packet.get(), codec->time_base, stream->time_base);
      packet->stream_index = stream->index;
      Check(av_interleaved_write_frame(output.get(), packet.get()), "cannot write the file");
    }
  }

  void EncodeSound(int count) {
    Check(av_frame_make_writable(sound.get()), "out of memory");
    sound->nb_samples = count;
    std::copy_n(left.begin(), count, reinterpret_cast<float*>(sound->data[0]));
    std::copy_n(right.begin(), count, reinterpret_cast<float*>(sound->data[1]));
    left.erase(left.begin(), left.begin() + count);
    right.erase(right.begin(), right.begin() + count);
    sound->pts = samples;
    samples += count;
    Check(avcodec_send_frame(audio.get(), sound.get()), "sound encoding failed");
    Drain(audio.get(), audioStream);
  }
};

TKaraokeVideoWriter::TKaraokeVideoWriter(const std::string& path, int width, int height,
                                         int framesPerSecond, int sampleRate)
    : s_(std::make_unique<Streams>()) {
  AVFormatContext* raw = nullptr;
  Check(avformat_alloc_output_context2(&raw, nullptr, "mp4", path.c_str()), "no MP4 muxer");
  s_->output.reset(raw);
  const bool globalHeader = raw->oformat->flags & AVFMT_GLOBALHEADER;

  const AVCodec* h264 = avcodec_find_encoder_by_name("libx264");
  if (h264 == nullptr) h264 = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
  Require(h264 != nullptr, "no picture encoder");
  s_->video.reset(avcodec_alloc_context3(h264));
  Require(s_->video != nullptr, "out of memory");
  AVCodecContext* v = s_->video.get();
  v->width = width;
  v->height = height;
  v->pix_fmt = AV_PIX_FMT_YUV420P;
  v->time_base = AVRational{1, framesPerSecond};
  v->framerate = AVRational{framesPerSecond, 1};
  v->gop_size = 2 * framesPerSecond;
  if (globalHeader) v->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  if (v->priv_data != nullptr) {
    av_opt_set(v->priv_data, "preset", "veryfast", 0);
    av_opt_set(v->priv_data, "crf", "20", 0);
  }
  Check(avcodec_open2(v, h264, nullptr), "cannot open the picture encoder");
  s_->videoStream = avformat_new_stream(raw, nullptr);
  Require(s_->videoStream != nullptr, "cannot add the picture stream");
  Check(avcodec_parameters_from_context(s_->videoStream->codecpar, v), "picture stream");
  s_->videoStream->time_base = v->time_base;

  const AVCodec* aac = avcodec_find_encoder(AV_CODEC_ID_AAC);
  Require(aac != nullptr, "no AAC encoder");
  s_->audio.reset(avcodec_alloc_context3(aac));
  Require(s_->audio != nullptr, "out of memory");
  AVCodecContext* a = s_->audio.get();
  a->sample_fmt = AV_SAMPLE_FMT_FLTP;
  a->sample_rate = sampleRate;
  av_channel_layout_default(&a->ch_layout, 2);
  a->bit_rate = 192000;
  a->time_base = AVRational{1, sampleRate};
  if (globalHeader) a->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  Check(avcodec_open2(a, aac, nullptr), "cannot open the sound encoder");
  s_->audioStream = avformat_new_stream(raw, nullptr);
  Require(s_->audioStream != nullptr, "cannot add the sound stream");
  Check(avcodec_parameters_from_context(s_->audioStream->codecpar, a), "sound stream");
  s_->audioStream->time_base = a->time_base;

  Check(avio_open(&raw->pb, path.c_str(), AVIO_FLAG_WRITE), "cannot create the file");
  Check(avformat_write_header(raw, nullptr), "cannot write the header");

  s_->picture.reset(av_frame_alloc());
  s_->sound.reset(av_frame_alloc());
  s_->packet.reset(av_packet_alloc());
  Require(s_->picture && s_->sound && s_->packet, "out of memory");
  s_->picture->format = v->pix_fmt;
  s_->picture->width = width;
  s_->picture->height = height;
  Check(av_frame_get_buffer(s_->picture.get(), 0), "out of memory");
  s_->sound->format = a->sample_fmt;
  s_->sound->nb_samples = a->frame_size;
  s_->sound->sample_rate = sampleRate;
  Check(av_channel_layout_copy(&s_->sound->ch_layout, &a->ch_layout), "out of memory");
  Check(av_frame_get_buffer(s_->sound.get(), 0), "out of memory");
  s_->scaler.reset(sws_getContext(width, height, AV_PIX_FMT_RGB32, width, height,
                                  AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr));
  Require(s_->scaler != nullptr, "no colour conversion");
}

TKaraokeVideoWriter::~TKaraokeVideoWriter() = default;

void TKaraokeVideoWriter::AddPicture(const QImage& picture) {
  AVCodecContext* v = s_->video.get();
  Require(picture.width() == v->width && picture.height() == v->height &&
              picture.format() == QImage::Format_RGB32,
          "a picture of the wrong size");
  Check(av_frame_make_writable(s_->picture.get()), "out of memory");
  const std::uint8_t* src[1] = {picture.constBits()};
  const int stride[1] = {static_cast<int>(picture.bytesPerLine())};
  sws_scale(s_->scaler.get(), src, stride, 0, v->height, s_->picture->data, s_->picture->linesize);
  s_->picture->pts = s_->pictures++;
  Check(avcodec_send_frame(v, s_->picture.get()), "picture encoding failed");
  s_->Drain(v, s_->videoStream);
}

void TKaraokeVideoWriter::AddSound(std::span<const float> left, std::span<const float> right) {
  s_->left.insert(s_->left.end(), left.begin(), left.end());
  s_->right.insert(s_->right.end(), right.begin(), right.end());
  const auto frame = static_cast<std::size_t>(s_->audio->frame_size);
  while (s_->left.size() >= frame && s_->right.size() >= frame) {
    s_->EncodeSound(static_cast<int>(frame));
  }
}

void TKaraokeVideoWriter::Close() {
  if (s_->closed) return;
  s_->closed = true;
  const std::size_t rest = std::min(s_->left.size(), s_->right.size());
  if (rest > 0) {
    // The last frame is padded with silence to the encoder's frame size.
    s_->left.resize(static_cast<std::size_t>(s_->audio->frame_size), 0.0f);
    s_->right.resize(static_cast<std::size_t>(s_->audio->frame_size), 0.0f);
    s_->EncodeSound(s_->audio->frame_size);
  }
  Check(avcodec_send_frame(s_->audio.get(), nullptr), "sound encoding failed");
  s_->Drain(s_->audio.get(), s_->audioStream);
  Check(avcodec_send_frame(s_->video.get(), nullptr), "picture encoding failed");
  s_->Drain(s_->video.get(), s_->videoStream);
  Check(av_write_trailer(s_->output.get()), "cannot finish the file");
}

}  // namespace lyrova
