#include "app/widgets/link_actions.h"

#include <QDir>
#include <QFileInfo>

namespace lyrova {

TLinkActions::TLinkActions(TShell& shell, QString programDir)
    : shell_(shell), programDir_(std::move(programDir)) {}

QString TLinkActions::HelpFilePath() const {
  return QDir::toNativeSeparators(QDir(programDir_).filePath(QStringLiteral("help.chm")));
}

QUrl TLinkActions::ErrorReportUrl() {
  // The subject keeps its quotes; QUrl encodes them and the spaces for the mail program.
  const QString subject = QStringLiteral("\"Lyrova 1.573 Сообщение об ошибке\"");
  return QUrl(QStringLiteral("mailto:") + QLatin1String(kBugReportAddress) +
              QStringLiteral("?subject=") + subject);
}

void TLinkActions::OpenHelp() {
  const QString path = HelpFilePath();
  if (QFileInfo(path).isFile())
    shell_.OpenFile(path);
  else
    shell_.ShowMessage(QStringLiteral("Отсутствует файл ") + path);
}

void TLinkActions::OpenHomePage() { shell_.OpenUrl(QUrl(QLatin1String(kHomePageUrl))); }

void TLinkActions::ReportError() { shell_.OpenUrl(ErrorReportUrl()); }

}  // namespace lyrova
