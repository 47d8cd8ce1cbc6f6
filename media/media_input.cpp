#include "media/media_input.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "catalog/errors.h"

namespace lyrova {

struct TMediaInput::MemoryReader {
  SharedBytes bytes;
  std::int64_t position = 0;

  static int Read(void* opaque, std::uint8_t* out, int size) {
    auto* self = static_cast<MemoryReader*>(opaque);
    const auto total = static_cast<std::int64_t>(self->bytes->size());
    const std::int64_t n = std::min<std::int64_t>(size, total - self->position);
    if (n <= 0) return AVERROR_EOF;
    std::memcpy(out, self->bytes->data() + self->position, static_cast<std::size_t>(n));
    self->position += n;
    return static_cast<int>(n);
  }

  static std::int64_t Seek(void* opaque, std::int64_t offset, int whence) {
    auto* self = static_cast<MemoryReader*>(opaque);
    const auto total = static_cast<std::int64_t>(self->bytes->size());
    if (whence & AVSEEK_SIZE) return total;
    std::int64_t base = 0;
    switch (whence & ~AVSEEK_FORCE) {
      case SEEK_SET: base = 0; break;
      case SEEK_CUR: base = self->position; break;
      case SEEK_END: base = total; break;
      default: return AVERROR(EINVAL);
    }
    if (offset < -base || offset > total - base) return AVERROR(EINVAL);
    self->position = base + offset;
    return self->position;
  }
};

void QuietFfmpegLog() {
  static std::once_flag quiet;
  std::call_once(quiet, [] { av_log_set_level(AV_LOG_ERROR); });
}

TMediaInput::TMediaInput(TMediaInput&&) noexcept = default;
TMediaInput& TMediaInput::operator=(TMediaInput&&) noexcept = default;
TMediaInput::~TMediaInput() = default;

TMediaInput TMediaInput::OpenFile(const std::string& path, const char* format) {
  TMediaInput input;
  input.Open(path.c_str(), format);
  return input;
}

TMediaInput TMediaInput::OpenBytes(SharedBytes bytes, const char* format) {
  constexpr int kBufferSize = 32 * 1024;
  TMediaInput input;
  input.reader_ = std::make_unique<MemoryReader>();
  input.reader_->bytes = std::move(bytes);
  auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
  if (buffer == nullptr) throw Error("not enough memory to read the song");
  AVIOContext* io = avio_alloc_context(buffer, kBufferSize, 0, input.reader_.get(), &MemoryReader::Read,
                                       nullptr, &MemoryReader::Seek);
  if (io == nullptr) {
    av_free(buffer);
    throw Error("not enough memory to read the song");
  }
  input.io_.reset(io);
  input.Open(nullptr, format);
  return input;
}

void TMediaInput::Open(const char* url, const char* format) {
  QuietFfmpegLog();
  const AVInputFormat* forced = nullptr;
  if (format != nullptr) {
    forced = av_find_input_format(format);
    if (forced == nullptr) throw Error(std::string("FFmpeg has no ") + format + " reader");
  }
  AVFormatContext* raw = avformat_alloc_context();
  if (raw == nullptr) throw Error("not enough memory to read the song");
  if (io_) {
    raw->pb = io_.get();
    raw->flags |= AVFMT_FLAG_CUSTOM_IO;
  }
  // On failure avformat_open_input frees the context itself.
  const int ret = avformat_open_input(&raw, url, forced, nullptr);
  if (ret < 0) throw Error("FFmpeg cannot read it (" + ffmpeg::ErrorText(ret) + ")");
  format_.reset(raw);
}

std::string TMediaInput::Tag(const char* key) const {
  const AVDictionaryEntry* e = av_dict_get(format_->metadata, key, nullptr, 0);
  if (e == nullptr || e->value == nullptr) return {};
  return e->value;
}

}  // namespace lyrova
