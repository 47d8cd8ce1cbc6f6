#include "catalog/song_image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "catalog/catalog_errors.h"

namespace lyrova {
namespace {

// O_NONBLOCK so that a pipe or a device named like one of our files is
// refused at once instead of waited on; it changes nothing for a regular file.
int OpenRegularFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const int error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

// Reads up to size bytes at offset; the count read, or -1 with errno set.
ssize_t ReadUpTo(int fd, std::uint64_t offset, std::size_t size, char* out) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pread(fd, out + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

constexpr auto kMaxOffset = static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());

}  // namespace

SongImage::~SongImage() { Close(); }

bool SongImage::Open(const std::string& path) {
  Close();
  fd_ = OpenRegularFile(path);
  return fd_ >= 0;
}

void SongImage::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void SongImage::ReadAt(std::uint64_t offset, std::size_t size, void* out) const {
  if (fd_ < 0) throw IoError(EBADF);
  if (offset > kMaxOffset - size) throw ReadBeyondEndError();
  const ssize_t n = ReadUpTo(fd_, offset, size, static_cast<char*>(out));
  if (n < 0) throw IoError(errno);
  if (static_cast<std::size_t>(n) < size) throw ReadBeyondEndError();
}

void SongImage::CheckHolds(std::uint64_t offset, std::uint64_t size) const {
  if (fd_ < 0) throw IoError(EBADF);
  struct stat st {};
  if (::fstat(fd_, &st) != 0) throw IoError(errno);
  const auto fileSize = static_cast<std::uint64_t>(st.st_size);
  if (offset > fileSize || size > fileSize - offset) throw ReadBeyondEndError();
}

void SongImage::ReadBlock(std::uint64_t offset, std::uint64_t size, std::vector<std::uint8_t>& out) const {
  CheckHolds(offset, size);
  std::vector<std::uint8_t> block(static_cast<std::size_t>(size));
  ReadAt(offset, block.size(), block.data());
  out = std::move(block);
}

void SongImage::ReadBlock(std::uint64_t offset, std::uint64_t size, std::string& out) const {
  CheckHolds(offset, size);
  std::string block(static_cast<std::size_t>(size), '\0');
  ReadAt(offset, block.size(), block.data());
  out = std::move(block);
}

std::string SongImage::ReadWholeFile(const std::string& path) {
  std::string bytes;
  if (const int error = ReadRegularFile(path, bytes)) throw IoError(error);
  return bytes;
}

int ReadRegularFile(const std::string& path, std::string& out, std::uint64_t maxSize) {
  const int fd = OpenRegularFile(path);
  if (fd < 0) return errno;
  struct stat st {};
  int error = 0;
  if (::fstat(fd, &st) != 0) {
    error = errno;
  } else if (static_cast<std::uint64_t>(st.st_size) > maxSize) {
    error = EFBIG;
  } else {
    // A file that shrinks while it is read gives what it still holds.
    std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
    const ssize_t n = ReadUpTo(fd, 0, bytes.size(), bytes.data());
    if (n < 0) {
      error = errno;
    } else {
      bytes.resize(static_cast<std::size_t>(n));
      out = std::move(bytes);
    }
  }
  ::close(fd);
  return error;
}

}  // namespace lyrova
