#pragma once
// TShell on the real desktop: files and addresses go to the user's default
// applications, messages to a message box.

#include "app/widgets/link_actions.h"

class QWidget;

namespace lyrova {

class TDesktopShell : public TShell {
 public:
  // Message boxes are centred on `parent`.
  explicit TDesktopShell(QWidget* parent = nullptr) : parent_(parent) {}

  void OpenFile(const QString& path) override;
  void OpenUrl(const QUrl& url) override;
  void ShowMessage(const QString& text) override;

 private:
  QWidget* parent_;
};

}  // namespace lyrova
