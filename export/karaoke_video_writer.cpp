#include "export/karaoke_video_writer.h"

#include <optional>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include "catalog/errors.h"
#include "export/sound_encoder.h"
#include "media/ffmpeg_handles.h"

namespace lyrova {
namespace {

void Check(int ret, const char* what) { CheckAv(ret, std::string("video: ") + what); }

void Require(bool ok, const char* what) {
  if (!ok) throw Error(std::string("video: ") + what);
}

}  // namespace

struct TKaraokeVideoWriter::Streams {
  ffmpeg::OutputPtr output;
  ffmpeg::CodecPtr video;
  AVStream* videoStream = nullptr;
  std::optional<TSoundEncoder> sound;  // writes into output
  ffmpeg::FramePtr picture;
  ffmpeg::PacketPtr packet;
  ffmpeg::ScalerPtr scaler;
  std::int64_t pictures = 0;
  bool closed = false;
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

  s_->sound.emplace(raw, AV_CODEC_ID_AAC, sampleRate);

  Check(avio_open(&raw->pb, path.c_str(), AVIO_FLAG_WRITE), "cannot create the file");
  Check(avformat_write_header(raw, nullptr), "cannot write the header");

  s_->picture.reset(av_frame_alloc());
  s_->packet.reset(av_packet_alloc());
  Require(s_->picture && s_->packet, "out of memory");
  s_->picture->format = v->pix_fmt;
  s_->picture->width = width;
  s_->picture->height = height;
  Check(av_frame_get_buffer(s_->picture.get(), 0), "out of memory");
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
  WritePackets(s_->output.get(), v, s_->videoStream, s_->packet.get());
}

void TKaraokeVideoWriter::AddSound(std::span<const float> left, std::span<const float> right) {
  s_->sound->Add(left, right);
}

void TKaraokeVideoWriter::Close() {
  if (s_->closed) return;
  s_->closed = true;
  s_->sound->Finish();
  Check(avcodec_send_frame(s_->video.get(), nullptr), "picture encoding failed");
  WritePackets(s_->output.get(), s_->video.get(), s_->videoStream, s_->packet.get());
  Check(av_write_trailer(s_->output.get()), "cannot finish the file");
}

}  // namespace lyrova
