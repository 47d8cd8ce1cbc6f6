// Walking the library folder without following symbolic links, so that a
// folder that loops through links is read once.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "catalog/song_library.h"

namespace lyrova {
namespace {

bool IsSongName(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  std::string ext(name.substr(dot + 1));
  for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return ext == "kar" || ext == "mid" || ext == "midi";
}

struct DirCloser {
  void operator()(DIR* d) const { ::closedir(d); }
};

void Walk(int dirFd, const std::string& prefix, std::vector<LibraryFile>& files,
          std::vector<BrokenFile>& unreadable, const ScanProgress& progress) {
  DIR* raw = ::fdopendir(dirFd);
  if (raw == nullptr) {
    unreadable.push_back({prefix, std::string("the folder cannot be read: ") + std::strerror(errno)});
    ::close(dirFd);
    return;
  }
  const std::unique_ptr<DIR, DirCloser> dir(raw);
  // A folder of many thousand files can take long to list on a slow disk.
  if (progress) progress(files.size(), 0);
  errno = 0;
  while (const dirent* e = ::readdir(dir.get())) {
    const std::string_view name = e->d_name;
    if (name == "." || name == "..") continue;
    const std::string path = prefix.empty() ? std::string(name) : prefix + "/" + std::string(name);
    struct stat st {};
    if (::fstatat(dirFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      const int sub = ::openat(dirFd, e->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      if (sub < 0) {
        unreadable.push_back({path, std::string("the folder cannot be read: ") + std::strerror(errno)});
        continue;
      }
      Walk(sub, path, files, unreadable, progress);
    } else if (S_ISREG(st.st_mode) && IsSongName(name)) {
      files.push_back({path, static_cast<std::uint64_t>(st.st_size),
                       std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec});
    }
  }
}

}  // namespace

std::vector<LibraryFile> ListLibraryFiles(const std::string& folder, std::vector<BrokenFile>& unreadable,
                                          const ScanProgress& progress) {
  std::vector<LibraryFile> files;
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    unreadable.push_back({"", "the library folder " + folder + " cannot be read: " + std::strerror(errno)});
    return files;
  }
  Walk(fd, "", files, unreadable, progress);
  std::sort(files.begin(), files.end(),
            [](const LibraryFile& a, const LibraryFile& b) { return a.path < b.path; });
  return files;
}

}  // namespace lyrova
