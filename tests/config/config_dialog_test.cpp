#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "catalog/cp1251.h"
#include "config/colour_swatch.h"
#include "config/config_dialog.h"
#include "config/config_dialogs.h"
#include "config/file_filter.h"
#include "config/font_pixels.h"
#include "tests/support/temp_dir.h"

namespace lyrova {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

// Answers the dialog's choosers as a test tells it and remembers what it was asked.
class FakeDialogs : public TConfigDialogs {
 public:
  std::optional<QString> ChooseFolder(const QString& title) override {
    titles << title;
    return folder;
  }
  std::optional<QString> ChooseFile(const QString& title, const QString& filter, const QString& folder) override {
    titles << title;
    filters << filter;
    folders << folder;
    return file;
  }
  std::optional<QFont> ChooseFont(const QFont& current) override {
    currentFonts << current;
    return font ? font : std::optional<QFont>(current);
  }
  std::optional<QColor> ChooseColour(const QColor& initial) override {
    initials << initial;
    return colour;
  }
  void ShowMessage(const QString& text) override { messages << text; }

  std::optional<QString> folder, file;
  std::optional<QFont> font;
  std::optional<QColor> colour;
  QStringList titles, filters, folders, messages;
  QList<QFont> currentFonts;
  QList<QColor> initials;
};

const QString kRestart = QString::fromUtf8("Это изменеие вступит в силу после перезапуска программы");

}  // namespace

class ConfigDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir_;
  std::string path_;
  std::unique_ptr<SettingsValues> values_;
  FakeDialogs dialogs_;
  std::unique_ptr<TForm2> form_;

  TForm2& Form() {
    if (!form_) form_ = std::make_unique<TForm2>(TSettingsFile(path_, "/opt/lyrova/"), *values_, &dialogs_);
    return *form_;
  }
  // Shows the dialog as the configuration button does.
  TForm2& Shown() {
    Form().show();
    return Form();
  }
  void ChangeEverything() {
    TForm2& f = Form();
    f.Edit1()->setText("/elsewhere/");
    f.Edit2()->setText("/elsewhere/film.avi");
    f.Edit3()->setText("Courier");
    f.Edit5()->setText("/elsewhere/bank.sf2");
    f.SpinEdit1()->setValue(2);
    f.SpinEdit2()->setValue(33);
    f.Panel3()->SetColour(1);
    f.Panel4()->SetColour(2);
    f.Panel5()->SetColour(3);
  }
  static const char* StoredText() {
    return "[Paths]\r\nrMidiPath=/disc/\r\nVideoFile=/disc/rmoving.img\r\n"
           "[Font]\r\nName=Arial\r\nHeight=72\r\nColor1=16711680\r\nColor2=16777215\r\nShadow=0\r\n"
           "[Strings]\r\nCount=4\r\n[Sound]\r\nSoundFont=\r\n";
  }

 private slots:
  void init() {
    dir_ = std::make_unique<TempDir>();
    path_ = dir_->File("lyrova.ini");
    values_ = std::make_unique<SettingsValues>();
    dialogs_ = FakeDialogs();
  }
  void cleanup() { form_.reset(); }

  void showRefillsPathsFromFileAndTheRestFromMemory() {
    WriteFile(path_, Utf8ToCp1251("[Paths]\r\nrMidiPath=/песни/\r\nVideoFile=/v/фон.mpg\r\n"
                                  "[Sound]\r\nSoundFont=/sf/bank.sf3\r\n[Font]\r\nName=FromFile\r\n"));
    values_->SetFontName(Utf8ToCp1251("Таймс"));
    values_->SetFontHeight(48);
    values_->SetFontColor1(0x0000FF);
    values_->SetFontColor2(0x00FF00);
    values_->SetFontShadow(0x123456);
    values_->SetStringsCount(5);
    Form().AddPortName("Synth A");
    Form().AddPortName("Synth B");
    Form().ComboBox1()->setCurrentIndex(1);
    TForm2& f = Shown();
    QCOMPARE(f.Edit1()->text(), QString::fromUtf8("/песни/"));
    QCOMPARE(f.Edit2()->text(), QString::fromUtf8("/v/фон.mpg"));
    QCOMPARE(f.Edit5()->text(), QString("/sf/bank.sf3"));
    QCOMPARE(f.Edit3()->text(), QString::fromUtf8("Таймс"));
    QCOMPARE(f.SpinEdit2()->value(), 48);
    QCOMPARE(f.Panel3()->Colour(), 0x0000FF);
    QCOMPARE(f.Panel4()->Colour(), 0x00FF00);
    QCOMPARE(f.Panel5()->Colour(), 0x123456);
    QCOMPARE(f.SpinEdit1()->value(), 5);
    // The port list keeps its names; only its text is reset.
    QCOMPARE(f.ComboBox1()->count(), 2);
    QCOMPARE(f.ComboBox1()->currentText(), QString("Default port"));
  }

  void missingPathsShowTheProgramFolder() {
    TForm2& f = Shown();
    QCOMPARE(f.Edit1()->text(), QString("/opt/lyrova/"));
    QCOMPARE(f.Edit2()->text(), QString("/opt/lyrova"));
    QCOMPARE(f.Edit5()->text(), QString());
  }

  void storedNumbersOutOfRangeShowAsTheNearestBound_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("height");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("pixels");
    QTest::newRow("count 9") << "9" << "72" << 6 << 72;
    QTest::newRow("count 0") << "0" << "72" << 2 << 72;
    QTest::newRow("count -1") << "-1" << "72" << 2 << 72;
    QTest::newRow("height 500") << "4" << "500" << 4 << 120;
    QTest::newRow("height 5") << "4" << "5" << 4 << 20;
  }
  void storedNumbersOutOfRangeShowAsTheNearestBound() {
    QFETCH(QString, count);
    QFETCH(QString, height);
    QFETCH(int, lines);
    QFETCH(int, pixels);
    WriteFile(path_, "[Font]\r\nHeight=" + height.toStdString() + "\r\n[Strings]\r\nCount=" + count.toStdString() +
                         "\r\n");
    TIniFile ini(path_);
    QVERIFY(!ReadLookSettings(ini, *values_));
    TForm2& f = Shown();
    QCOMPARE(f.SpinEdit1()->value(), lines);
    QCOMPARE(f.SpinEdit2()->value(), pixels);
    QTest::mouseClick(f.OkButton(), Qt::LeftButton);
    QCOMPARE(ini.ReadInteger("Strings", "Count", 0), lines);
    QCOMPARE(ini.ReadInteger("Font", "Height", 0), pixels);
  }

  void okRewritesEveryKeyInOrder() {
    values_->SetVideoFileName("/old.mpg");
    TForm2& f = Shown();
    f.Edit1()->setText("/disc/");
    f.Edit2()->setText("/disc/rmoving.img");
    QTest::mouseClick(f.OkButton(), Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QVERIFY(f.Accepted());
    // Written into an empty file, the keys stand in the order they were written.
    QCOMPARE(QString::fromStdString(ReadFile(path_)), QString(StoredText()));
    QCOMPARE(QString::fromStdString(values_->VideoFileName()), QString("/disc/rmoving.img"));
  }

  void okStoresTheChangedValuesInFileAndMemory() {
    WriteFile(path_, "; mine\r\n[Strings]\r\nCount=3\r\n[Font]\r\nColor2=255\r\nName=Arial\r\n");
    Shown();
    ChangeEverything();
    QTest::mouseClick(Form().OkButton(), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(ReadFile(path_)),
             QString("; mine\r\n[Strings]\r\nCount=2\r\n[Font]\r\nColor2=2\r\nName=Courier\r\nHeight=33\r\n"
                     "Color1=1\r\nShadow=3\r\n[Paths]\r\nrMidiPath=/elsewhere/\r\nVideoFile=/elsewhere/film.avi\r\n"
                     "[Sound]\r\nSoundFont=/elsewhere/bank.sf2\r\n"));
    QCOMPARE(QString::fromStdString(values_->FontName()), QString("Courier"));
    QCOMPARE((std::array{values_->FontHeight(), values_->FontColor1(), values_->FontColor2(), values_->FontShadow(),
                         values_->StringsCount()}),
             (std::array{33, 1, 2, 3, 2}));
    QCOMPARE(QString::fromStdString(values_->VideoFileName()), QString("/elsewhere/film.avi"));
  }

  void closingWithoutOkStoresNothing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Отмена") << "cancel";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape") << "escape";
  }
  void closingWithoutOkStoresNothing() {
    QFETCH(QString, how);
    // An earlier Ok in the same run must not carry over to this showing.
    TForm2& f = Shown();
    f.Edit1()->setText("/disc/");
    f.Edit2()->setText("/disc/rmoving.img");
    QTest::mouseClick(f.OkButton(), Qt::LeftButton);
    const std::string stored = ReadFile(path_);

    Shown();
    ChangeEverything();
    if (how == "cancel") QTest::mouseClick(f.CancelButton(), Qt::LeftButton);
    if (how == "close") f.close();
    if (how == "escape") QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
    QVERIFY(!f.Accepted());
    QCOMPARE(QString::fromStdString(ReadFile(path_)), QString::fromStdString(stored));
    QCOMPARE(QString::fromStdString(values_->FontName()), QString("Arial"));
    QCOMPARE(values_->StringsCount(), 4);
    QCOMPARE(QString::fromStdString(values_->VideoFileName()), QString("/disc/rmoving.img"));

    // The next showing shows what is stored, not what was discarded.
    Shown();
    QCOMPARE(f.Edit1()->text(), QString("/disc/"));
    QCOMPARE(f.Edit3()->text(), QString("Arial"));
    QCOMPARE(f.SpinEdit1()->value(), 4);
    QCOMPARE(f.Panel3()->Colour(), 16711680);
  }

  void folderChooserAddsSeparatorAndAsksForRestart() {
    TForm2& f = Shown();
    dialogs_.folder = "/media/Songs";
    QTest::mouseClick(f.Button1(), Qt::LeftButton);
    QCOMPARE(dialogs_.titles, QStringList{QString::fromUtf8("Укажите путь к файлам с диска Караоке (версия 3)")});
    QCOMPARE(f.Edit1()->text(), QString("/media/Songs/"));
    QCOMPARE(dialogs_.messages, QStringList{kRestart});
    // Отмена afterwards discards the folder.
    QTest::mouseClick(f.CancelButton(), Qt::LeftButton);
    QCOMPARE(TSettingsFile(path_, "/opt/lyrova/").DiscFolder(), std::string("/opt/lyrova/"));

    Shown();
    dialogs_.folder = "/";
    QTest::mouseClick(f.Button1(), Qt::LeftButton);
    QCOMPARE(f.Edit1()->text(), QString("/"));
  }

  void cancelledChoosersChangeNothingAndSayNothing() {
    TForm2& f = Shown();
    const QString folder = f.Edit1()->text(), film = f.Edit2()->text(), font = f.Edit3()->text();
    for (QPushButton* button : {f.Button1(), f.Button2(), f.Button3(), f.Button6()}) {
      QTest::mouseClick(button, Qt::LeftButton);
    }
    QTest::mouseClick(f.Panel3(), Qt::LeftButton);
    QCOMPARE(f.Edit1()->text(), folder);
    QCOMPARE(f.Edit2()->text(), film);
    QCOMPARE(f.Edit3()->text(), font);
    QCOMPARE(f.Edit5()->text(), QString());
    QCOMPARE(f.SpinEdit2()->value(), 72);
    QCOMPARE(f.Panel3()->Colour(), 16711680);
    QCOMPARE(dialogs_.messages, QStringList());
  }

  void filmAndSoundFontChoosersFillTheirFields() {
    TForm2& f = Shown();
    dialogs_.file = QString::fromUtf8("/видео/rmoving.img");
    QTest::mouseClick(f.Button2(), Qt::LeftButton);
    QCOMPARE(f.Edit2()->text(), QString::fromUtf8("/видео/rmoving.img"));
    QCOMPARE(dialogs_.titles.last(), QString::fromUtf8("Выберите видеофайл для проигрывания в качестве фона"));
    QCOMPARE(dialogs_.filters.last(),
             QString::fromUtf8("Ostrel караоке видео (rmoving.img) ([rR][mM][oO][vV][iI][nN][gG].[iI][mM][gG]);;"
                               "Avi files (*.avi) (*.[aA][vV][iI]);;Mpeg files (*.mpg) (*.[mM][pP][gG]);;"
                               "Все Файлы (*.*) (*)"));
    // The disc's film lies in the disc folder.
    QCOMPARE(dialogs_.folders.last(), f.Edit1()->text());
    dialogs_.file = "/sf/bank.sf2";
    QTest::mouseClick(f.Button3(), Qt::LeftButton);
    QCOMPARE(f.Edit5()->text(), QString("/sf/bank.sf2"));
    QCOMPARE(dialogs_.filters.last(),
             QString::fromUtf8("SoundFont (*.sf2, *.sf3) (*.[sS][fF]2 *.[sS][fF]3);;Все Файлы (*.*) (*)"));
    QCOMPARE(dialogs_.messages, (QStringList{kRestart, kRestart}));
    QTest::mouseClick(f.OkButton(), Qt::LeftButton);
    QCOMPARE(TSettingsFile(path_, "/").SoundFont(), std::string("/sf/bank.sf2"));
  }

  void fontChooserSetsFaceAndPixelHeight() {
    TForm2& f = Shown();
    QFont font("Liberation Serif");
    font.setPixelSize(50);
    dialogs_.font = font;
    QTest::mouseClick(f.Button6(), Qt::LeftButton);
    QCOMPARE(f.Edit3()->text(), QString("Liberation Serif"));
    QCOMPARE(f.SpinEdit2()->value(), 50);
    QCOMPARE(dialogs_.messages, QStringList());
  }

  void fontChooserOpensOnTheCurrentFontAndKeepsAnUnchangedSize_data() {
    QTest::addColumn<int>("pixels");
    QTest::newRow("40 px") << 40;
    QTest::newRow("33 px, not a whole point") << 33;
    QTest::newRow("120 px") << 120;
  }
  void fontChooserOpensOnTheCurrentFontAndKeepsAnUnchangedSize() {
    QFETCH(int, pixels);
    values_->SetFontHeight(pixels);
    TForm2& f = Shown();
    f.Edit3()->setText("Liberation Serif");
    // The user picks another face and leaves the size as the dialog showed it.
    QTest::mouseClick(f.Button6(), Qt::LeftButton);
    QCOMPARE(dialogs_.currentFonts.size(), 1);
    QCOMPARE(dialogs_.currentFonts[0].family(), QString("Liberation Serif"));
    QCOMPARE(FontPixelHeight(dialogs_.currentFonts[0], f.logicalDpiY()), pixels);
    QFont other("Liberation Mono");
    other.setPointSize(static_cast<int>(std::lround(dialogs_.currentFonts[0].pointSizeF())));
    dialogs_.font = other;
    QTest::mouseClick(f.Button6(), Qt::LeftButton);
    QCOMPARE(f.Edit3()->text(), QString("Liberation Mono"));
    QCOMPARE(f.SpinEdit2()->value(), pixels);
  }

  void pointSizesBecomeClampedPixels_data() {
    QTest::addColumn<double>("points");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("48 pt at 96 dpi") << 48.0 << 96.0 << 64;
    QTest::newRow("100 pt at 96 dpi") << 100.0 << 96.0 << 120;
    QTest::newRow("8 pt at 96 dpi") << 8.0 << 96.0 << 20;
    QTest::newRow("36 pt at 120 dpi") << 36.0 << 120.0 << 60;
    QTest::newRow("20.5 pt at 96 dpi") << 20.5 << 96.0 << 27;
  }
  void pointSizesBecomeClampedPixels() {
    QFETCH(double, points);
    QFETCH(double, dpi);
    QFETCH(int, pixels);
    QFont font("Liberation Sans");
    font.setPointSizeF(points);
    QCOMPARE(FontPixelHeight(font, dpi), pixels);
  }

  void swatchOpensColourDialogWithItsColour() {
    values_->SetFontColor2(0x00FF8040);
    TForm2& f = Shown();
    dialogs_.colour = QColor(1, 2, 3);
    QTest::mouseClick(f.Panel4(), Qt::LeftButton);
    QCOMPARE(dialogs_.initials, QList<QColor>{QColor(0x40, 0x80, 0xFF)});
    QCOMPARE(f.Panel4()->Colour(), 0x030201);
    QCOMPARE(f.Panel3()->Colour(), 16711680);
    // A hand-edited colour with its top byte set comes back unchanged when untouched.
    values_->SetFontShadow(-1);
    QTest::mouseClick(f.CancelButton(), Qt::LeftButton);
    Shown();
    QTest::mouseClick(f.OkButton(), Qt::LeftButton);
    QCOMPARE(TIniFile(path_).ReadInteger("Font", "Shadow", 0), -1);
  }

  void typedNumbersSettleOnLeavingTheBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("lines");
    QTest::newRow("in range") << "5" << 5;
    QTest::newRow("above") << "200" << 6;
    QTest::newRow("below") << "-5" << 2;
    QTest::newRow("not a number") << "abc" << 2;
    QTest::newRow("empty") << "" << 2;
  }
  void typedNumbersSettleOnLeavingTheBox() {
    QFETCH(QString, typed);
    QFETCH(int, lines);
    TForm2& f = Shown();
    auto* edit = f.SpinEdit1()->findChild<QLineEdit*>();
    QVERIFY(edit);
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed);
    f.SpinEdit1()->interpretText();
    QCOMPARE(f.SpinEdit1()->value(), lines);
  }

  void failedStoreIsReportedNamingTheFile() {
    WriteFile(dir_->File("plain"), "");
    path_ = dir_->File("plain") + "/lyrova.ini";
    TForm2& f = Shown();
    QTest::mouseClick(f.OkButton(), Qt::LeftButton);
    QVERIFY(!f.isVisible());
    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY2(dialogs_.messages[0].contains(QString::fromStdString(path_)), qPrintable(dialogs_.messages[0]));
  }

  void filterPatternsMatchEveryLetterCase_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("name");
    QTest::newRow("SONGS.LPL") << "Lyrova playlist files (*.lpl)|*.LPL" << "SONGS.LPL";
    QTest::newRow("songs.lpl") << "Lyrova playlist files (*.lpl)|*.LPL" << "songs.lpl";
    QTest::newRow("Songs.Lpl") << "Lyrova playlist files (*.lpl)|*.LPL" << "Songs.Lpl";
    QTest::newRow("rmoving.img") << "Ostrel (rmoving.img)|RMOVING.IMG" << "rmoving.img";
    QTest::newRow("RMOVING.IMG") << "Ostrel (rmoving.img)|RMOVING.IMG" << "RMOVING.IMG";
  }
  void filterPatternsMatchEveryLetterCase() {
    QFETCH(QString, filter);
    QFETCH(QString, name);
    const QString qt = QtFileFilter(filter);
    const QString patterns = qt.mid(qt.lastIndexOf('(') + 1).chopped(1);
    // Matched case-sensitively, as file dialogs on Linux match names.
    QVERIFY(QRegularExpression::fromWildcard(patterns, Qt::CaseSensitive).match(name).hasMatch());
    QVERIFY(!QRegularExpression::fromWildcard(patterns, Qt::CaseSensitive).match(name + "x").hasMatch());
  }

  // A save dialog gives a bare name the extension of the type chosen.
  void filterSuffixIsTheExtensionTheFilterNames() {
    const QStringList filters = QtFileFilter(QStringLiteral("Звук WAV|*.wav|Звук FLAC|*.FLAC|Все|*.*")).split(";;");
    QCOMPARE(filters.size(), 3);
    QCOMPARE(FilterSuffix(filters[0]), QStringLiteral("wav"));
    QCOMPARE(FilterSuffix(filters[1]), QStringLiteral("flac"));
    QCOMPARE(FilterSuffix(filters[2]), QString());
  }

  // The type chosen in a save dialog decides the extension of a bare name,
  // for every type; a name that ends in one of the types' keeps it.
  void nameForFilter_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("saved");
    QTest::newRow("bare, WAV") << "/m/song" << 0 << "/m/song.wav";
    QTest::newRow("bare, FLAC") << "/m/song" << 1 << "/m/song.flac";
    QTest::newRow("bare, any file") << "/m/song" << 2 << "/m/song.mp4";
    QTest::newRow("a dot in the name") << "/m/Song 1.5" << 1 << "/m/Song 1.5.flac";
    QTest::newRow("a dot in the folder") << "/m.d/song" << 1 << "/m.d/song.flac";
    QTest::newRow("own extension, other type") << "/m/song.WAV" << 1 << "/m/song.WAV";
    QTest::newRow("own extension, any file") << "/m/song.flac" << 2 << "/m/song.flac";
    QTest::newRow("a dot, any file") << "/m/song.x" << 2 << "/m/song.x";
    QTest::newRow("hidden name") << "/m/.song" << 0 << "/m/.song.wav";
  }
  void nameForFilter() {
    QFETCH(QString, typed);
    QFETCH(int, chosen);
    QFETCH(QString, saved);
    const QStringList filters = QtFileFilter(QStringLiteral("Звук WAV|*.wav|Звук FLAC|*.FLAC|Все|*.*")).split(";;");
    QCOMPARE(NameForFilter(typed, filters, chosen, QStringLiteral("mp4")), saved);
  }

  void sayWhichSizeTheLinesGetWhenTheyWouldOverlap() {
    WriteFile(path_, "[Paths]\r\nrMidiPath=/media/karaoke/\r\nSongsFolder=/media/karaoke/songs/\r\n"
                     "VideoFile=/media/karaoke/rmoving.img\r\n");
    values_->SetFontName("Arial");
    values_->SetFontHeight(72);
    values_->SetStringsCount(4);
    TForm2& f = Shown();
    QVERIFY(f.SizeNote()->text().isEmpty());
    f.SpinEdit1()->setValue(6);
    QCOMPARE(f.SizeNote()->text(), QString::fromUtf8("Будет использован размер 51"));
    // With LYROVA_SCREENSHOT_DIR set, the dialog as the user sees it here.
    if (const QByteArray dir = qgetenv("LYROVA_SCREENSHOT_DIR"); !dir.isEmpty())
      QVERIFY(f.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath("config-dialog.png")));
    f.SpinEdit2()->setValue(40);
    QVERIFY(f.SizeNote()->text().isEmpty());
  }

  void songsFolderIsChosenAndStoredWithOk() {
    TForm2& f = Shown();
    QCOMPARE(f.SongsEdit()->text(), QString());
    dialogs_.folder = QString::fromUtf8("/home/me/Песни");
    QTest::mouseClick(f.SongsButton(), Qt::LeftButton);
    QCOMPARE(f.SongsEdit()->text(), QString::fromUtf8("/home/me/Песни/"));
    // Read at once by the main window: no restart is asked for.
    QCOMPARE(dialogs_.messages, QStringList());
    QTest::mouseClick(f.OkButton(), Qt::LeftButton);
    QCOMPARE(TSettingsFile(path_, "/opt/lyrova/").SongsFolder(), std::string("/home/me/Песни/"));
    Shown();
    QCOMPARE(f.SongsEdit()->text(), QString::fromUtf8("/home/me/Песни/"));
  }

  void lyricOffsetStepsByTenAndIsStoredWithOkOnly() {
    TForm2& f = Shown();
    QCOMPARE(f.LyricOffset()->value(), 0);
    QCOMPARE(f.LyricOffset()->minimum(), -500);
    QCOMPARE(f.LyricOffset()->maximum(), 500);
    f.LyricOffset()->stepBy(3);
    QCOMPARE(f.LyricOffset()->value(), 30);
    QTest::mouseClick(f.CancelButton(), Qt::LeftButton);
    QCOMPARE(TSettingsFile(path_, "/opt/lyrova/").LyricOffsetMs(), 0);
    Shown();
    QCOMPARE(f.LyricOffset()->value(), 0);
    f.LyricOffset()->setValue(-120);
    QTest::mouseClick(f.OkButton(), Qt::LeftButton);
    QCOMPARE(TSettingsFile(path_, "/opt/lyrova/").LyricOffsetMs(), -120);
    Shown();
    QCOMPARE(f.LyricOffset()->value(), -120);
    // Back to none: the key says 0 rather than keeping the old offset.
    f.LyricOffset()->setValue(0);
    QTest::mouseClick(f.OkButton(), Qt::LeftButton);
    QCOMPARE(TSettingsFile(path_, "/opt/lyrova/").Ini().ReadString("Sound", "LyricOffsetMs", "x"), std::string("0"));
  }

  void keyAndTempoPerSongIsOffUntilTickedAndOk() {
    TForm2& f = Shown();
    QVERIFY(!f.SongMemory()->isChecked());
    QTest::mouseClick(f.OkButton(), Qt::LeftButton);
    QVERIFY(!TSettingsFile(path_, "/opt/lyrova/").Ini().ValueExists("Sound", "KeyAndTempoPerSong"));
    Shown();
    f.SongMemory()->setChecked(true);
    QTest::mouseClick(f.OkButton(), Qt::LeftButton);
    QVERIFY(TSettingsFile(path_, "/opt/lyrova/").SongMemory());
    Shown();
    QVERIFY(f.SongMemory()->isChecked());
    f.SongMemory()->setChecked(false);
    QTest::mouseClick(f.OkButton(), Qt::LeftButton);
    QVERIFY(!TSettingsFile(path_, "/opt/lyrova/").SongMemory());
  }

  void aFilmNamedBeyondTheCodePageIsStoredWithEverythingElse() {
    // "é" has no CP1251 byte: the path must still reach the file whole, and
    // the look after it must not be lost.
    const std::string film = "/films/Caf\xC3\xA9 du matin.mpg";
    Shown();
    ChangeEverything();
    Form().Edit2()->setText(QString::fromStdString(film));
    QTest::mouseClick(Form().OkButton(), Qt::LeftButton);
    QCOMPARE(dialogs_.messages, QStringList());
    const TSettingsFile stored(path_, "/opt/lyrova/");
    QCOMPARE(stored.VideoFile(), film);
    QCOMPARE(values_->VideoFileName(), film);
    QCOMPARE(QString::fromStdString(values_->FontName()), QString("Courier"));
    QCOMPARE(values_->StringsCount(), 2);
    QCOMPARE(TIniFile(path_).ReadString("Font", "Name", ""), std::string("Courier"));
    Shown();
    QCOMPARE(Form().Edit2()->text().toStdString(), film);
  }
};

}  // namespace lyrova

QTEST_MAIN(lyrova::ConfigDialogTest)
#include "config_dialog_test.moc"
