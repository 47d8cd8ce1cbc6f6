#include "app/window/disc_folder_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lyrova {

TDiscFolderDialog::TDiscFolderDialog(const QString& prompt, const QString& start, const QString& notice,
                                     const QString& demoFolder, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QApplication::applicationName());
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(prompt, this);
  text->setWordWrap(true);
  layout->addWidget(text);

  notice_ = new QLabel(notice, this);
  notice_->setWordWrap(true);
  notice_->setStyleSheet(QStringLiteral("color: #a00000"));
  notice_->setVisible(!notice.isEmpty());
  layout->addWidget(notice_);

  auto* row = new QHBoxLayout;
  folder_ = new QLineEdit(start, this);
  folder_->setMinimumWidth(360);
  auto* browse = new QPushButton(QStringLiteral(".."), this);
  browse->setFixedWidth(32);
  row->addWidget(folder_);
  row->addWidget(browse);
  layout->addLayout(row);
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString from = QFileInfo(folder_->text()).isDir() ? folder_->text() : QDir::homePath();
    const QString chosen = QFileDialog::getExistingDirectory(this, windowTitle(), from);
    if (!chosen.isEmpty()) folder_->setText(chosen);
  });

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QString::fromUtf8("Отмена"), QDialogButtonBox::RejectRole);
  demo_ = buttons->addButton(QString::fromUtf8("Демо-диск"), QDialogButtonBox::ActionRole);
  demo_->setVisible(!demoFolder.isEmpty());
  connect(demo_, &QPushButton::clicked, this, [this, demoFolder] {
    folder_->setText(demoFolder);
    accept();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

QString TDiscFolderDialog::Folder() const { return folder_->text(); }

}  // namespace lyrova
