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

#include "catalog/cp1251.h"
#include "catalog/errors.h"

namespace lyrova {
namespace {

// The reasons a save meets most, in the interface's language.
std::string Reason(int error) {
  switch (error) {
    case EACCES:
    case EPERM: return "нет прав на запись";
    case ENOSPC:
    case EDQUOT: return "на диске нет места";
    case EROFS: return "диск только для чтения";
    case ENOENT: return "папки нет";
    default: return std::strerror(error);
  }
}

[[noreturn]] void Fail(const std::string& what, const std::string& path, int error) {
  throw Error(Utf8ToCp1251(what + " \"" + path + "\": " + Reason(error) + "."));
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
  if (fd < 0) Fail("Не удаётся создать файл в папке", path.parent_path().string(), errno);
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
    Fail("Не удаётся записать файл", target_, error);
  }
  ::close(fd);
  if (std::rename(path_.c_str(), target_.c_str()) != 0) Fail("Не удаётся записать файл", target_, errno);
  committed_ = true;
}

}  // namespace lyrova
