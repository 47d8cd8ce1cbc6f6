#pragma once
// An FFmpeg demuxer opened on a file or on bytes held in memory (a member
// read from a zip archive), so that nothing is ever unpacked to disk.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "media/ffmpeg_handles.h"

namespace lyrova {

using SharedBytes = std::shared_ptr<const std::vector<std::uint8_t>>;

class TMediaInput {
 public:
  // `format` forces a demuxer by its FFmpeg name ("cdg"); null probes.
  // Throws lyrova::Error with the reason in English when FFmpeg cannot open it.
  static TMediaInput OpenFile(const std::string& path, const char* format = nullptr);
  static TMediaInput OpenBytes(SharedBytes bytes, const char* format = nullptr);

  TMediaInput(TMediaInput&&) noexcept;
  TMediaInput& operator=(TMediaInput&&) noexcept;
  ~TMediaInput();

  AVFormatContext* Context() const { return format_.get(); }
  // The container's tag, or "" (title, artist, ...).
  std::string Tag(const char* key) const;

 private:
  struct MemoryReader;
  TMediaInput() = default;
  void Open(const char* url, const char* format);

  std::unique_ptr<MemoryReader> reader_;  // before format_: it outlives the demuxer
  ffmpeg::IoPtr io_;
  ffmpeg::FormatPtr format_;
};

// Quietens FFmpeg's own console warnings: damaged songs are reported to the user.
void QuietFfmpegLog();

}  // namespace lyrova
