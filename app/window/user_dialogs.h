#pragma once
// Every message box and file or folder dialog the main window shows goes
// through this interface, so that tests can answer them.

#include <QString>
#include <optional>

namespace lyrova {

class TUserDialogs {
 public:
  virtual ~TUserDialogs() = default;

  // A modal message box with an Ok button.
  virtual void ShowMessage(const QString& text) = 0;
  // A modal confirmation with Yes and No; true for Yes.
  virtual bool Confirm(const QString& text) = 0;
  // The disc folder question: `prompt` shown whole, `start` in the folder
  // field, `notice` (when not empty) saying why it is asked again, and a demo
  // button taking `demoFolder` (when not empty). The chosen folder, or
  // nothing when cancelled.
  virtual std::optional<QString> ChooseFolder(const QString& prompt, const QString& start, const QString& notice,
                                              const QString& demoFolder) = 0;
  // File dialogs: `filter` in Qt's "Name (*.ext);;..." form; `defaultSuffix`
  // is added to a typed name without one; the open dialog starts in
  // `folder` when it names one. Nothing when cancelled.
  virtual std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                              const QString& defaultSuffix, const QString& folder) = 0;
  // Replaces an existing file without asking; `chosenFilter`, when given,
  // gets the index of the filter the user chose.
  virtual std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                              const QString& defaultSuffix, int* chosenFilter = nullptr) = 0;
};

}  // namespace lyrova
