#include "config/settings_path.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

namespace lyrova {
namespace {

using testing::TempDir;
using testing::WriteFile;

TEST(SettingsPathTest, ExtensionIsReplacedByIni) {
  const struct {
    const char* program;
    const char* ini;
  } cases[] = {
      {"/usr/bin/lyrova", "/usr/bin/lyrova.ini"},
      {"/opt/karaoke/player.exe", "/opt/karaoke/player.ini"},
      {"/opt/v1.57/lyrova", "/opt/v1.57/lyrova.ini"},  // a dot in a folder is no extension
      {"/x/lyrova.tar.gz", "/x/lyrova.tar.ini"},
      {"/lyrova", "/lyrova.ini"},  // kept in the root folder
      {"lyrova", "lyrova.ini"},
  };
  for (const auto& c : cases) EXPECT_EQ(IniPathBeside(c.program), c.ini) << c.program;
}

// Sets or clears an environment variable for one test.
class EnvVar {
 public:
  EnvVar(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
  }
  ~EnvVar() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(SettingsPathTest, UserFolderFollowsXdgThenHome) {
  {
    EnvVar xdg("XDG_CONFIG_HOME", "/srv/cfg");
    EnvVar home("HOME", "/home/anna");
    EXPECT_EQ(UserSettingsFolder(), "/srv/cfg/lyrova");
  }
  {
    // A relative XDG_CONFIG_HOME is to be ignored.
    EnvVar xdg("XDG_CONFIG_HOME", "relative/cfg");
    EnvVar home("HOME", "/home/anna");
    EXPECT_EQ(UserSettingsFolder(), "/home/anna/.config/lyrova");
  }
  {
    EnvVar xdg("XDG_CONFIG_HOME", std::nullopt);
    EnvVar home("HOME", std::nullopt);
    EXPECT_EQ(UserSettingsFolder(), "");
  }
}

TEST(SettingsPathTest, BesideOnlyForTheBuildOrAPortableCopy) {
  const std::string beside = "/opt/lyrova/bin/lyrova.ini";
  const struct {
    const char* what;
    bool besideExists;
    bool inBuildFolder;
    const char* userFolder;
    const char* expected;
  } cases[] = {
      {"installed, first start", false, false, "/home/anna/.config/lyrova", "/home/anna/.config/lyrova/lyrova.ini"},
      {"installed, whoever may write its folder", false, false, "/root/.config/lyrova",
       "/root/.config/lyrova/lyrova.ini"},
      {"run from the build folder", false, true, "/home/anna/.config/lyrova", "/opt/lyrova/bin/lyrova.ini"},
      {"portable copy with its settings", true, false, "/home/anna/.config/lyrova", "/opt/lyrova/bin/lyrova.ini"},
      {"build folder holding its settings", true, true, "/home/anna/.config/lyrova", "/opt/lyrova/bin/lyrova.ini"},
      {"no per-user folder at all", false, false, "", "/opt/lyrova/bin/lyrova.ini"},
  };
  for (const auto& c : cases) {
    SettingsPlace place{beside, c.besideExists, c.inBuildFolder, c.userFolder};
    EXPECT_EQ(ChooseSettingsPath(place), c.expected) << c.what;
  }
}

TEST(SettingsPathTest, PerUserFolderIsMadeWhenChosen) {
  TempDir dir;
  EnvVar xdg("XDG_CONFIG_HOME", dir.File("config"));
  std::filesystem::create_directory(dir.File("bin"));
  EXPECT_EQ(SettingsFilePath(dir.File("bin") + "/lyrova"), dir.File("config") + "/lyrova/lyrova.ini");
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("config") + "/lyrova"));
}

TEST(SettingsPathTest, ExistingFileBesideTheProgramIsKeptUsing) {
  TempDir dir;
  EnvVar xdg("XDG_CONFIG_HOME", dir.File("config"));
  WriteFile(dir.File("lyrova.ini"), "[Font]\r\n");
  EXPECT_EQ(SettingsFilePath(dir.File("lyrova")), dir.File("lyrova.ini"));
  // Read-only for its user, a portable copy's file is still the one read.
  testing::AsUnprivilegedUser([&] {
    ::chmod(dir.path().c_str(), 0555);
    EXPECT_EQ(SettingsFilePath(dir.File("lyrova")), dir.File("lyrova.ini"));
  }, {dir.path()});
  EXPECT_FALSE(std::filesystem::exists(dir.File("config")));
}

TEST(SettingsPathTest, ProgramsOfThisBuildRunFromTheBuildFolder) {
  EXPECT_TRUE(RunsFromBuildFolder(ProgramFilePath()));
  EXPECT_EQ(SettingsFilePath(), IniPathBeside(ProgramFilePath()));
  EXPECT_FALSE(RunsFromBuildFolder("/usr/bin/lyrova"));
}

TEST(SettingsPathTest, RunningProgramIsFoundByItsFullPath) {
  const std::string program = ProgramFilePath();
  ASSERT_FALSE(program.empty());
  EXPECT_EQ(program.front(), '/');
  EXPECT_EQ(program.substr(program.rfind('/') + 1), "config_tests");
  EXPECT_EQ(ProgramFolder(), program.substr(0, program.rfind('/') + 1));
}

}  // namespace
}  // namespace lyrova
