#include "video/film_decoder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <mutex>
#include <vector>

#include "catalog/errors.h"

namespace lyrova {
namespace {

// Packets in a row the decoder may refuse before the film counts as broken.
constexpr int kMaxBadPackets = 200;
constexpr AVRational kMicroseconds{1, 1000000};

bool HasImgExtension(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ext = path.substr(path.size() - 4);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".img";
}

// FFmpeg's own words, which no translation knows, follow in brackets.
UserText WithCode(const char* source, int code) {
  return UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "%1 (%2)"), {UserText(source), UserText::Plain(ffmpeg::ErrorText(code))});
}

}  // namespace

TFilmDecoder::TFilmDecoder(const std::string& path, QSize outputSize)
    : outputSize_(outputSize), wantedSize_(!outputSize.isEmpty()) {
  // A film that cannot be read is reported to the user; FFmpeg's own
  // warnings about it would only fill the console.
  static std::once_flag quiet;
  std::call_once(quiet, [] { av_log_set_level(AV_LOG_ERROR); });
  if (path.empty()) throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "no video file is chosen")));
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "the file is not found")));
  // The disc's film is an MPEG stream behind an image file's extension, which
  // probing by name would take for a picture.
  std::vector<const AVInputFormat*> formats;
  if (HasImgExtension(path)) {
    for (const char* name : {"mpeg", "mpegvideo"}) {
      if (const AVInputFormat* f = av_find_input_format(name)) formats.push_back(f);
    }
  }
  formats.push_back(nullptr);
  std::optional<UserText> firstReason;
  for (const AVInputFormat* format : formats) {
    std::optional<UserText> reason;
    if (TryOpen(path, format, &reason)) return;
    if (!firstReason) firstReason = std::move(reason);
  }
  throw Error(std::move(*firstReason));
}

TFilmDecoder::~TFilmDecoder() = default;

bool TFilmDecoder::TryOpen(const std::string& path, const AVInputFormat* format,
                           std::optional<UserText>* why) {
  codec_.reset();
  format_.reset();
  pending_ = false;
  draining_ = false;
  firstPts_ = AV_NOPTS_VALUE;
  lastPts_ = AV_NOPTS_VALUE;

  AVFormatContext* raw = nullptr;
  int ret = avformat_open_input(&raw, path.c_str(), format, nullptr);
  if (ret < 0) {
    *why = WithCode(QT_TRANSLATE_NOOP("lyrova::UserText", "the file does not open as a video"), ret);
    return false;
  }
  format_.reset(raw);
  ret = avformat_find_stream_info(raw, nullptr);
  if (ret < 0) {
    *why = WithCode(QT_TRANSLATE_NOOP("lyrova::UserText", "the video in the file cannot be read"), ret);
    return false;
  }
  const AVCodec* decoder = nullptr;
  stream_ = av_find_best_stream(raw, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
  if (stream_ < 0 || decoder == nullptr) {
    *why = UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "the file holds no video"));
    return false;
  }
  for (unsigned i = 0; i < raw->nb_streams; ++i) {
    if (static_cast<int>(i) != stream_) raw->streams[i]->discard = AVDISCARD_ALL;
  }
  const AVStream* stream = raw->streams[stream_];

  codec_.reset(avcodec_alloc_context3(decoder));
  frame_.reset(av_frame_alloc());
  packet_.reset(av_packet_alloc());
  if (!codec_ || !frame_ || !packet_) {
    *why = UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "there is not enough memory for the video"));
    return false;
  }
  ret = avcodec_parameters_to_context(codec_.get(), stream->codecpar);
  if (ret >= 0) {
    codec_->thread_count = 1;
    ret = avcodec_open2(codec_.get(), decoder, nullptr);
  }
  if (ret < 0) {
    *why = WithCode(QT_TRANSLATE_NOOP("lyrova::UserText", "the video of this file cannot be decoded"), ret);
    return false;
  }
  timeBase_ = stream->time_base;
  AVRational rate = stream->avg_frame_rate;
  if (rate.num <= 0 || rate.den <= 0) rate = stream->r_frame_rate;
  frameDurationUs_ = rate.num > 0 && rate.den > 0 ? av_rescale_q(1, av_inv_q(rate), kMicroseconds) : 0;
  if (frameDurationUs_ <= 0) frameDurationUs_ = 40000;

  if (!Receive()) {
    *why = UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "the file holds no frames that can be shown"));
    return false;
  }
  filmSize_ = QSize(frame_->width, frame_->height);
  if (!wantedSize_) outputSize_ = filmSize_;
  pending_ = true;
  return true;
}

bool TFilmDecoder::Receive() {
  int bad = 0;
  int rewinds = 0;
  while (true) {
    int ret = avcodec_receive_frame(codec_.get(), frame_.get());
    if (ret == 0) return true;
    if (ret == AVERROR_EOF) {
      // A pass through the whole file without a picture ends the film.
      if (++rewinds > 1 || !Rewind()) return false;
      continue;
    }
    if (ret != AVERROR(EAGAIN)) {
      if (++bad > kMaxBadPackets) return false;
      continue;
    }
    ret = av_read_frame(format_.get(), packet_.get());
    if (ret < 0) {
      // End of the file (or a read error, which ends it as well): drain.
      if (draining_) return false;
      draining_ = true;
      ret = avcodec_send_packet(codec_.get(), nullptr);
      if (ret < 0 && ret != AVERROR_EOF) return false;
      continue;
    }
    if (packet_->stream_index != stream_) {
      av_packet_unref(packet_.get());
      continue;
    }
    ret = avcodec_send_packet(codec_.get(), packet_.get());
    av_packet_unref(packet_.get());
    if (ret < 0 && ret != AVERROR(EAGAIN)) {
      if (++bad > kMaxBadPackets) return false;
    } else {
      bad = 0;
    }
  }
}

bool TFilmDecoder::Rewind() {
  if (firstPts_ == AV_NOPTS_VALUE) return false;
  // Seeking to the first picture's own stamp can land a group of pictures
  // late in a program stream, whose stamps start above 0; 0 lands on the start.
  int ret = av_seek_frame(format_.get(), stream_, std::min<std::int64_t>(0, firstPts_),
                          AVSEEK_FLAG_BACKWARD);
  if (ret < 0) ret = av_seek_frame(format_.get(), stream_, 0, AVSEEK_FLAG_BYTE);
  if (ret < 0) return false;
  avcodec_flush_buffers(codec_.get());
  draining_ = false;
  // The next pass goes on one picture after the last one of this pass.
  loopOffsetUs_ = lastTimeUs_ + frameDurationUs_;
  lastPts_ = AV_NOPTS_VALUE;
  return true;
}

bool TFilmDecoder::Next(TFilmFrame& frame) {
  if (!pending_ && !Receive()) return false;
  pending_ = false;
  std::int64_t pts = frame_->best_effort_timestamp;
  if (pts == AV_NOPTS_VALUE) {
    pts = lastPts_ == AV_NOPTS_VALUE
              ? (firstPts_ == AV_NOPTS_VALUE ? 0 : firstPts_)
              : lastPts_ + av_rescale_q(frameDurationUs_, kMicroseconds, timeBase_);
  }
  const bool first = firstPts_ == AV_NOPTS_VALUE;
  if (first) firstPts_ = pts;
  lastPts_ = pts;
  std::int64_t time = loopOffsetUs_ + av_rescale_q(pts - firstPts_, timeBase_, kMicroseconds);
  // Pictures are shown in the order they come even when a stamp goes back.
  if (!first) time = std::max(time, lastTimeUs_);
  lastTimeUs_ = time;
  frame.timeUs = time;
  return Convert(frame);
}

void TFilmDecoder::SetOutputSize(QSize size) {
  wantedSize_ = !size.isEmpty();
  outputSize_ = wantedSize_ ? size : filmSize_;
}

void TFilmDecoder::CropToOutputShape() {
  const std::int64_t w = frame_->width;
  const std::int64_t h = frame_->height;
  const std::int64_t ow = outputSize_.width();
  const std::int64_t oh = outputSize_.height();
  // Pixels that are not square (a 720 x 576 picture shown at 4:3, say) are
  // cut to the shape the film is seen in, not the shape it is stored in.
  const AVRational sar = frame_->sample_aspect_ratio;
  const std::int64_t sx = sar.num > 0 && sar.den > 0 ? sar.num : 1;
  const std::int64_t sy = sar.num > 0 && sar.den > 0 ? sar.den : 1;
  std::int64_t keepW = w;
  std::int64_t keepH = h;
  if (w * sx * oh > ow * h * sy) {
    keepW = std::clamp<std::int64_t>((h * sy * ow + sx * oh / 2) / (sx * oh), 2, w);
  } else {
    keepH = std::clamp<std::int64_t>((w * sx * oh + sy * ow / 2) / (sy * ow), 2, h);
  }
  // Even offsets keep the colour planes of subsampled formats on the same pixels.
  const std::int64_t left = ((w - keepW) / 2) & ~std::int64_t{1};
  const std::int64_t top = ((h - keepH) / 2) & ~std::int64_t{1};
  if (left == 0 && top == 0) return;
  frame_->crop_left = static_cast<std::size_t>(left);
  frame_->crop_right = static_cast<std::size_t>(w - keepW - left);
  frame_->crop_top = static_cast<std::size_t>(top);
  frame_->crop_bottom = static_cast<std::size_t>(h - keepH - top);
  av_frame_apply_cropping(frame_.get(), AV_FRAME_CROP_UNALIGNED);
}

bool TFilmDecoder::Convert(TFilmFrame& out) {
  CropToOutputShape();
  const int w = frame_->width;
  const int h = frame_->height;
  scaler_.reset(sws_getCachedContext(scaler_.release(), w, h,
                                     static_cast<AVPixelFormat>(frame_->format),
                                     outputSize_.width(), outputSize_.height(), AV_PIX_FMT_RGB32,
                                     SWS_BILINEAR, nullptr, nullptr, nullptr));
  if (!scaler_) return false;
  if (out.image.size() != outputSize_ || out.image.format() != QImage::Format_RGB32) {
    out.image = QImage(outputSize_, QImage::Format_RGB32);
    if (out.image.isNull()) return false;
  }
  std::uint8_t* dst[4] = {out.image.bits(), nullptr, nullptr, nullptr};
  const int dstStride[4] = {static_cast<int>(out.image.bytesPerLine()), 0, 0, 0};
  const int rows = sws_scale(scaler_.get(), frame_->data, frame_->linesize, 0, h, dst, dstStride);
  av_frame_unref(frame_.get());
  return rows > 0;
}

}  // namespace lyrova
