#include "app/widgets/desktop_shell.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>

#include "app/widgets/help_window.h"

namespace lyrova {

TDesktopShell::~TDesktopShell() { delete help_; }

// The desktop answers whether it found a program to start (xdg-open or a
// known browser); what that program then does is beyond the player's sight.
bool TDesktopShell::OpenFile(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

bool TDesktopShell::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

void TDesktopShell::ShowPage(const QString& path) {
  if (!help_) {
    help_ = new THelpWindow;
    help_->setAttribute(Qt::WA_DeleteOnClose);
  }
  help_->ShowPage(path);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void TDesktopShell::ShowMessage(const QString& text) {
  QMessageBox::information(parent_, QGuiApplication::applicationDisplayName(), text);
}

}  // namespace lyrova
