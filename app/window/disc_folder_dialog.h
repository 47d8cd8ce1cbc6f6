#pragma once
// The first start's question for the disc folder: the whole prompt in the
// window, a line saying why it is asked again, the folder with its chooser,
// and a button that takes the demo disc installed with the program.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lyrova {

class TDiscFolderDialog : public QDialog {
  Q_OBJECT

 public:
  // `demoFolder` empty hides the demo button; `notice` empty hides its line.
  TDiscFolderDialog(const QString& prompt, const QString& start, const QString& notice, const QString& demoFolder,
                    QWidget* parent = nullptr);

  // The folder to try: the field's text, or the demo disc's folder.
  QString Folder() const;
  QLineEdit* FolderEdit() const { return folder_; }
  QPushButton* DemoButton() const { return demo_; }
  QPushButton* OkButton() const { return ok_; }
  QLabel* NoticeLabel() const { return notice_; }

 private:
  QLineEdit* folder_ = nullptr;
  QLabel* notice_ = nullptr;
  QPushButton* demo_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace lyrova
