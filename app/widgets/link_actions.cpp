#include "app/widgets/link_actions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "program/version.h"

namespace lyrova {

namespace {

// The version is the build's, as the window's title shows it.
QString BugReportSubject() {
  return QCoreApplication::translate("lyrova::TLinkActions", "Lyrova %1 Error report")
      .arg(QString::fromUtf8(PackageVersion()));
}

}  // namespace

TLinkActions::TLinkActions(TShell& shell, QString programDir)
    : shell_(shell), programDir_(std::move(programDir)) {}

QString TLinkActions::HelpFilePath() const {
  return QDir::toNativeSeparators(QDir(programDir_).filePath(QStringLiteral("help.chm")));
}

QString TLinkActions::HelpPagePath() const {
  return QDir::cleanPath(QDir(programDir_).filePath(QStringLiteral("../share/lyrova/help/index.html")));
}

QUrl TLinkActions::ErrorReportUrl() {
  // The subject keeps its quotes; QUrl encodes them and the spaces for the mail program.
  const QString subject = QLatin1Char('"') + BugReportSubject() + QLatin1Char('"');
  return QUrl(QStringLiteral("mailto:") + QLatin1String(kBugReportAddress) +
              QStringLiteral("?subject=") + subject);
}

void TLinkActions::OpenHelp() {
  const QString file = HelpFilePath();
  const bool chm = QFileInfo(file).isFile();
  // The answers may come after these actions are gone; the shell stays.
  TShell& shell = shell_;
  const QString page = HelpPagePath();
  auto openPage = [&shell, file, chm, page] {
    if (QFileInfo(page).isFile()) {
      shell.OpenFile(page, [&shell, page] { shell.ShowPage(page); });
    } else if (chm) {
      shell.ShowMessage(QCoreApplication::translate(
                            "lyrova::TLinkActions",
                            "Could not open the file %1: this computer has no program for files of this type.")
                            .arg(file));
    } else {
      shell.ShowMessage(QCoreApplication::translate("lyrova::TLinkActions", "The file %1 is missing")
                            .arg(file));
    }
  };
  // A help.chm that no program of this desktop reads gives way to our own page.
  if (chm) {
    shell.OpenFile(file, openPage);
  } else {
    openPage();
  }
}

void TLinkActions::OpenHomePage() {
  const QString url = QLatin1String(kHomePageUrl);
  TShell& shell = shell_;
  shell.OpenUrl(QUrl(url), [&shell, url] {
    shell.ShowMessage(QCoreApplication::translate("lyrova::TLinkActions",
                                                  "Could not open the home page: no browser starts on this "
                                                  "computer.\nThe page's address: %1")
                          .arg(url));
  });
}

void TLinkActions::ReportError() {
  TShell& shell = shell_;
  shell.OpenUrl(ErrorReportUrl(), [&shell] {
    shell.ShowMessage(QCoreApplication::translate("lyrova::TLinkActions",
                                                  "Could not open the mail program.\nPlease write to %1 "
                                                  "with the subject: %2.")
                          .arg(QLatin1String(kBugReportAddress), BugReportSubject()));
  });
}

}  // namespace lyrova
