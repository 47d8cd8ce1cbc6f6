#include "config/settings_path.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "tests/support/temp_dir.h"

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

TEST(SettingsPathTest, BesideTheProgramWhenItsFolderTakesFiles) {
  TempDir dir;
  const std::string beside = dir.File("lyrova.ini");
  EXPECT_EQ(ChooseSettingsPath(beside, "/home/anna/.config/lyrova"), beside);
}

TEST(SettingsPathTest, PerUserWhenTheProgramFolderTakesNoFiles) {
  TempDir dir;
  // A "folder" that is a plain file takes no files, whoever runs the program.
  WriteFile(dir.File("bin"), "");
  const std::string beside = dir.File("bin") + "/lyrova.ini";
  EXPECT_EQ(ChooseSettingsPath(beside, "/home/anna/.config/lyrova"), "/home/anna/.config/lyrova/lyrova.ini");
  // Without a per-user folder the program's own place is all there is.
  EXPECT_EQ(ChooseSettingsPath(beside, ""), beside);
}

TEST(SettingsPathTest, PerUserFolderIsMadeWhenChosen) {
  TempDir dir;
  WriteFile(dir.File("bin"), "");
  EnvVar xdg("XDG_CONFIG_HOME", dir.File("config"));
  EXPECT_EQ(SettingsFilePath(dir.File("bin") + "/lyrova"), dir.File("config") + "/lyrova/lyrova.ini");
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("config") + "/lyrova"));
  EXPECT_EQ(SettingsFilePath(dir.File("lyrova")), dir.File("lyrova.ini"));
}

TEST(SettingsPathTest, ExistingFileInReadOnlyFolderIsKeptUsing) {
  if (testing::RunningAsRoot()) GTEST_SKIP() << "root writes into read-only folders";
  TempDir dir;
  const std::string beside = dir.File("lyrova.ini");
  const std::string other = dir.File("other.ini");
  WriteFile(beside, "[Font]\r\n");
  ::chmod(dir.path().c_str(), 0555);
  EXPECT_EQ(ChooseSettingsPath(beside, "/u"), beside);
  EXPECT_EQ(ChooseSettingsPath(other, "/u"), "/u/other.ini");
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
