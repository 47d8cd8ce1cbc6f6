#include "config/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

namespace lyrova {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

class IniFileTest : public ::testing::Test {
 protected:
  TIniFile WithText(const std::string& text) {
    WriteFile(path_, text);
    return TIniFile(path_);
  }

  TempDir dir_;
  std::string path_ = dir_.File("lyrova.ini");
};

TEST_F(IniFileTest, NamesMatchWithoutRegardToCase) {
  const TIniFile ini = WithText("[FONT]\nheight=90\nCoLoR1 = 255 \n[" + Utf8ToCp1251("Шрифт") +
                                "]\n" + Utf8ToCp1251("имя") + "=x\n");
  EXPECT_EQ(ini.ReadInteger("Font", "Height", 72), 90);
  EXPECT_EQ(ini.ReadInteger("font", "COLOR1", 0), 255);
  EXPECT_TRUE(ini.ValueExists("fOnT", "hEiGhT"));
  // Cyrillic names fold as the Windows upper-casing of CP1251 does.
  EXPECT_EQ(ini.ReadString(Utf8ToCp1251("ШРИФТ"), Utf8ToCp1251("ИМЯ"), ""), "x");
}

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault) {
  const TIniFile missing(dir_.File("none.ini"));
  EXPECT_EQ(missing.ReadString("Font", "Name", "Arial"), "Arial");
  EXPECT_EQ(missing.ReadInteger("Font", "Height", 72), 72);
  EXPECT_FALSE(missing.ValueExists("Font", "Name"));
  EXPECT_FALSE(missing.SectionExists("Font"));

  const TIniFile ini = WithText("[Font]\nName=Times\n");
  EXPECT_EQ(ini.ReadString("Paths", "Name", "d"), "d");
  EXPECT_EQ(ini.ReadString("Font", "Size", "d"), "d");
  EXPECT_FALSE(ini.ValueExists("Font", "Size"));
}

TEST_F(IniFileTest, NumbersThatAreNotNumbersGiveTheDefault) {
  const TIniFile ini = WithText(
      "[Font]\nHeight=abc\nColor1=abc\nColor2=0xFF\nShadow=$FF\n[Strings]\nCount=\n[Header]\nVer=1.0\n");
  EXPECT_EQ(ini.ReadInteger("Font", "Height", 72), 72);
  EXPECT_EQ(ini.ReadInteger("Font", "Color1", 72), 72);
  EXPECT_EQ(ini.ReadInteger("Font", "Color2", 72), 255);
  EXPECT_EQ(ini.ReadInteger("Font", "Shadow", 72), 255);
  // An empty value is present but not a number.
  EXPECT_TRUE(ini.ValueExists("Strings", "Count"));
  EXPECT_EQ(ini.ReadString("Strings", "Count", "x"), "");
  EXPECT_EQ(ini.ReadInteger("Strings", "Count", 4), 4);
  EXPECT_EQ(ini.ReadFloat("Header", "Ver", 0), 1.0);
  EXPECT_EQ(ini.ReadFloat("Header", "Items", 7.5), 7.5);
}

TEST_F(IniFileTest, ReadsLinesEndedByLfOrCrLfAndIgnoresOtherLines) {
  const TIniFile ini = WithText(
      "; a comment\r\nstray=1\r\n[A]\r\n;x=1\r\nno equals sign\r\n  k1 =  spaced value  \r\n[A]\nk2=second A\n"
      "[B]\n\n\n");
  EXPECT_EQ(ini.ReadString("A", "k1", ""), "spaced value");
  EXPECT_FALSE(ini.ValueExists("A", ";x"));
  EXPECT_FALSE(ini.ValueExists("A", "no equals sign"));
  // The first section of a name is the one that counts; keys above every
  // section belong to none.
  EXPECT_FALSE(ini.ValueExists("A", "k2"));
  EXPECT_FALSE(ini.ValueExists("", "stray"));
  // A section counts as present only when it holds a key.
  EXPECT_TRUE(ini.SectionExists("a"));
  EXPECT_FALSE(ini.SectionExists("B"));
}

TEST_F(IniFileTest, AValueInAPairOfQuotesReadsWithoutThem) {
  const TIniFile ini = WithText("[Font]\nName=\"Times New Roman\"\nA='x'\nB=\"half\nC=\"x'\nD=\"\"\n");
  EXPECT_EQ(ini.ReadString("Font", "Name", ""), "Times New Roman");
  EXPECT_EQ(ini.ReadString("Font", "A", ""), "x");
  EXPECT_EQ(ini.ReadString("Font", "B", ""), "\"half");
  EXPECT_EQ(ini.ReadString("Font", "C", ""), "\"x'");
  EXPECT_EQ(ini.ReadString("Font", "D", "default"), "");
}

TEST_F(IniFileTest, ValuesThatReadingWouldChangeAreWrittenSoTheyReadBack) {
  TIniFile ini(path_);
  for (const std::string value : {"\"quoted\"", "'single'", " padded ", "plain", "\""}) {
    ini.WriteString("A", "k", value);
    EXPECT_EQ(ini.ReadString("A", "k", ""), value) << value;
  }
  ini.WriteString("A", "k", "Arial");
  EXPECT_EQ(ReadFile(path_), "[A]\r\nk=Arial\r\n");
}

TEST_F(IniFileTest, LongValuesAreCutTo2047Characters) {
  const TIniFile ini = WithText("[S]\nk=" + std::string(5000, 'v') + "\n");
  EXPECT_EQ(ini.ReadString("S", "k", "").size(), 2047u);
}

TEST_F(IniFileTest, FirstWriteCreatesTheFileWithCrLfLines) {
  TIniFile ini(path_);
  ini.WriteString("Paths", "rMidiPath", "/media/disc/");
  ini.WriteInteger("Font", "Height", 72);
  ini.WriteInteger("Font", "Color1", -1);
  ini.WriteFloat("Header", "Ver", 1.0);
  EXPECT_EQ(ReadFile(path_),
            "[Paths]\r\nrMidiPath=/media/disc/\r\n[Font]\r\nHeight=72\r\nColor1=-1\r\n[Header]\r\nVer=1\r\n");
}

TEST_F(IniFileTest, WriteReplacesInPlaceAndKeepsEveryOtherLine) {
  TIniFile ini = WithText("; kept\n[FONT]\n  HEIGHT = 10\nColor1=5\n\n[Strings]\nCount=4\n");
  ini.WriteInteger("Font", "Height", 90);
  // The key keeps its spelling; the rest of the file stands as it was.
  EXPECT_EQ(ReadFile(path_), "; kept\r\n[FONT]\r\nHEIGHT=90\r\nColor1=5\r\n\r\n[Strings]\r\nCount=4\r\n");
}

TEST_F(IniFileTest, NewKeyGoesAtTheEndOfItsSectionAndNewSectionAtTheEnd) {
  TIniFile ini = WithText("[Font]\nName=Arial\n\n[Strings]\nCount=4");
  ini.WriteString("font", "Shadow", "0");
  ini.WriteString("Paths", "VideoFile", "/v.mpg");
  EXPECT_EQ(ReadFile(path_),
            "[Font]\r\nName=Arial\r\nShadow=0\r\n\r\n[Strings]\r\nCount=4\r\n[Paths]\r\nVideoFile=/v.mpg\r\n");
}

TEST_F(IniFileTest, TextThatCannotStandOnOneLineIsRefusedAndNothingChanges) {
  TIniFile ini = WithText("[S]\r\nk=1\r\n");
  const struct {
    std::string section, key, value;
  } cases[] = {{"S", "k", "a\nb"}, {"S", "k", "a\rb"}, {"S", "k", std::string("a\0b", 3)},
               {"S", "k=", "1"},   {"S", "", "1"},     {"S]", "k", "1"},
               {"S", ";k", "1"},   {"S", " k", "1"},   {"", "k", "1"}};
  for (const auto& c : cases) {
    EXPECT_THROW(ini.WriteString(c.section, c.key, c.value), Error) << c.key << c.value;
  }
  EXPECT_EQ(ReadFile(path_), "[S]\r\nk=1\r\n");
}

TEST_F(IniFileTest, FailedWriteNamesTheFile) {
  // A folder that is really a file can take no settings file, even for root.
  WriteFile(dir_.File("plain"), "x");
  TIniFile ini(dir_.File("plain") + "/lyrova.ini");
  try {
    ini.WriteInteger("Font", "Height", 72);
    FAIL() << "the write should have failed";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find(ini.FileName()), std::string::npos) << e.what();
  }
}

TEST_F(IniFileTest, FileThatCannotBeReadIsNotOverwritten) {
  // What may stand in the file's place: a folder (opens, gives no bytes), a
  // pipe (would wait for a writer), a device (would never end). Each reads
  // as defaults at once and is never replaced.
  const std::vector<std::function<void()>> places = {
      [&] { std::filesystem::create_directory(path_); },
      [&] { ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0); },
      [&] { std::filesystem::create_symlink("/dev/zero", path_); },
  };
  for (const auto& make : places) {
    std::filesystem::remove_all(path_);
    make();
    const auto kind = std::filesystem::symlink_status(path_).type();
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadInteger("Font", "Height", 72), 72);
    EXPECT_THROW(ini.WriteInteger("Font", "Height", 90), Error);
    EXPECT_EQ(std::filesystem::symlink_status(path_).type(), kind);
  }
}

TEST_F(IniFileTest, ReadOnlyFolderRefusesNewFileButExistingWritableFileIsRewritten) {
  WriteFile(path_, "[Font]\r\nHeight=10\r\n");
  testing::AsUnprivilegedUser([&] {
    TIniFile fresh(dir_.File("new.ini"));
    TIniFile existing(path_);
    ::chmod(dir_.path().c_str(), 0555);
    EXPECT_THROW(fresh.WriteInteger("Font", "Height", 72), Error);
    existing.WriteInteger("Font", "Height", 90);
    EXPECT_EQ(ReadFile(path_), "[Font]\r\nHeight=90\r\n");
    ::chmod(path_.c_str(), 0444);
    EXPECT_THROW(existing.WriteInteger("Font", "Height", 91), Error);
    EXPECT_EQ(ReadFile(path_), "[Font]\r\nHeight=90\r\n");
  }, {dir_.path()});
}

TEST_F(IniFileTest, UnreadableFileIsNotReplacedByAWrite) {
  WriteFile(path_, "[Font]\r\nName=Times\r\n");
  testing::AsUnprivilegedUser([&] {
    ::chmod(path_.c_str(), 0200);
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadString("Font", "Name", "Arial"), "Arial");
    EXPECT_THROW(ini.WriteInteger("Font", "Height", 90), Error);
    ::chmod(path_.c_str(), 0600);
    EXPECT_EQ(ReadFile(path_), "[Font]\r\nName=Times\r\n");
  }, {dir_.path()});
}

TEST_F(IniFileTest, WriteKeepsPermissionsAndSymbolicLinks) {
  WriteFile(dir_.File("real.ini"), "[A]\r\nk=1\r\n");
  ::chmod(dir_.File("real.ini").c_str(), 0600);
  std::filesystem::create_symlink("real.ini", path_);
  TIniFile ini(path_);
  ini.WriteInteger("A", "k", 2);
  EXPECT_TRUE(std::filesystem::is_symlink(path_));
  EXPECT_EQ(ReadFile(dir_.File("real.ini")), "[A]\r\nk=2\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(dir_.File("real.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2);
}

}  // namespace
}  // namespace lyrova
