#include "app/widgets/desktop_shell.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>

namespace lyrova {

// A browser or mail program that fails to start is not reported: the link
// simply does nothing, as on any desktop.
void TDesktopShell::OpenFile(const QString& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TDesktopShell::OpenUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

void TDesktopShell::ShowMessage(const QString& text) {
  QMessageBox::information(parent_, QGuiApplication::applicationDisplayName(), text);
}

}  // namespace lyrova
