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

QLabel* NewLabel(const QString& text, int x, int y, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->adjustSize();
  label->setGeometry(x, y, label->width(), kRowHeight);
  return label;
}

QPushButton* NewButton(const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  // Enter in a field must not press a button, as in the dialog users know.
  button->setAutoDefault(false);
  return button;
}

// A read-only or editable path field with its ".." button on one row.
QLineEdit* NewPathRow(const QString& label, int y, bool readOnly, QPushButton*& dots, QWidget* parent) {
  NewLabel(label, kLabelX, y, parent);
  auto* edit = new QLineEdit(parent);
  edit->setReadOnly(readOnly);
  edit->setGeometry(kControlX, y, kEditWidth, kRowHeight);
  dots = NewButton(QStringLiteral(".."), parent);
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
  setWindowTitle(tr("Configuration"));
  setFixedSize(kWidth, kHeight);

  const int stripX = kWidth - kStripWidth + (kStripWidth - 65) / 2 - 4;
  cancelButton_ = NewButton(tr("Cancel"), this);
  cancelButton_->setGeometry(stripX, 12, 65, 25);
  okButton_ = NewButton(tr("Ok"), this);
  okButton_->setGeometry(stripX, 44, 65, 25);

  QGroupBox* general = BuildGeneralGroup();
  general->setGeometry(kMargin, 4, kGroupWidth, kHeight - kSoundGroupHeight - kMargin - 4 - 4);
  QGroupBox* sound = BuildSoundGroup();
  sound->setGeometry(kMargin, kHeight - kSoundGroupHeight - kMargin, kGroupWidth, kSoundGroupHeight);
}

QGroupBox* TForm2::BuildGeneralGroup() {
  auto* group = new QGroupBox(tr(" General "), this);
  edit1_ = NewPathRow(tr("Path to the Ostrel files:"), 24, true, button1_, group);
  songsEdit_ = NewPathRow(tr("Songs:"), 24 + kSongsRow, true, songsButton_, group);
  edit2_ = NewPathRow(tr("Video file:"), 52 + kSongsRow, true, button2_, group);
  edit3_ = NewPathRow(tr("Font:"), 80 + kSongsRow, true, button6_, group);

  NewLabel(tr("Size:"), kLabelX, 108 + kSongsRow, group);
  spinEdit2_ = new TNumberBox(SettingsValues::kMinFontHeight, SettingsValues::kMaxFontHeight, group);
  spinEdit2_->setGeometry(kControlX, 108 + kSongsRow, 60, kRowHeight);

  NewLabel(tr("Colour 1"), kLabelX, 140 + kSongsRow, group);
  panel3_ = NewSwatch(64, 140 + kSongsRow, group);
  NewLabel(tr("Colour 2"), 114, 140 + kSongsRow, group);
  panel4_ = NewSwatch(166, 140 + kSongsRow, group);
  NewLabel(tr("Shadow"), 216, 140 + kSongsRow, group);
  panel5_ = NewSwatch(252, 140 + kSongsRow, group);

  NewLabel(tr("Number of lines:"), kLabelX, 172 + kSongsRow, group);
  spinEdit1_ = new TNumberBox(SettingsValues::kMinStringsCount, SettingsValues::kMaxStringsCount, group);
  spinEdit1_->setGeometry(kControlX, 172 + kSongsRow, 60, kRowHeight);
  sizeNote_ = new QLabel(group);
  sizeNote_->setGeometry(kControlX, 172 + kSongsRow + TForm2::kSizeNoteRowHeight + 2, kGroupWidth - kControlX - 8,
                         kRowHeight);
  remote_ = new QCheckBox(tr("Remote from the guests' phones"), group);
  remote_->setToolTip(tr("Guests search for songs and sign up in the queue from their phones; "
                         "the address and the host's PIN are in the main window"));
  const int remoteY = 174 + kSongsRow + TForm2::kSizeNoteRowHeight + TForm2::kRemoteRowHeight;
  remote_->setGeometry(kLabelX, remoteY, kGroupWidth - 2 * kLabelX, kRowHeight);
  const int languageY = remoteY + TForm2::kLanguageRowHeight;
  NewLabel(tr("Language:"), kLabelX, languageY, group);
  language_ = new QComboBox(group);
  language_->setGeometry(kControlX, languageY, 160, kRowHeight + 1);
  return group;
}

QGroupBox* TForm2::BuildSoundGroup() {
  auto* group = new QGroupBox(tr(" Sound "), this);
  edit5_ = NewPathRow(tr("Path to the *.SF2 file"), 28, false, button3_, group);
  NewLabel(tr("MIDI port:"), kLabelX, 64, group);
  comboBox1_ = new QComboBox(group);
  comboBox1_->setEditable(true);
  comboBox1_->setGeometry(kControlX, 64, kEditWidth + 4 + kDotsWidth, kRowHeight + 1);
  NewLabel(tr("Lyric offset, ms"), kLabelX, 64 + TForm2::kLyricOffsetRowHeight + 4, group);
  lyricOffset_ = new TNumberBox(-TSettingsFile::kMaxLyricOffsetMs, TSettingsFile::kMaxLyricOffsetMs, group);
  lyricOffset_->setSingleStep(TSettingsFile::kLyricOffsetStepMs);
  lyricOffset_->setToolTip(tr("Higher - the lyrics come later than the music, lower - earlier"));
  lyricOffset_->setGeometry(kControlX, 64 + TForm2::kLyricOffsetRowHeight + 4, 60, kRowHeight);
  songMemory_ = new QCheckBox(tr("Key and tempo for each song"), group);
  songMemory_->setToolTip(tr("A song starts with the key and tempo chosen for it last time"));
  songMemory_->setGeometry(kLabelX, 64 + TForm2::kLyricOffsetRowHeight + TForm2::kSongMemoryRowHeight + 4,
                           kGroupWidth - 2 * kLabelX, kRowHeight);
  return group;
}

}  // namespace lyrova
