#include "app/window/qt_user_dialogs.h"

#include "app/window/disc_folder_dialog.h"
#include "config/file_filter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace lyrova {

void TQtUserDialogs::ShowMessage(const QString& text) {
  QMessageBox::information(parent_, QApplication::applicationName(), text);
}

bool TQtUserDialogs::Confirm(const QString& text) {
  return QMessageBox::question(parent_, QApplication::applicationName(), text,
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> TQtUserDialogs::ChooseFolder(const QString& prompt, const QString& start,
                                                    const QString& notice, const QString& demoFolder) {
  TDiscFolderDialog dialog(prompt, start, notice, demoFolder, parent_);
  if (dialog.exec() != QDialog::Accepted || dialog.Folder().isEmpty()) return std::nullopt;
  return dialog.Folder();
}

std::optional<QString> TQtUserDialogs::OpenFileName(const QString& title, const QString& filter,
                                                    const QString& defaultSuffix, const QString& folder) {
  QFileDialog dialog(parent_, title, QFileInfo(folder).isDir() ? folder : QString(), filter);
  // The filters' names say what they hold; their any-case patterns would only repeat it.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

std::optional<QString> TQtUserDialogs::SaveFileName(const QString& title, const QString& filter,
                                                    const QString& defaultSuffix, int* chosenFilter) {
  QFileDialog dialog(parent_, title, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  // No default suffix in the dialog: it would give a bare name that one
  // whatever type is chosen. The chosen type decides, once the dialog is closed.
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const int chosen = FilterIndex(dialog.nameFilters(), dialog.selectedNameFilter());
  if (chosenFilter) *chosenFilter = chosen;
  return NameForFilter(dialog.selectedFiles().first(), dialog.nameFilters(), chosen, defaultSuffix);
}

}  // namespace lyrova
