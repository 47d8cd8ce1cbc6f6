#include "config/settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "tests/support/temp_dir.h"

namespace lyrova {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

class LookSettingsTest : public ::testing::Test {
 protected:
  std::optional<Error> ReadWith(const std::string& fileText) {
    WriteFile(path_, fileText);
    return ReadLookSettings(ini_, values_);
  }

  TempDir dir_;
  std::string path_ = dir_.File("lyrova.ini");
  TIniFile ini_{path_};
  SettingsValues values_;
};

TEST_F(LookSettingsTest, FirstRunWritesTheSixKeysWithBuiltInValues) {
  EXPECT_EQ(ReadLookSettings(ini_, values_), std::nullopt);
  EXPECT_EQ(ReadFile(path_),
            "[Font]\r\nName=Arial\r\nHeight=72\r\nColor1=16711680\r\nColor2=16777215\r\nShadow=0\r\n"
            "[Strings]\r\nCount=4\r\n");
  EXPECT_EQ(values_.FontName(), "Arial");
  EXPECT_EQ(values_.StringsCount(), 4);
}

TEST_F(LookSettingsTest, ABorrowedLookIsReadWithoutWritingTheMissingKeys) {
  const std::string text = "[Font]\r\nColor1=255\r\n";
  WriteFile(path_, text);
  EXPECT_EQ(ReadLookSettings(ini_, values_, false), std::nullopt);
  EXPECT_EQ(ReadFile(path_), text);
  EXPECT_EQ(values_.FontColor1(), 255);
  EXPECT_EQ(values_.FontName(), "Arial");  // missing: the value in memory stays
  TIniFile missing(dir_.File("none.ini"));
  EXPECT_EQ(ReadLookSettings(missing, values_, false), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("none.ini")));
}

TEST_F(LookSettingsTest, PresentKeysAreReadAndTheFileIsLeftAlone) {
  const std::string text = "[font]\r\nname=" + Utf8ToCp1251("Таймс") +
                           "\r\nheight=48\r\ncolor1=255\r\ncolor2=$FF00\r\nshadow=0x10\r\n"
                           "[strings]\r\ncount=0x3\r\n";
  EXPECT_EQ(ReadWith(text), std::nullopt);
  EXPECT_EQ(ReadFile(path_), text);
  EXPECT_EQ(values_.FontName(), Utf8ToCp1251("Таймс"));
  EXPECT_EQ(values_.FontHeight(), 48);
  EXPECT_EQ(values_.FontColor1(), 255);
  EXPECT_EQ(values_.FontColor2(), 0xFF00);
  EXPECT_EQ(values_.FontShadow(), 16);
  EXPECT_EQ(values_.StringsCount(), 3);
}

TEST_F(LookSettingsTest, TextsThatAreNotNumbersReadAsTheirDefaults) {
  ReadWith("[Font]\nName=\nHeight=abc\nColor1=abc\nColor2=\nShadow=x1\n[Strings]\nCount=\n");
  // A colour that is not a number is 72, a very dark red, as it always was.
  EXPECT_EQ(values_.FontColor1(), 72);
  EXPECT_EQ(values_.FontColor2(), 72);
  EXPECT_EQ(values_.FontShadow(), 72);
  EXPECT_EQ(values_.FontHeight(), 72);
  EXPECT_EQ(values_.StringsCount(), 4);
  EXPECT_EQ(values_.FontName(), "");
}

TEST_F(LookSettingsTest, HandEditedCountAndHeightAreBroughtIntoRange) {
  const struct {
    const char* count;
    int lines;
    const char* height;
    int pixels;
  } cases[] = {{"0", 2, "0", 20},    {"-3", 2, "-72", 20}, {"1", 2, "19", 20},
               {"9", 6, "121", 120}, {"6", 6, "120", 120}, {"2", 2, "20", 20}};
  for (const auto& c : cases) {
    ReadWith(std::string("[Font]\nHeight=") + c.height + "\n[Strings]\nCount=" + c.count + "\n");
    EXPECT_EQ(values_.StringsCount(), c.lines) << c.count;
    EXPECT_EQ(values_.FontHeight(), c.pixels) << c.height;
  }
}

TEST_F(LookSettingsTest, OnlyMissingKeysAreWritten) {
  EXPECT_EQ(ReadWith("[Font]\r\nHeight=100\r\n"), std::nullopt);
  EXPECT_EQ(ReadFile(path_),
            "[Font]\r\nHeight=100\r\nName=Arial\r\nColor1=16711680\r\nColor2=16777215\r\nShadow=0\r\n"
            "[Strings]\r\nCount=4\r\n");
  EXPECT_EQ(values_.FontHeight(), 100);
}

TEST(LookSettingsFailureTest, UnwritableFileIsReportedOnceAndReadingGoesOn) {
  TempDir dir;
  WriteFile(dir.File("plain"), "");
  TIniFile ini(dir.File("plain") + "/lyrova.ini");
  SettingsValues values;
  values.SetStringsCount(5);
  const auto error = ReadLookSettings(ini, values);
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(std::string(error->what()).find(ini.FileName()), std::string::npos) << error->what();
  EXPECT_EQ(values.StringsCount(), 5);
  EXPECT_EQ(values.FontName(), "Arial");
}

class SettingsFileTest : public ::testing::Test {
 protected:
  TempDir dir_;
  std::string path_ = dir_.File("lyrova.ini");
  TSettingsFile settings_{path_, "/opt/lyrova/"};
};

TEST_F(SettingsFileTest, MissingPathsHaveTheProgramFolderAsDefault) {
  EXPECT_EQ(settings_.DiscFolder(), "/opt/lyrova/");
  EXPECT_EQ(settings_.VideoFile(), "/opt/lyrova");
  EXPECT_EQ(settings_.SoundFont(), "");
  EXPECT_EQ(TSettingsFile(path_, "/").VideoFile(), "/");
}

TEST_F(SettingsFileTest, LyricOffsetIsBroughtIntoRangeAndOntoItsSteps) {
  EXPECT_EQ(settings_.LyricOffsetMs(), 0);  // missing
  const std::pair<const char*, int> cases[] = {{"120", 120}, {"-500", -500}, {"501", 500}, {"-9000", -500},
                                               {"44", 40}, {"45", 50}, {"-45", -50}, {"abc", 0}};
  for (const auto& [text, ms] : cases) {
    settings_.Ini().WriteString("Sound", "LyricOffsetMs", text);
    EXPECT_EQ(settings_.LyricOffsetMs(), ms) << text;
  }
  settings_.SetLyricOffsetMs(-230);
  EXPECT_EQ(settings_.Ini().ReadString("Sound", "LyricOffsetMs", ""), "-230");
}

TEST_F(SettingsFileTest, GuideMelodyReadsAsFullHalfOrOff) {
  EXPECT_EQ(settings_.MelodyPercent(), 100);  // missing
  const std::pair<const char*, int> cases[] = {{"50", 50}, {"0", 0}, {"80", 100}, {"30", 50}, {"-4", 0}, {"abc", 100}};
  for (const auto& [text, percent] : cases) {
    settings_.Ini().WriteString("Sound", "Melody", text);
    EXPECT_EQ(settings_.MelodyPercent(), percent) << text;
  }
}

TEST_F(SettingsFileTest, DiscFolderAlwaysEndsWithASeparator) {
  WriteFile(path_, "[Paths]\nrMidiPath=/media/disc\n");
  EXPECT_EQ(settings_.DiscFolder(), "/media/disc/");
  WriteFile(path_, "[Paths]\nrMidiPath=\n");
  EXPECT_EQ(settings_.DiscFolder(), "");
}

TEST_F(SettingsFileTest, PathsAreStoredAsCp1251AndReadBackAsTheyWere) {
  const std::string folder = "/home/анна/Караоке/";
  settings_.SetDiscFolder(folder);
  settings_.SetVideoFile("/home/анна/фон.mpg");
  settings_.SetSoundFont("/usr/share/sounds/sf2/Ёлка.sf2");
  EXPECT_EQ(ReadFile(path_), Utf8ToCp1251("[Paths]\r\nrMidiPath=/home/анна/Караоке/\r\n"
                                          "VideoFile=/home/анна/фон.mpg\r\n"
                                          "[Sound]\r\nSoundFont=/usr/share/sounds/sf2/Ёлка.sf2\r\n"));
  EXPECT_EQ(settings_.DiscFolder(), folder);
  EXPECT_EQ(settings_.VideoFile(), "/home/анна/фон.mpg");
  EXPECT_EQ(settings_.SoundFont(), "/usr/share/sounds/sf2/Ёлка.sf2");
}

TEST_F(SettingsFileTest, PathThatCp1251CannotHoldIsKeptNotMangled) {
  settings_.SetVideoFile("/films/a.mpg");
  EXPECT_NO_THROW(settings_.SetVideoFile("/films/电影.mpg"));
  EXPECT_EQ(settings_.VideoFile(), "/films/电影.mpg");
}

}  // namespace
}  // namespace lyrova
