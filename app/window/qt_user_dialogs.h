#pragma once
// The user dialogs on screen, owned by a parent window.

#include "app/window/user_dialogs.h"

class QWidget;

namespace lyrova {

class TQtUserDialogs : public TUserDialogs {
 public:
  explicit TQtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  // The window the boxes and dialogs are centred on.
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(const QString& text) override;
  bool Confirm(const QString& text) override;
  std::optional<QString> ChooseFolder(const QString& prompt, const QString& start, const QString& notice,
                                      const QString& demoFolder) override;
  std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                      const QString& defaultSuffix, const QString& folder) override;
  std::optional<QString> SaveFileName(const QString& title, const QString& filter, const QString& defaultSuffix,
                                      int* chosenFilter) override;

 private:
  QWidget* parent_;
};

}  // namespace lyrova
