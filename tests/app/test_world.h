#pragma once
// A program folder, a disc folder and a settings file in a temporary folder,
// and the main window started on them with scripted dialogs.

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "app/window/main_window.h"
#include "tests/app/scripted_dialogs.h"

namespace lyrova::test {

inline constexpr qint64 kImageSize = 111'945'728;
inline constexpr quint16 kVersionMark = 59966;

class TTestWorld {
 public:
  // The user's configuration and cache folders are moved into the world for its lifetime.
  TTestWorld();
  ~TTestWorld();
  TTestWorld(const TTestWorld&) = delete;
  TTestWorld& operator=(const TTestWorld&) = delete;

  QString ProgramDir() const { return root_.filePath("bin"); }
  QString DiscDir() const { return root_.filePath("disc"); }
  QString CurrentDir() const { return root_.filePath("cwd"); }
  QString CacheDir() const { return root_.filePath("cache"); }
  std::string ProgramPath() const;
  // The per-user settings file, which a program outside the build folder uses.
  std::string SettingsPath() const;

  // A sparse song image of `size` bytes ending with `mark`, beginning with
  // `blocks` (TTestCatalog::Blocks, or a disc of its own).
  static void WriteImage(const QString& folder, qint64 size, quint16 mark,
                         const std::vector<std::uint8_t>& blocks = {});
  void WriteSetting(const char* section, const char* key, const std::string& value);
  bool HasSetting(const char* section, const char* key) const;
  std::string ReadSetting(const char* section, const char* key) const;
  // The demo disc's film, which the build writes.
  static QString FilmPath();

  // The main window on this world; `resources` must outlive it.
  std::unique_ptr<TForm1> MakeForm(TScriptedDialogs& dialogs, const CatalogResources& resources,
                                   TAudioMode audio = TAudioMode::Silent);
  // Shows the window and waits until start-up has finished either way;
  // true when the program runs.
  static bool Start(TForm1& form, bool* ended = nullptr);

 private:
  QTemporaryDir root_;
  QByteArray oldConfigHome_;
  QByteArray oldCacheHome_;
  bool hadConfigHome_ = false;
  bool hadCacheHome_ = false;
};

}  // namespace lyrova::test
