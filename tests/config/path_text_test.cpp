#include "config/path_text.h"

#include <gtest/gtest.h>

#include "catalog/cp1251.h"
#include "config/ini_document.h"
#include "config/settings.h"
#include "tests/support/temp_dir.h"

namespace lyrova {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

TEST(PathTextTest, EveryPathReadsBackAsTheSameBytes) {
  const std::string paths[] = {
      "/films/a.mpg",
      "/home/анна/фон.mpg",
      "/films/Café Noël.mpg",       // letters CP1251 lacks
      "/films/电影.mpg",
      "/films/\xE9t\xE9.avi",        // Latin-1 bytes, not UTF-8
      "/films/100%.avi",
      "/films/two\nlines\r.avi",    // line ends cannot stand in an INI line as they are
      "\xEF\xBB\xBF/looks/marked",  // CP1251 text that starts like the mark
      "/songs/Singer - Song ",     // blanks at the ends and quotes round it,
      " songs/\t",                 // which an INI line's reading drops
      "\"quoted\"",
      "'/songs/café'",
      "",
  };
  // Through a whole file, as settings and playlists store them.
  for (const std::string& path : paths) {
    IniDocument doc;
    doc.Set("Files", "0", StoredPathText(path));
    const IniDocument read = IniDocument::Parse(doc.Serialize());
    const std::string* stored = read.Find("Files", "0");
    ASSERT_NE(stored, nullptr) << path;
    EXPECT_EQ(PathFromStoredText(*stored), path) << path;
  }
}

TEST(PathTextTest, PathsCp1251CanSpellStayCp1251) {
  EXPECT_EQ(StoredPathText("/home/анна/фон.mpg"), Utf8ToCp1251("/home/анна/фон.mpg"));
  EXPECT_EQ(PathFromStoredText(Utf8ToCp1251("/диск/")), "/диск/");
  EXPECT_EQ(StoredPathText("/films/Café.mpg"), "\xEF\xBB\xBF/films/Café.mpg");
}

TEST(PathTextTest, SettingsKeepAFilmWhosePathCp1251CannotSpell) {
  TempDir dir;
  TSettingsFile settings(dir.File("lyrova.ini"), "/opt/lyrova/");
  settings.SetDiscFolder("/media/диск/");
  settings.SetVideoFile("/films/été.mpg");
  settings.SetSoundFont("/sf/Klänge.sf2");
  EXPECT_EQ(settings.DiscFolder(), "/media/диск/");
  EXPECT_EQ(settings.VideoFile(), "/films/été.mpg");
  EXPECT_EQ(settings.SoundFont(), "/sf/Klänge.sf2");
  // The keys around it are untouched CP1251.
  EXPECT_NE(ReadFile(dir.File("lyrova.ini")).find(Utf8ToCp1251("rMidiPath=/media/диск/\r\n")), std::string::npos);
}

}  // namespace
}  // namespace lyrova
