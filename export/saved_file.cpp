#include "export/saved_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "catalog/errors.h"
#include "catalog/user_text.h"

namespace lyrova {
namespace {

constexpr const char* kCannotWrite = QT_TRANSLATE_NOOP("lyrova::UserText", "Cannot write the file \"%1\": %2.");

[[noreturn]] void Fail(const char* what, const std::string& path, int error) {
  throw Error(UserText(what, {UserText::Plain(path), ReasonOfErrno(error)}));
}

// What a new file gets: read from the process, since umask() cannot be read
// without setting it, and that would race with other threads.
mode_t NewFileMode() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0) return 0666 & ~static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
  }
  return 0644;
}

}  // namespace

TSavedFile::TSavedFile(std::string target) : target_(std::move(target)) {
  const std::filesystem::path path(target_);
  const std::string extension = path.extension().string();
  std::string pattern = (path.parent_path() / ("." + path.stem().string() + "-XXXXXX" + extension)).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemps(name.data(), static_cast<int>(extension.size()));
  if (fd < 0) Fail(QT_TRANSLATE_NOOP("lyrova::UserText", "Cannot create a file in the folder \"%1\": %2."),
                  path.parent_path().string(), errno);
  path_ = name.data();
  struct stat old{};
  const mode_t mode = ::stat(target_.c_str(), &old) == 0 ? old.st_mode & 07777 : NewFileMode();
  ::fchmod(fd, mode);
  ::close(fd);
}

TSavedFile::~TSavedFile() {
  if (!committed_) ::unlink(path_.c_str());
}

void TSavedFile::Commit() {
  // A rename that reaches the disk before the data would leave an empty song
  // after a power cut.
  const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 || ::fsync(fd) != 0) {
    const int error = errno;
    if (fd >= 0) ::close(fd);
    Fail(kCannotWrite, target_, error);
  }
  ::close(fd);
  if (std::rename(path_.c_str(), target_.c_str()) != 0) Fail(kCannotWrite, target_, errno);
  committed_ = true;
}

}  // namespace lyrova
