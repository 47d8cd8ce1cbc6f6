#pragma once
// Read-only access to a file by absolute offsets. Every read names its offset
// (pread), so there is no shared file position between readers. Lengths come
// from the file's own bytes, which may be damaged: a block is checked against
// the file's size before any memory is taken for it.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace lyrova {

class SongImage {
 public:
  SongImage() = default;
  ~SongImage();
  SongImage(const SongImage&) = delete;
  SongImage& operator=(const SongImage&) = delete;

  // Opens path read-only, closing any file held before. False when it cannot
  // be opened or is not a regular file.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  // Reads exactly size bytes at offset. Throws "Read beyond end of file" when
  // the file ends first, "I/O error N" when the system refuses.
  void ReadAt(std::uint64_t offset, std::size_t size, void* out) const;
  // The block of size bytes at offset, by the same rules; a block that
  // reaches past the end of the file fails before anything is allocated,
  // and `out` keeps what it held whenever the read fails.
  void ReadBlock(std::uint64_t offset, std::uint64_t size, std::vector<std::uint8_t>& out) const;
  void ReadBlock(std::uint64_t offset, std::uint64_t size, std::string& out) const;

  // The whole of a regular file, read by the same rules.
  static std::string ReadWholeFile(const std::string& path);

 private:
  // Throws "Read beyond end of file" unless the file holds [offset, offset + size).
  void CheckHolds(std::uint64_t offset, std::uint64_t size) const;

  int fd_ = -1;
};

// The whole of a regular file into `out`, its size taken from the file. 0,
// or the errno of the failure: EINVAL for a pipe or a device (never waited
// on), EISDIR for a folder, EFBIG for a file larger than maxSize.
int ReadRegularFile(const std::string& path, std::string& out,
                    std::uint64_t maxSize = std::numeric_limits<std::uint64_t>::max());

}  // namespace lyrova
