#include "config/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

#include "catalog/errors.h"
#include "catalog/song_image.h"

namespace lyrova {
namespace {

namespace fs = std::filesystem;

// Closes a descriptor on every way out.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now, reporting the error that close may bring (a delayed write error).
  int Close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

[[noreturn]] void ThrowWriteError(const std::string& path, int error) {
  throw Error(WriteErrorText(path, ReasonOfErrno(error)));
}

// The file a write really lands in: the target of a symbolic link.
std::string Target(const std::string& path) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
  const fs::path resolved = fs::weakly_canonical(path, ec);
  return ec ? path : resolved.string();
}

std::string TempNameBeside(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  const fs::path p(target);
  return (p.parent_path() / ("." + p.filename().string() + "." + std::to_string(::getpid()) + "." +
                             std::to_string(counter++) + ".tmp"))
      .string();
}

// Writes into a temporary file and renames it over the target. Returns 0, or
// the errno of creating the temporary file (nothing else is left over then).
int ReplaceByRename(const std::string& path, const std::string& target, std::string_view bytes) {
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  const std::string temp = TempNameBeside(target);
  Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (fd.get() < 0) return errno;
  int error = 0;
  if (exists && ::fchmod(fd.get(), st.st_mode & 07777) != 0) error = errno;
  if (error == 0 && !WriteAll(fd.get(), bytes)) error = errno;
  if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
  if (fd.Close() != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    ThrowWriteError(path, error);
  }
  return 0;
}

bool WriteAllAt(int fd, std::string_view bytes) {
  off_t at = 0;
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), at);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
    at += n;
  }
  return true;
}

// Room for a longer content is taken before a byte changes, and a write
// that fails all the same puts the old bytes back.
void RewriteInPlace(const std::string& path, const std::string& target, std::string_view bytes) {
  const std::optional<std::string> old = ReadWholeFile(target);
  Fd fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
  if (fd.get() < 0) ThrowWriteError(path, errno);
  const off_t oldSize = static_cast<off_t>(old ? old->size() : 0);
  if (static_cast<off_t>(bytes.size()) > oldSize) {
    const int error = ::posix_fallocate(fd.get(), 0, static_cast<off_t>(bytes.size()));
    if (error != 0) {
      // The old bytes are all still there; only the size may have grown.
      [[maybe_unused]] const int restored = ::ftruncate(fd.get(), oldSize);
      ThrowWriteError(path, error);
    }
  }
  if (!WriteAllAt(fd.get(), bytes) || ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0 ||
      ::fsync(fd.get()) != 0) {
    const int error = errno;
    if (old && WriteAllAt(fd.get(), *old) && ::ftruncate(fd.get(), oldSize) == 0) ::fsync(fd.get());
    ThrowWriteError(path, error);
  }
  if (fd.Close() != 0) ThrowWriteError(path, errno);
}

}  // namespace

UserText WriteErrorText(const std::string& path, UserText reason) {
  return UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Could not write the file \"%1\": %2."),
                  {UserText::Plain(path), std::move(reason)});
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::string bytes;
  const int error = ReadRegularFile(path, bytes);
  if (error == ENOENT || error == ENOTDIR) return std::nullopt;
  if (error != 0)
    throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Could not read the file \"%1\": %2."),
                         {UserText::Plain(path), ReasonOfErrno(error)}));
  return bytes;
}

void RewriteWholeFileInPlace(const std::string& path, std::string_view bytes) {
  RewriteInPlace(path, Target(path), bytes);
}

void ReplaceWholeFile(const std::string& path, std::string_view bytes) {
  const std::string target = Target(path);
  const int error = ReplaceByRename(path, target, bytes);
  if (error == 0) return;
  // A folder that takes no new file may still hold a file we are allowed to write.
  if ((error == EACCES || error == EPERM || error == EROFS) && ::access(target.c_str(), W_OK) == 0) {
    RewriteInPlace(path, target, bytes);
    return;
  }
  ThrowWriteError(path, error);
}

}  // namespace lyrova
