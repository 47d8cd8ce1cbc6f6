#pragma once
// TShell on the real desktop: files and addresses go to the user's default
// applications through xdg-open, whose answer says whether one was found;
// pages to the program's own help window, messages to a message box.

#include <QPointer>

#include <memory>

#include "app/widgets/help_window.h"
#include "app/widgets/link_actions.h"

class QWidget;

namespace lyrova {

class TDesktopShell : public TShell {
 public:
  // Message boxes are centred on `parent`.
  explicit TDesktopShell(QWidget* parent = nullptr) : parent_(parent) {}
  ~TDesktopShell() override;

  void OpenFile(const QString& path, std::function<void()> notOpened) override;
  void OpenUrl(const QUrl& url, std::function<void()> notOpened) override;
  // One help window, brought forward when it is open already.
  void ShowPage(const QString& path) override;
  void ShowMessage(const QString& text) override;

  THelpWindow* HelpWindow() const { return help_; }

 private:
  // `target` as xdg-open takes it: a path or an address.
  void Open(const QString& target, const QUrl& url, std::function<void()> notOpened);

  QWidget* parent_;
  QPointer<THelpWindow> help_;
  // Answers that come after the shell is gone are let go.
  std::shared_ptr<int> alive_ = std::make_shared<int>();
};

}  // namespace lyrova
