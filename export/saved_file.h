#pragma once
// A file written under a unique name of its own beside its target and
// renamed over the target only once complete, so a cancelled or failed save
// leaves the folder as it was: no half-written file, an older file of the
// target's name kept, and no file of the user's taken for a scratch file.

#include <string>

namespace lyrova {

class TSavedFile {
 public:
  // Creates the scratch file (".NAME-XXXXXX.EXT", hidden, never an existing
  // name). Throws lyrova::Error naming the folder when it cannot.
  explicit TSavedFile(std::string target);
  // Removes the scratch file unless it was committed.
  ~TSavedFile();
  TSavedFile(const TSavedFile&) = delete;
  TSavedFile& operator=(const TSavedFile&) = delete;

  // Where the writer writes.
  const std::string& Path() const { return path_; }
  // Flushes the complete file to the disk and renames it over the target,
  // with the target's permissions when it existed. Throws lyrova::Error.
  void Commit();

 private:
  std::string target_;
  std::string path_;
  bool committed_ = false;
};

}  // namespace lyrova
