#include "app/window/dialog_adapters.h"

#include <QFile>

#include "app/window/user_dialogs.h"
#include "catalog/cp1251.h"
#include "config/file_filter.h"

namespace lyrova {

void TFormShell::ShowMessage(const QString& text) { dialogs_.ShowMessage(text); }

std::optional<std::string> TFormFilmChooser::AskFilmFile(const std::string& title, const std::string& filter,
                                                         const std::string& folder) {
  const auto chosen = dialogs_.OpenFileName(QString::fromUtf8(title), QtFileFilter(QString::fromUtf8(filter)),
                                            QString(), QFile::decodeName(QByteArray::fromStdString(folder)));
  if (!chosen) return std::nullopt;
  return QFile::encodeName(*chosen).toStdString();
}

void TFormFilmChooser::ShowMessage(const std::string& text) {
  dialogs_.ShowMessage(QString::fromStdString(text));
}

}  // namespace lyrova
