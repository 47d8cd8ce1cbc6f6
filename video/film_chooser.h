#pragma once
// What WMBadVidFile needs from the user: a film file and a word of why.
// The desktop version shows a file dialog and a message box; tests answer
// from a script.

#include <optional>
#include <string>

namespace lyrova {

class IFilmChooser {
 public:
  virtual ~IFilmChooser() = default;
  // An open-file dialog with the given title and filter (UTF-8, the
  // "Name|patterns|..." form), opening in `folder` (as the file system spells
  // it). The chosen path as the file system spells it, or nothing when the
  // user cancelled.
  virtual std::optional<std::string> AskFilmFile(const std::string& title, const std::string& filter,
                                                 const std::string& folder) = 0;
  // A modal message (UTF-8).
  virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace lyrova
