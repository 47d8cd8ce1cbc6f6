// The configuration dialog's controls and where they sit: a strip of two
// buttons on the right, the general settings above and the sound below.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "config/colour_swatch.h"
#include "config/config_dialog.h"
#include "config/number_box.h"
#include "config/settings_values.h"

namespace lyrova {
namespace {

constexpr int kStripWidth = 80;
constexpr int kMargin = 8;
constexpr int kSoundGroupHeight = 113 + TForm2::kLyricOffsetRowHeight + TForm2::kSongMemoryRowHeight;
constexpr int kGroupWidth = TForm2::kWidth - kStripWidth - kMargin;
constexpr int kLabelX = 12;
constexpr int kControlX = 156;
constexpr int kRowHeight = 21;
constexpr int kDotsWidth = 24;
constexpr int kEditWidth = kGroupWidth - kControlX - kDotsWidth - 14;
// The song library's row, under the disc folder's, moves the rows below it down.
constexpr int kSongsRow = TForm2::kSongsRowHeight;

QLabel* NewLabel(const char* text, int x, int y, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->adjustSize();
  label->setGeometry(x, y, label->width(), kRowHeight);
  return label;
}

QPushButton* NewButton(const char* text, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  // Enter in a field must not press a button, as in the dialog users know.
  button->setAutoDefault(false);
  return button;
}

// A read-only or editable path field with its ".." button on one row.
QLineEdit* NewPathRow(const char* label, int y, bool readOnly, QPushButton*& dots, QWidget* parent) {
  NewLabel(label, kLabelX, y, parent);
  auto* edit = new QLineEdit(parent);
  edit->setReadOnly(readOnly);
  edit->setGeometry(kControlX, y, kEditWidth, kRowHeight);
  dots = NewButton("..", parent);
  dots->setGeometry(kControlX + kEditWidth + 4, y, kDotsWidth, kRowHeight);
  return edit;
}

TColourSwatch* NewSwatch(int x, int y, QWidget* parent) {
  auto* swatch = new TColourSwatch(parent);
  swatch->setGeometry(x, y, 33, 21);
  swatch->setCursor(Qt::PointingHandCursor);
  return swatch;
}

}  // namespace

void TForm2::BuildLayout() {
  setWindowTitle(QString::fromUtf8("Конфигурация"));
  setFixedSize(kWidth, kHeight);

  const int stripX = kWidth - kStripWidth + (kStripWidth - 65) / 2 - 4;
  cancelButton_ = NewButton("Отмена", this);
  cancelButton_->setGeometry(stripX, 12, 65, 25);
  okButton_ = NewButton("Ok", this);
  okButton_->setGeometry(stripX, 44, 65, 25);

  QGroupBox* general = BuildGeneralGroup();
  general->setGeometry(kMargin, 4, kGroupWidth, kHeight - kSoundGroupHeight - kMargin - 4 - 4);
  QGroupBox* sound = BuildSoundGroup();
  sound->setGeometry(kMargin, kHeight - kSoundGroupHeight - kMargin, kGroupWidth, kSoundGroupHeight);
}

QGroupBox* TForm2::BuildGeneralGroup() {
  auto* group = new QGroupBox(QString::fromUtf8(" Общие "), this);
  edit1_ = NewPathRow("Путь к файлам Ostrel:", 24, true, button1_, group);
  songsEdit_ = NewPathRow("Песни:", 24 + kSongsRow, true, songsButton_, group);
  edit2_ = NewPathRow("Файл видео:", 52 + kSongsRow, true, button2_, group);
  edit3_ = NewPathRow("Шрифт:", 80 + kSongsRow, true, button6_, group);

  NewLabel("Размер:", kLabelX, 108 + kSongsRow, group);
  spinEdit2_ = new TNumberBox(SettingsValues::kMinFontHeight, SettingsValues::kMaxFontHeight, group);
  spinEdit2_->setGeometry(kControlX, 108 + kSongsRow, 60, kRowHeight);

  NewLabel("Цвет 1", kLabelX, 140 + kSongsRow, group);
  panel3_ = NewSwatch(64, 140 + kSongsRow, group);
  NewLabel("Цвет 2", 114, 140 + kSongsRow, group);
  panel4_ = NewSwatch(166, 140 + kSongsRow, group);
  NewLabel("Тень", 216, 140 + kSongsRow, group);
  panel5_ = NewSwatch(252, 140 + kSongsRow, group);

  NewLabel("Количество строк:", kLabelX, 172 + kSongsRow, group);
  spinEdit1_ = new TNumberBox(SettingsValues::kMinStringsCount, SettingsValues::kMaxStringsCount, group);
  spinEdit1_->setGeometry(kControlX, 172 + kSongsRow, 60, kRowHeight);
  sizeNote_ = new QLabel(group);
  sizeNote_->setGeometry(kControlX, 172 + kSongsRow + TForm2::kSizeNoteRowHeight + 2, kGroupWidth - kControlX - 8,
                         kRowHeight);
  remote_ = new QCheckBox(QString::fromUtf8("Пульт с телефонов гостей"), group);
  remote_->setToolTip(QString::fromUtf8("Гости ищут песни и записываются в очередь со своих телефонов; "
                                        "адрес и PIN ведущего - в главном окне"));
  remote_->setGeometry(kLabelX, 174 + kSongsRow + TForm2::kSizeNoteRowHeight + TForm2::kRemoteRowHeight,
                       kGroupWidth - 2 * kLabelX, kRowHeight);
  return group;
}

QGroupBox* TForm2::BuildSoundGroup() {
  auto* group = new QGroupBox(QString::fromUtf8(" Sound "), this);
  edit5_ = NewPathRow("Путь к файлу *.SF2", 28, false, button3_, group);
  NewLabel("Порт MIDI:", kLabelX, 64, group);
  comboBox1_ = new QComboBox(group);
  comboBox1_->setEditable(true);
  comboBox1_->setGeometry(kControlX, 64, kEditWidth + 4 + kDotsWidth, kRowHeight + 1);
  NewLabel("Сдвиг текста, мс", kLabelX, 64 + TForm2::kLyricOffsetRowHeight + 4, group);
  lyricOffset_ = new TNumberBox(-TSettingsFile::kMaxLyricOffsetMs, TSettingsFile::kMaxLyricOffsetMs, group);
  lyricOffset_->setSingleStep(TSettingsFile::kLyricOffsetStepMs);
  lyricOffset_->setToolTip(QString::fromUtf8("Больше - текст позже музыки, меньше - раньше"));
  lyricOffset_->setGeometry(kControlX, 64 + TForm2::kLyricOffsetRowHeight + 4, 60, kRowHeight);
  songMemory_ = new QCheckBox(QString::fromUtf8("Тон и темп для каждой песни"), group);
  songMemory_->setToolTip(QString::fromUtf8("Песня начинается с тоном и темпом, выбранными для неё в прошлый раз"));
  songMemory_->setGeometry(kLabelX, 64 + TForm2::kLyricOffsetRowHeight + TForm2::kSongMemoryRowHeight + 4,
                           kGroupWidth - 2 * kLabelX, kRowHeight);
  return group;
}

}  // namespace lyrova
