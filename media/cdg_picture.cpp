#include "media/cdg_picture.h"

#include <cstring>

#include "catalog/errors.h"

namespace lyrova {
namespace {

constexpr int kPacketSize = 24;
constexpr AVRational kMicroseconds{1, 1000000};

}  // namespace

TCdgPicture::TCdgPicture(SharedBytes cdg) : bytes_(std::move(cdg)), input_(TMediaInput::OpenBytes(bytes_, "cdg")) {
  if (bytes_->size() < kPacketSize) throw Error("its CDG graphics are empty");
  Restart();
}

TCdgPicture::~TCdgPicture() = default;

void TCdgPicture::Restart() {
  if (codec_) input_ = TMediaInput::OpenBytes(bytes_, "cdg");
  AVFormatContext* format = input_.Context();
  if (format->nb_streams < 1) throw Error("its CDG graphics cannot be read");
  const AVStream* stream = format->streams[0];
  const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
  if (decoder == nullptr || stream->codecpar->codec_id != AV_CODEC_ID_CDGRAPHICS)
    throw Error("FFmpeg has no CD+G decoder");
  codec_.reset(avcodec_alloc_context3(decoder));
  frame_.reset(av_frame_alloc());
  scratch_.reset(av_frame_alloc());
  packet_.reset(av_packet_alloc());
  if (!codec_ || !frame_ || !scratch_ || !packet_) throw Error("not enough memory to decode the CDG graphics");
  int ret = avcodec_parameters_to_context(codec_.get(), stream->codecpar);
  if (ret >= 0) ret = avcodec_open2(codec_.get(), decoder, nullptr);
  if (ret < 0) throw Error("its CDG graphics do not decode (" + ffmpeg::ErrorText(ret) + ")");
  timeBase_ = stream->time_base;
  decodedUs_ = -1;
  pendingUs_ = -1;
  ended_ = false;
  image_ = QImage(kWidth, kHeight, QImage::Format_RGB32);
  image_.fill(Qt::black);
}

std::int64_t TCdgPicture::DurationUs() const {
  const auto packets = static_cast<std::int64_t>(bytes_->size() / kPacketSize);
  return (packets - 1) * 1'000'000 / kPacketsPerSecond;
}

QRgb TCdgPicture::Border() const { return image_.pixel(0, 0); }

const QImage& TCdgPicture::At(std::int64_t us) {
  changed_ = false;
  if (us < decodedUs_) {
    Restart();
    changed_ = true;
  }
  bool decoded = false;
  while (!ended_) {
    if (pendingUs_ < 0) {
      if (av_read_frame(input_.Context(), packet_.get()) < 0) {
        ended_ = true;
        break;
      }
      const std::int64_t pts = packet_->pts != AV_NOPTS_VALUE ? packet_->pts : 0;
      // Rounded down: a packet is due from the first microsecond of its time.
      pendingUs_ = av_rescale_q_rnd(pts, timeBase_, kMicroseconds, AV_ROUND_DOWN);
    }
    if (pendingUs_ > us) break;
    decodedUs_ = pendingUs_;
    pendingUs_ = -1;
    // A packet the decoder refuses is skipped: the picture stays as it was.
    if (avcodec_send_packet(codec_.get(), packet_.get()) == 0) {
      // Receiving empties the frame it is given, so the last picture is kept apart.
      while (avcodec_receive_frame(codec_.get(), scratch_.get()) == 0) {
        av_frame_unref(frame_.get());
        av_frame_move_ref(frame_.get(), scratch_.get());
        decoded = true;
      }
    }
    av_packet_unref(packet_.get());
  }
  if (decoded) {
    ConvertFrame();
    changed_ = true;
  }
  return image_;
}

void TCdgPicture::ConvertFrame() {
  if (frame_->format != AV_PIX_FMT_PAL8 || frame_->width <= 0 || frame_->height <= 0) return;
  if (image_.width() != frame_->width || image_.height() != frame_->height)
    image_ = QImage(frame_->width, frame_->height, QImage::Format_RGB32);
  std::uint32_t palette[256];
  std::memcpy(palette, frame_->data[1], sizeof palette);
  for (std::uint32_t& c : palette) c |= 0xFF000000u;  // the transparent colour is shown opaque
  for (int y = 0; y < frame_->height; ++y) {
    const std::uint8_t* in = frame_->data[0] + static_cast<std::ptrdiff_t>(y) * frame_->linesize[0];
    auto* out = reinterpret_cast<std::uint32_t*>(image_.scanLine(y));
    for (int x = 0; x < frame_->width; ++x) out[x] = palette[in[x]];
  }
}

}  // namespace lyrova
