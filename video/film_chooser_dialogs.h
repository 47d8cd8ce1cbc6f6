#pragma once
// IFilmChooser on the desktop: a file-open dialog and a message box.

#include "video/film_chooser.h"

class QWidget;

namespace lyrova {

class TFilmChooserDialogs : public IFilmChooser {
 public:
  // Both are modal over `parent` (may be null).
  explicit TFilmChooserDialogs(QWidget* parent = nullptr) : parent_(parent) {}

  std::optional<std::string> AskFilmFile(const std::string& title,
                                         const std::string& filter) override;
  void ShowMessage(const std::string& text) override;

 private:
  QWidget* parent_;
};

}  // namespace lyrova
