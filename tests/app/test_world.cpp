#include "tests/app/test_world.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

#include "config/ini_file.h"
#include "config/settings_values.h"

namespace lyrova::test {

TTestWorld::TTestWorld() {
  if (!root_.isValid()) throw std::runtime_error("no temporary folder");
  QDir(root_.path()).mkpath("bin");
  QDir(root_.path()).mkpath("disc");
  QDir(root_.path()).mkpath("cwd");
  QDir(root_.path()).mkpath("config/lyrova");
  hadConfigHome_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  oldConfigHome_ = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(root_.filePath("config")));
  hadCacheHome_ = qEnvironmentVariableIsSet("XDG_CACHE_HOME");
  oldCacheHome_ = qgetenv("XDG_CACHE_HOME");
  qputenv("XDG_CACHE_HOME", QFile::encodeName(CacheDir()));
  // The current folder is where a refused image's next try looks: keep it empty.
  QDir::setCurrent(root_.filePath("cwd"));
  // The values in memory are the program's own: each world starts as a fresh program.
  SettingsValues& values = Settings();
  values.SetVideoFileName("");
  values.SetFontName(SettingsValues::kDefaultFontName);
  values.SetFontHeight(SettingsValues::kDefaultFontHeight);
  values.SetFontColor1(SettingsValues::kDefaultFontColor1);
  values.SetFontColor2(SettingsValues::kDefaultFontColor2);
  values.SetFontShadow(SettingsValues::kDefaultFontShadow);
  values.SetStringsCount(SettingsValues::kDefaultStringsCount);
}

TTestWorld::~TTestWorld() {
  if (hadConfigHome_)
    qputenv("XDG_CONFIG_HOME", oldConfigHome_);
  else
    qunsetenv("XDG_CONFIG_HOME");
  if (hadCacheHome_)
    qputenv("XDG_CACHE_HOME", oldCacheHome_);
  else
    qunsetenv("XDG_CACHE_HOME");
}

std::string TTestWorld::ProgramPath() const { return QFile::encodeName(ProgramDir() + "/lyrova").toStdString(); }

std::string TTestWorld::SettingsPath() const {
  return QFile::encodeName(root_.filePath("config/lyrova/lyrova.ini")).toStdString();
}

void TTestWorld::WriteImage(const QString& folder, qint64 size, quint16 mark,
                            const std::vector<std::uint8_t>& blocks) {
  QFile image(folder + "/rmidi.img");
  const auto length = static_cast<qint64>(blocks.size());
  if (!image.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      image.write(reinterpret_cast<const char*>(blocks.data()), length) != length || !image.resize(size) ||
      !image.seek(size - 2))
    throw std::runtime_error("cannot write the image");
  const char bytes[2] = {static_cast<char>(mark & 0xFF), static_cast<char>(mark >> 8)};
  image.write(bytes, 2);
}

void TTestWorld::WriteSetting(const char* section, const char* key, const std::string& value) {
  TIniFile(SettingsPath()).WriteString(section, key, value);
}

bool TTestWorld::HasSetting(const char* section, const char* key) const {
  return TIniFile(SettingsPath()).ValueExists(section, key);
}

std::string TTestWorld::ReadSetting(const char* section, const char* key) const {
  return TIniFile(SettingsPath()).ReadString(section, key, "<missing>");
}

QString TTestWorld::FilmPath() { return QStringLiteral(DEMO_FILM); }

std::unique_ptr<TForm1> TTestWorld::MakeForm(TScriptedDialogs& dialogs, const CatalogResources& resources,
                                             TAudioMode audio) {
  TForm1Setup setup;
  setup.dialogs = &dialogs;
  setup.programPath = ProgramPath();
  setup.catalog = resources;
  setup.audio = audio;
  return std::make_unique<TForm1>(setup);
}

bool TTestWorld::Start(TForm1& form, bool* ended) {
  QSignalSpy endedSpy(&form, &TForm1::programEnded);
  form.show();
  const bool finished = QTest::qWaitFor([&] { return form.Started() || endedSpy.count() > 0; }, 10000);
  if (ended) *ended = endedSpy.count() > 0;
  return finished && form.Started() && endedSpy.count() == 0;
}

}  // namespace lyrova::test
