#include "video/film_chooser_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

#include "catalog/cp1251.h"

namespace lyrova {

std::optional<std::string> TFilmChooserDialogs::AskFilmFile(const std::string& title,
                                                            const std::string& filter) {
  const QString path = QFileDialog::getOpenFileName(parent_, QString::fromUtf8(title), QString(),
                                                    QString::fromUtf8(filter));
  if (path.isEmpty()) return std::nullopt;
  return QFile::encodeName(path).toStdString();
}

void TFilmChooserDialogs::ShowMessage(const std::string& text) {
  QMessageBox::warning(parent_, QGuiApplication::applicationDisplayName(),
                       QString::fromUtf8(Cp1251ToUtf8(text)));
}

}  // namespace lyrova
