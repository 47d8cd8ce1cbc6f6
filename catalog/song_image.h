#pragma once
// Read-only access to a file by absolute offsets. Every read names its offset
// (pread), so there is no shared file position between readers.

#include <cstddef>
#include <cstdint>
#include <string>

namespace lyrova {

class SongImage {
 public:
  SongImage() = default;
  ~SongImage();
  SongImage(const SongImage&) = delete;
  SongImage& operator=(const SongImage&) = delete;

  // Opens path read-only, closing any file held before. False when it cannot
  // be opened or is a folder.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  // Reads exactly size bytes at offset. Throws "Read beyond end of file" when
  // the file ends first, "I/O error N" when the system refuses.
  void ReadAt(std::uint64_t offset, std::size_t size, void* out) const;

  // The whole of a file, read by the same rules.
  static std::string ReadWholeFile(const std::string& path);

 private:
  int fd_ = -1;
};

}  // namespace lyrova
