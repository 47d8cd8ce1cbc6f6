#include "catalog/file_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "catalog/catalog_errors.h"

namespace lyrova {

void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw CannotCreateFileError(path, errno);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int err = errno;
      ::close(fd);
      throw IoError(err);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) throw IoError(errno);
}

}  // namespace lyrova
