#include "app/widgets/link_actions.h"

#include <QDir>
#include <QFileInfo>

namespace lyrova {

namespace {

constexpr char kBugReportSubject[] = "Lyrova 1.573 Сообщение об ошибке";

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
  const QString subject = QLatin1Char('"') + QString::fromUtf8(kBugReportSubject) + QLatin1Char('"');
  return QUrl(QStringLiteral("mailto:") + QLatin1String(kBugReportAddress) +
              QStringLiteral("?subject=") + subject);
}

void TLinkActions::OpenHelp() {
  const QString file = HelpFilePath();
  const bool chm = QFileInfo(file).isFile();
  // A help.chm that no program of this desktop reads gives way to our own page.
  if (chm && shell_.OpenFile(file)) return;
  const QString page = HelpPagePath();
  if (QFileInfo(page).isFile()) {
    if (!shell_.OpenFile(page)) shell_.ShowPage(page);
  } else if (chm) {
    shell_.ShowMessage(QStringLiteral("Не удалось открыть файл ") + file +
                       QStringLiteral(": на этом компьютере нет программы для файлов этого типа."));
  } else {
    shell_.ShowMessage(QStringLiteral("Отсутствует файл ") + file);
  }
}

void TLinkActions::OpenHomePage() {
  const QString url = QLatin1String(kHomePageUrl);
  if (!shell_.OpenUrl(QUrl(url)))
    shell_.ShowMessage(QStringLiteral("Не удалось открыть домашнюю страницу: на этом компьютере не "
                                      "запускается браузер.\nАдрес страницы: ") +
                       url);
}

void TLinkActions::ReportError() {
  if (!shell_.OpenUrl(ErrorReportUrl()))
    shell_.ShowMessage(QStringLiteral("Не удалось открыть почтовую программу.\nНапишите, пожалуйста, "
                                      "по адресу %1, тема письма: %2.")
                           .arg(QLatin1String(kBugReportAddress), QString::fromUtf8(kBugReportSubject)));
}

}  // namespace lyrova
