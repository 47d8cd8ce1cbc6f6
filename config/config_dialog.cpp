// What the configuration dialog does: refill on showing, the choosers behind
// its buttons and swatches, and storing everything on Ok.

#include "config/config_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>

#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "config/colour_swatch.h"
#include "display/lyric_font.h"
#include "config/file_filter.h"
#include "config/film_choice.h"
#include "config/font_pixels.h"
#include "config/party_settings.h"
#include "config/qt_config_dialogs.h"
#include "translations/interface_language.h"
#include "translations/user_text_qt.h"

namespace lyrova {
namespace {

namespace keys = settings_keys;

// Language names stay in their own language, so anyone finds theirs.
struct LanguageItem {
  const char* name;  // null: the desktop's, translated
  const char* stored;
};
constexpr LanguageItem kLanguages[] = {
    {nullptr, kSystemLanguage}, {"Русский", kRussianLanguage}, {"English", kEnglishLanguage}};

QString PathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
std::string PathOf(const QLineEdit* edit) { return QFile::encodeName(edit->text()).toStdString(); }

}  // namespace

TForm2::TForm2(TSettingsFile settings, SettingsValues& values, TConfigDialogs* dialogs, QWidget* parent)
    : QDialog(parent),
      settings_(std::move(settings)),
      values_(values),
      ownDialogs_(dialogs ? nullptr : std::make_unique<TQtConfigDialogs>(this)),
      dialogs_(dialogs ? *dialogs : *ownDialogs_) {
  BuildLayout();
  connect(okButton_, &QPushButton::clicked, this, [this] {
    accepted_ = true;
    accept();
  });
  connect(cancelButton_, &QPushButton::clicked, this, [this] {
    accepted_ = false;
    reject();
  });
  connect(button1_, &QPushButton::clicked, this, &TForm2::Button1Click);
  connect(button2_, &QPushButton::clicked, this, &TForm2::Button2Click);
  connect(button3_, &QPushButton::clicked, this, &TForm2::Button3Click);
  connect(button6_, &QPushButton::clicked, this, &TForm2::Button6Click);
  connect(songsButton_, &QPushButton::clicked, this, &TForm2::SongsButtonClick);
  for (TColourSwatch* panel : {panel3_, panel4_, panel5_}) {
    connect(panel, &TColourSwatch::clicked, this, [this, panel] { PanelClick(panel); });
  }
  connect(spinEdit1_, &QSpinBox::valueChanged, this, &TForm2::UpdateSizeNote);
  connect(spinEdit2_, &QSpinBox::valueChanged, this, &TForm2::UpdateSizeNote);
  connect(edit3_, &QLineEdit::textChanged, this, &TForm2::UpdateSizeNote);
  for (const LanguageItem& item : kLanguages)
    language_->addItem(item.name ? QString::fromUtf8(item.name) : tr("As the system"),
                       QString::fromLatin1(item.stored));
  // A language takes effect only when every window is made anew.
  connect(language_, &QComboBox::activated, this, [this] { dialogs_.ShowMessage(RestartText()); });
}

QString TForm2::RestartText() { return tr("This change takes effect after the program is restarted"); }

void TForm2::UpdateSizeNote() {
  const int used = PageFontHeight(Utf8ToCp1251(edit3_->text().toStdString()), spinEdit2_->value(),
                                  spinEdit1_->value());
  sizeNote_->setText(used == spinEdit2_->value()
                         ? QString()
                         : tr("The size used will be %1").arg(used));
}

TForm2::~TForm2() = default;

void TForm2::AddPortName(const QString& name) { comboBox1_->addItem(name); }

void TForm2::showEvent(QShowEvent* event) {
  // A window brought back by the desktop keeps what the user has done so far.
  if (!event->spontaneous()) {
    // Only an Ok of this showing may store.
    accepted_ = false;
    FillControls();
  }
  QDialog::showEvent(event);
}

void TForm2::FillControls() {
  edit1_->setText(PathText(settings_.DiscFolder()));
  songsEdit_->setText(PathText(settings_.SongsFolder()));
  edit2_->setText(PathText(settings_.VideoFile()));
  edit3_->setText(QString::fromUtf8(Cp1251ToUtf8(values_.FontName())));
  spinEdit2_->setValue(values_.FontHeight());
  panel3_->SetColour(values_.FontColor1());
  panel4_->SetColour(values_.FontColor2());
  panel5_->SetColour(values_.FontShadow());
  spinEdit1_->setValue(values_.StringsCount());
  comboBox1_->setEditText(tr("Default port"));
  edit5_->setText(PathText(settings_.SoundFont()));
  lyricOffset_->setValue(settings_.LyricOffsetMs());
  songMemory_->setChecked(settings_.SongMemory());
  remote_->setChecked(TPartySettings(settings_.FileName()).RemoteOn());
  const int language = language_->findData(QString::fromStdString(settings_.Language()));
  language_->setCurrentIndex(language < 0 ? 0 : language);
}

void TForm2::done(int result) {
  if (accepted_) {
    const QStringList failures = StoreValues();
    if (!failures.isEmpty()) dialogs_.ShowMessage(failures.join(QLatin1Char('\n')));
  }
  QDialog::done(result);
}

namespace {

void NoteFailure(QStringList& failures, const Error& e) {
  const QString text = Translated(e);
  if (!failures.contains(text)) failures << text;
}

}  // namespace

void TForm2::StoreNumber(QStringList& failures, const char* section, const char* key, int value,
                         void (SettingsValues::*set)(int)) {
  try {
    settings_.Ini().WriteInteger(section, key, value);
    (values_.*set)(value);
  } catch (const Error& e) {
    NoteFailure(failures, e);
  }
}

QStringList TForm2::StoreValues() {
  QStringList failures;
  // Each key on its own: one that cannot be written neither stops the others
  // nor changes its value in memory, so memory and file stay alike.
  const auto store = [&](auto&& write, auto&& remember) {
    try {
      write();
      remember();
    } catch (const Error& e) {
      NoteFailure(failures, e);
    }
  };
  // A member function, not a lambda: GCC's vptr check misreads a call
  // through a member pointer made in a lambda.
  const auto number = [&](const char* section, const char* key, int value, void (SettingsValues::*set)(int)) {
    StoreNumber(failures, section, key, value, set);
  };
  const std::string film = PathOf(edit2_);
  const std::string fontName = Utf8ToCp1251(edit3_->text().toStdString());

  store([&] { settings_.SetDiscFolder(PathOf(edit1_)); }, [] {});
  // The main window rescans the library when this has changed. A file that
  // never had a library keeps the keys it had.
  if (!songsEdit_->text().isEmpty() || !settings_.SongsFolder().empty())
    store([&] { settings_.SetSongsFolder(PathOf(songsEdit_)); }, [] {});
  store([&] { settings_.SetVideoFile(film); }, [&] { values_.SetVideoFileName(film); });
  store([&] { settings_.Ini().WriteString(keys::kFont, keys::kFontName, fontName); },
        [&] { values_.SetFontName(fontName); });
  number(keys::kFont, keys::kFontHeight, spinEdit2_->value(), &SettingsValues::SetFontHeight);
  number(keys::kFont, keys::kFontColor1, panel3_->Colour(), &SettingsValues::SetFontColor1);
  number(keys::kFont, keys::kFontColor2, panel4_->Colour(), &SettingsValues::SetFontColor2);
  number(keys::kFont, keys::kFontShadow, panel5_->Colour(), &SettingsValues::SetFontShadow);
  number(keys::kStrings, keys::kStringsCount, spinEdit1_->value(), &SettingsValues::SetStringsCount);
  // Read by the synthesizer at the next start.
  store([&] { settings_.SetSoundFont(PathOf(edit5_)); }, [] {});
  // The main window hands it to the lyric clock at once. A file that never
  // had an offset gets none written for 0.
  if (lyricOffset_->value() != 0 || settings_.LyricOffsetMs() != 0)
    store([&] { settings_.SetLyricOffsetMs(lyricOffset_->value()); }, [] {});
  // The same for the key and tempo per song, which are off by default.
  if (songMemory_->isChecked() || settings_.SongMemory())
    store([&] { settings_.SetSongMemory(songMemory_->isChecked()); }, [] {});
  // The main window starts or stops the remote when this has changed.
  TPartySettings party(settings_.FileName());
  if (remote_->isChecked() != party.RemoteOn()) store([&] { party.SetRemoteOn(remote_->isChecked()); }, [] {});
  // Read at the next start; a file that never chose keeps following the desktop.
  const std::string language = language_->currentData().toString().toStdString();
  if (!language.empty() || !settings_.Language().empty()) store([&] { settings_.SetLanguage(language); }, [] {});
  return failures;
}

void TForm2::Button1Click() {
  const auto folder = dialogs_.ChooseFolder(tr("Give the path to the karaoke disc files (version 3)"));
  if (!folder) return;
  edit1_->setText(folder->endsWith(QLatin1Char('/')) ? *folder : *folder + QLatin1Char('/'));
  dialogs_.ShowMessage(RestartText());
}

void TForm2::SongsButtonClick() {
  const auto folder = dialogs_.ChooseFolder(tr("Choose the folder of songs (.kar and .mid files)"));
  if (!folder) return;
  // Scanned as soon as Ok stores it: no restart needed.
  songsEdit_->setText(folder->endsWith(QLatin1Char('/')) ? *folder : *folder + QLatin1Char('/'));
}

void TForm2::Button2Click() {
  // The disc's own film lies in the disc folder.
  const auto file = dialogs_.ChooseFile(QCoreApplication::translate(kFilmChoiceContext, kFilmChooserTitle),
                                        QtFileFilter(QCoreApplication::translate(kFilmChoiceContext, kFilmChooserFilter)),
                                        edit1_->text());
  if (!file) return;
  edit2_->setText(*file);
  dialogs_.ShowMessage(RestartText());
}

void TForm2::Button3Click() {
  const auto file =
      dialogs_.ChooseFile(tr("Choose a SoundFont file"),
                          QtFileFilter(tr("SoundFont (*.sf2, *.sf3)|*.SF2;*.SF3|All Files (*.*)|*.*")),
                          QFileInfo(edit5_->text()).path());
  if (!file) return;
  edit5_->setText(*file);
  dialogs_.ShowMessage(RestartText());
}

void TForm2::Button6Click() {
  QFont current(edit3_->text());
  current.setPointSizeF(FontPointSize(spinEdit2_->value(), logicalDpiY()));
  const auto font = dialogs_.ChooseFont(current);
  if (!font) return;
  edit3_->setText(font->family());
  // A size the user left alone keeps its pixels, free of rounding through points.
  if (!SameFontSize(*font, current)) spinEdit2_->setValue(FontPixelHeight(*font, logicalDpiY()));
}

void TForm2::PanelClick(TColourSwatch* panel) {
  const auto colour = dialogs_.ChooseColour(ColourOf(panel->Colour()));
  if (colour) panel->SetColour(ColorrefOf(*colour));
}

}  // namespace lyrova
