#pragma once
// TForm2, the configuration dialog: the disc folder, the background film,
// the lyric font, size, colours and number of lines, and the SoundFont the
// synthesizer loads. Every showing refills it from the settings file (the
// paths) and the values in memory (the rest); only Ok stores anything, all
// keys at once, in a fixed order.

#include <QDialog>
#include <QStringList>
#include <memory>

#include "config/settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace lyrova {

class TColourSwatch;
class TConfigDialogs;

class TForm2 : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kWidth = 456;
  // The song library's folder row adds to the general group's height.
  static constexpr int kSongsRowHeight = 28;
  // So does the line saying which lyric size is used.
  static constexpr int kSizeNoteRowHeight = 22;
  // The lyric offset's row and the per-song check box's add to the sound group's.
  static constexpr int kLyricOffsetRowHeight = 28;
  static constexpr int kSongMemoryRowHeight = 26;
  // The phone remote's switch, at the foot of the general group.
  static constexpr int kRemoteRowHeight = 26;
  // And the interface language's, under it.
  static constexpr int kLanguageRowHeight = 28;
  static constexpr int kHeight = 332 + kSongsRowHeight + kSizeNoteRowHeight + kLyricOffsetRowHeight +
                                 kSongMemoryRowHeight + kRemoteRowHeight + kLanguageRowHeight;

  // `dialogs` answers every chooser and message box; null gives the real ones.
  TForm2(TSettingsFile settings, SettingsValues& values, TConfigDialogs* dialogs = nullptr,
         QWidget* parent = nullptr);
  ~TForm2() override;

  // Appends an output port's name to the port list (the list is never emptied).
  void AddPortName(const QString& name);
  // Whether the dialog was last closed with Ok.
  bool Accepted() const { return accepted_; }

  // The controls, by their historical names.
  QLineEdit* Edit1() const { return edit1_; }  // disc folder
  QLineEdit* Edit2() const { return edit2_; }  // film
  QLineEdit* Edit3() const { return edit3_; }  // font face
  QLineEdit* Edit5() const { return edit5_; }  // SoundFont
  QLineEdit* SongsEdit() const { return songsEdit_; }  // song library folder
  QPushButton* SongsButton() const { return songsButton_; }
  QSpinBox* SpinEdit1() const { return spinEdit1_; }  // lines on screen
  QSpinBox* SpinEdit2() const { return spinEdit2_; }  // font height
  // Says the smaller size the lines get when the size and the count do not fit.
  QLabel* SizeNote() const { return sizeNote_; }
  TColourSwatch* Panel3() const { return panel3_; }
  TColourSwatch* Panel4() const { return panel4_; }
  TColourSwatch* Panel5() const { return panel5_; }
  QComboBox* ComboBox1() const { return comboBox1_; }
  QSpinBox* LyricOffset() const { return lyricOffset_; }  // milliseconds
  QCheckBox* SongMemory() const { return songMemory_; }   // key and tempo per song
  QCheckBox* RemoteSwitch() const { return remote_; }     // the guests' phones as the remote
  QComboBox* Language() const { return language_; }  // the interface's, from the next start
  QPushButton* Button1() const { return button1_; }
  QPushButton* Button2() const { return button2_; }
  QPushButton* Button3() const { return button3_; }
  QPushButton* Button6() const { return button6_; }
  QPushButton* OkButton() const { return okButton_; }
  QPushButton* CancelButton() const { return cancelButton_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void BuildLayout();
  QGroupBox* BuildGeneralGroup();
  QGroupBox* BuildSoundGroup();
  void FillControls();
  void UpdateSizeNote();
  static QString RestartText();
  // The texts of the writes that failed, each once.
  QStringList StoreValues();
  // Writes one number and, once it is in the file, sets it in memory; a
  // failure's text is added to `failures`.
  void StoreNumber(QStringList& failures, const char* section, const char* key, int value,
                   void (SettingsValues::*set)(int));

  void Button1Click();  // disc folder
  void Button2Click();  // film
  void Button3Click();  // SoundFont
  void Button6Click();  // font
  void SongsButtonClick();
  void PanelClick(TColourSwatch* panel);

  TSettingsFile settings_;
  SettingsValues& values_;
  std::unique_ptr<TConfigDialogs> ownDialogs_;
  TConfigDialogs& dialogs_;
  bool accepted_ = false;

  QLineEdit* edit1_ = nullptr;
  QLineEdit* edit2_ = nullptr;
  QLineEdit* edit3_ = nullptr;
  QLineEdit* edit5_ = nullptr;
  QLineEdit* songsEdit_ = nullptr;
  QPushButton* songsButton_ = nullptr;
  QSpinBox* spinEdit1_ = nullptr;
  QSpinBox* spinEdit2_ = nullptr;
  QLabel* sizeNote_ = nullptr;
  TColourSwatch* panel3_ = nullptr;
  TColourSwatch* panel4_ = nullptr;
  TColourSwatch* panel5_ = nullptr;
  QComboBox* comboBox1_ = nullptr;
  QSpinBox* lyricOffset_ = nullptr;
  QCheckBox* songMemory_ = nullptr;
  QCheckBox* remote_ = nullptr;
  QComboBox* language_ = nullptr;
  QPushButton* button1_ = nullptr;
  QPushButton* button2_ = nullptr;
  QPushButton* button3_ = nullptr;
  QPushButton* button6_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace lyrova
