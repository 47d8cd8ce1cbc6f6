#pragma once
// The links' shell and the film chooser of the singer's window, answered
// through the main window's user dialogs so that tests can answer them too.

#include "app/widgets/desktop_shell.h"
#include "video/film_chooser.h"

namespace lyrova {

class TUserDialogs;

// The desktop's own programs and help window; messages through the dialogs.
class TFormShell : public TDesktopShell {
 public:
  explicit TFormShell(TUserDialogs& dialogs) : dialogs_(dialogs) {}
  void ShowMessage(const QString& text) override;

 private:
  TUserDialogs& dialogs_;
};

class TFormFilmChooser : public IFilmChooser {
 public:
  explicit TFormFilmChooser(TUserDialogs& dialogs) : dialogs_(dialogs) {}
  // The chosen path as the file system spells it.
  std::optional<std::string> AskFilmFile(const std::string& title, const std::string& filter,
                                         const std::string& folder) override;
  void ShowMessage(const std::string& text) override;

 private:
  TUserDialogs& dialogs_;
};

}  // namespace lyrova
