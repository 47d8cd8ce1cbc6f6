#include "config/qt_config_dialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace lyrova {

std::optional<QString> TQtConfigDialogs::ChooseFolder(const QString& title) {
  // Nothing is preselected: the chooser starts at the top of the user's own files.
  const QString folder = QFileDialog::getExistingDirectory(parent_, title, QDir::homePath());
  if (folder.isEmpty()) return std::nullopt;
  return folder;
}

std::optional<QString> TQtConfigDialogs::ChooseFile(const QString& title, const QString& filter,
                                                    const QString& folder) {
  // The filters' names already say what they hold; the pattern lists would repeat it.
  const QString file = QFileDialog::getOpenFileName(parent_, title, folder, filter, nullptr,
                                                    QFileDialog::HideNameFilterDetails);
  if (file.isEmpty()) return std::nullopt;
  return file;
}

std::optional<QFont> TQtConfigDialogs::ChooseFont(const QFont& current) {
  QFontDialog dialog(current, parent_);
  dialog.setOption(QFontDialog::ScalableFonts);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.selectedFont();
}

std::optional<QColor> TQtConfigDialogs::ChooseColour(const QColor& initial) {
  const QColor colour = QColorDialog::getColor(initial, parent_);
  if (!colour.isValid()) return std::nullopt;
  return colour;
}

void TQtConfigDialogs::ShowMessage(const QString& text) {
  QMessageBox::information(parent_, QString(), text);
}

}  // namespace lyrova
