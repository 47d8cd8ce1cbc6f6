#pragma once
// TShell on the real desktop: files and addresses go to the user's default
// applications, pages without them to the program's own help window,
// messages to a message box.

#include <QPointer>

#include "app/widgets/help_window.h"
#include "app/widgets/link_actions.h"

class QWidget;

namespace lyrova {

class TDesktopShell : public TShell {
 public:
  // Message boxes are centred on `parent`.
  explicit TDesktopShell(QWidget* parent = nullptr) : parent_(parent) {}
  ~TDesktopShell() override;

  bool OpenFile(const QString& path) override;
  bool OpenUrl(const QUrl& url) override;
  // One help window, brought forward when it is open already.
  void ShowPage(const QString& path) override;
  void ShowMessage(const QString& text) override;

  THelpWindow* HelpWindow() const { return help_; }

 private:
  QWidget* parent_;
  QPointer<THelpWindow> help_;
};

}  // namespace lyrova
