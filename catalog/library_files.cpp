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

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return out;
}

// The name without its extension, in lower case: an MP3 and its CDG share it.
std::string Stem(std::string_view name) { return Lower(name.substr(0, name.rfind('.'))); }

struct Candidate {
  LibraryFile file;
  LibraryFileKind kind;
};

// Each MP3 takes the CDG of its name in the same folder; a lone one of
// either is reported.
void Pair(std::vector<Candidate>& here, std::vector<LibraryFile>& files, std::vector<BrokenFile>& unreadable) {
  std::vector<bool> taken(here.size(), false);
  for (std::size_t i = 0; i < here.size(); ++i) {
    Candidate& c = here[i];
    if (c.kind != LibraryFileKind::Mp3) continue;
    const std::string stem = Stem(c.file.path);
    for (std::size_t j = 0; j < here.size(); ++j) {
      if (here[j].kind != LibraryFileKind::Cdg || taken[j] || Stem(here[j].file.path) != stem) continue;
      taken[i] = taken[j] = true;
      c.file.cdg = here[j].file.path;
      c.file.cdgSize = here[j].file.size;
      c.file.cdgMtimeNs = here[j].file.mtimeNs;
      files.push_back(c.file);
      break;
    }
  }
  for (std::size_t i = 0; i < here.size(); ++i) {
    const Candidate& c = here[i];
    if (c.kind == LibraryFileKind::Mp3 && !taken[i]) {
      unreadable.push_back({c.file.path, "an MP3 without a CDG of the same name beside it"});
    } else if (c.kind == LibraryFileKind::Cdg && !taken[i]) {
      unreadable.push_back({c.file.path, "a CDG without an MP3 of the same name beside it"});
    } else if (c.kind != LibraryFileKind::Mp3 && c.kind != LibraryFileKind::Cdg) {
      files.push_back(c.file);
    }
  }
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
  std::vector<Candidate> here;
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
    } else if (S_ISREG(st.st_mode)) {
      if (const std::optional<LibraryFileKind> kind = LibraryFileKindOf(name)) {
        LibraryFile file;
        file.path = path;
        file.size = static_cast<std::uint64_t>(st.st_size);
        file.mtimeNs = std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec;
        here.push_back({std::move(file), *kind});
      }
    }
  }
  Pair(here, files, unreadable);
}

}  // namespace

std::optional<LibraryFileKind> LibraryFileKindOf(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const std::string ext = Lower(name.substr(dot + 1));
  if (ext == "kar" || ext == "mid" || ext == "midi") return LibraryFileKind::Karaoke;
  if (ext == "mp3") return LibraryFileKind::Mp3;
  if (ext == "cdg") return LibraryFileKind::Cdg;
  if (ext == "zip") return LibraryFileKind::Zip;
  for (const char* video : {"mp4", "mkv", "avi", "mpg", "mpeg", "webm"})
    if (ext == video) return LibraryFileKind::Video;
  return std::nullopt;
}

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
