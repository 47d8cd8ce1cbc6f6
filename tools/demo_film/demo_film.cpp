#include "tools/demo_film/demo_film.h"

#include <cstring>
#include <memory>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include "catalog/errors.h"
#include "tools/demo_film/film_scene.h"
#include "media/ffmpeg_handles.h"

namespace lyrova {
namespace {

void Check(int ret, const char* what) {
  if (ret >= 0) return;
  throw Error(std::string("demo film: ") + what + ": " + ffmpeg::ErrorText(ret));
}

void Require(bool ok, const char* what) {
  if (!ok) throw Error(std::string("demo film: ") + what);
}

class Writer {
 public:
  Writer(const std::string& path, const TDemoFilmOptions& o) {
    AVFormatContext* raw = nullptr;
    Check(avformat_alloc_output_context2(&raw, nullptr, "mpeg", path.c_str()), "no MPEG muxer");
    output_.reset(raw);
    const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_MPEG1VIDEO);
    Require(encoder != nullptr, "no MPEG-1 encoder");
    stream_ = avformat_new_stream(raw, nullptr);
    Require(stream_ != nullptr, "cannot add the picture stream");
    codec_.reset(avcodec_alloc_context3(encoder));
    Require(codec_ != nullptr, "out of memory");
    AVCodecContext* c = codec_.get();
    c->width = o.width;
    c->height = o.height;
    c->pix_fmt = AV_PIX_FMT_YUV420P;
    c->time_base = AVRational{1, o.framesPerSecond};
    c->framerate = AVRational{o.framesPerSecond, 1};
    c->bit_rate = o.bitRate;
    c->rc_max_rate = o.bitRate * 2;
    c->rc_buffer_size = o.bitRate;
    c->gop_size = 12;
    c->max_b_frames = 2;
    if (raw->oformat->flags & AVFMT_GLOBALHEADER) c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Check(avcodec_open2(c, encoder, nullptr), "cannot open the encoder");
    Check(avcodec_parameters_from_context(stream_->codecpar, c), "cannot describe the stream");
    // The muxer reads the encoder's buffer size from the stream.
    for (int i = 0; i < c->nb_coded_side_data; ++i) {
      const AVPacketSideData& sd = c->coded_side_data[i];
      std::uint8_t* copy = av_stream_new_side_data(stream_, sd.type, sd.size);
      Require(copy != nullptr, "out of memory");
      std::memcpy(copy, sd.data, sd.size);
    }
    stream_->time_base = c->time_base;
    Check(avio_open(&raw->pb, path.c_str(), AVIO_FLAG_WRITE), "cannot create the file");
    Check(avformat_write_header(raw, nullptr), "cannot write the header");

    frame_.reset(av_frame_alloc());
    packet_.reset(av_packet_alloc());
    Require(frame_ && packet_, "out of memory");
    frame_->format = c->pix_fmt;
    frame_->width = c->width;
    frame_->height = c->height;
    Check(av_frame_get_buffer(frame_.get(), 0), "out of memory");
    scaler_.reset(sws_getContext(o.width, o.height, AV_PIX_FMT_RGB24, o.width, o.height,
                                 AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr));
    Require(scaler_ != nullptr, "no colour conversion");
  }

  void Add(const std::vector<std::uint8_t>& rgb, std::int64_t index) {
    Check(av_frame_make_writable(frame_.get()), "out of memory");
    const std::uint8_t* src[1] = {rgb.data()};
    const int stride[1] = {codec_->width * 3};
    sws_scale(scaler_.get(), src, stride, 0, codec_->height, frame_->data, frame_->linesize);
    frame_->pts = index;
    Check(avcodec_send_frame(codec_.get(), frame_.get()), "encoding failed");
    Drain();
  }

  void Finish() {
    Check(avcodec_send_frame(codec_.get(), nullptr), "encoding failed");
    Drain();
    Check(av_write_trailer(output_.get()), "cannot finish the file");
  }

 private:
  void Drain() {
    while (true) {
      const int ret = avcodec_receive_packet(codec_.get(), packet_.get());
      if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF) return;
      Check(ret, "encoding failed");
      av_packet_rescale_ts(packet_.get(), codec_->time_base, stream_->time_base);
      packet_->stream_index = stream_->index;
      Check(av_interleaved_write_frame(output_.get(), packet_.get()), "cannot write the file");
    }
  }

  ffmpeg::OutputPtr output_;
  ffmpeg::CodecPtr codec_;
  ffmpeg::FramePtr frame_;
  ffmpeg::PacketPtr packet_;
  ffmpeg::ScalerPtr scaler_;
  AVStream* stream_ = nullptr;
};

}  // namespace

void WriteDemoFilm(const std::string& path, const TDemoFilmOptions& options) {
  Require(options.width >= 16 && options.height >= 16 && options.width % 2 == 0 &&
              options.height % 2 == 0,
          "the picture size must be even and at least 16");
  Require(options.seconds >= 1 && options.framesPerSecond >= 1, "the film must have pictures");
  const int frames = options.seconds * options.framesPerSecond;
  Writer writer(path, options);
  TFilmScene scene(options.width, options.height, frames);
  std::vector<std::uint8_t> rgb;
  for (int i = 0; i < frames; ++i) {
    scene.Render(i, rgb);
    writer.Add(rgb, i);
  }
  writer.Finish();
}

}  // namespace lyrova
