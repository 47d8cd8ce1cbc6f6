#include "catalog/song_image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "catalog/catalog_errors.h"

namespace lyrova {
namespace {

int OpenReadOnly(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    errno = EISDIR;
    return -1;
  }
  return fd;
}

}  // namespace

SongImage::~SongImage() { Close(); }

bool SongImage::Open(const std::string& path) {
  Close();
  fd_ = OpenReadOnly(path);
  return fd_ >= 0;
}

void SongImage::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void SongImage::ReadAt(std::uint64_t offset, std::size_t size, void* out) const {
  if (fd_ < 0) throw IoError(EBADF);
  if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()) - size) {
    throw ReadBeyondEndError();
  }
  auto* dst = static_cast<char*>(out);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pread(fd_, dst + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      throw IoError(errno);
    }
    if (n == 0) throw ReadBeyondEndError();
    done += static_cast<std::size_t>(n);
  }
}

std::string SongImage::ReadWholeFile(const std::string& path) {
  SongImage file;
  if (!file.Open(path)) throw IoError(errno);
  struct stat st {};
  if (::fstat(file.fd_, &st) != 0) throw IoError(errno);
  std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
  file.ReadAt(0, bytes.size(), bytes.data());
  return bytes;
}

}  // namespace lyrova
