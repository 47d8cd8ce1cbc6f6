#include "app/widgets/desktop_shell.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include "app/widgets/help_window.h"

namespace lyrova {

namespace {

// xdg-open answers at once when it finds no program; one that it found may
// run for hours and end as it likes, which is no answer about opening.
constexpr qint64 kAnswerMs = 5000;

}  // namespace

TDesktopShell::~TDesktopShell() { delete help_; }

void TDesktopShell::OpenFile(const QString& path, std::function<void()> notOpened) {
  Open(path, QUrl::fromLocalFile(path), std::move(notOpened));
}

void TDesktopShell::OpenUrl(const QUrl& url, std::function<void()> notOpened) {
  Open(url.toString(QUrl::FullyEncoded), url, std::move(notOpened));
}

void TDesktopShell::Open(const QString& target, const QUrl& url, std::function<void()> notOpened) {
  const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (xdgOpen.isEmpty()) {
    // Qt tries the browsers it knows of by itself.
    if (!QDesktopServices::openUrl(url)) notOpened();
    return;
  }
  // Without a parent: the program that xdg-open starts outlives the player.
  auto* process = new QProcess;
  process->setProgram(xdgOpen);
  process->setArguments({target});
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  QElapsedTimer started;
  started.start();
  const std::weak_ptr<int> alive = alive_;
  const auto answer = [alive, started, notOpened = std::move(notOpened)](bool opened) {
    if (!opened && !alive.expired() && started.elapsed() < kAnswerMs) notOpened();
  };
  QObject::connect(process, &QProcess::errorOccurred, process, [process, answer](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    answer(false);
    process->deleteLater();
  });
  QObject::connect(process, &QProcess::finished, process,
                   [process, answer](int code, QProcess::ExitStatus status) {
                     answer(status == QProcess::NormalExit && code == 0);
                     process->deleteLater();
                   });
  process->start();
}

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
