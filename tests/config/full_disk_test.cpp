// Writes that run out of room (a full disk, a file-size limit) leave the
// settings and playlist files as they were, never cut short.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <string>

#include "catalog/errors.h"
#include "config/ini_file.h"
#include "config/whole_file.h"
#include "tests/support/temp_dir.h"

namespace lyrova {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

constexpr rlim_t kLimit = 4096;

// Runs `write` in a child process whose files may not grow past kLimit bytes;
// true when it reported the failure as an Error.
bool FailsUnderSizeLimit(const std::function<void()>& write) {
  const pid_t child = ::fork();
  if (child == 0) {
    // Past the limit, write() then fails with EFBIG instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{kLimit, kLimit};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    try {
      write();
    } catch (const Error&) {
      ::_exit(0);
    }
    ::_exit(1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class FullDiskTest : public ::testing::TestWithParam<bool> {
 protected:
  TempDir dir_;
  std::string path_ = dir_.File("lyrova.ini");
  const std::string old_ = "[Font]\r\nName=Arial\r\nHeight=72\r\n" + std::string(3000, ';') + "\r\n";
  const std::string big_ = std::string(kLimit * 2, 'x');
};

TEST_P(FullDiskTest, AWriteThatDoesNotFitLeavesTheOldFileWhole) {
  WriteFile(path_, old_);
  const bool inPlace = GetParam();
  EXPECT_TRUE(FailsUnderSizeLimit([&] {
    if (inPlace)
      RewriteWholeFileInPlace(path_, big_);
    else
      ReplaceWholeFile(path_, big_);
  }));
  EXPECT_EQ(ReadFile(path_), old_);
  // Nothing half-written is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1);
  // A write that fits still goes through in the same way.
  EXPECT_FALSE(FailsUnderSizeLimit([&] {
    if (inPlace)
      RewriteWholeFileInPlace(path_, "[Font]\r\nHeight=40\r\n");
    else
      ReplaceWholeFile(path_, "[Font]\r\nHeight=40\r\n");
  }));
  EXPECT_EQ(ReadFile(path_), "[Font]\r\nHeight=40\r\n");
}

TEST(FullDiskSettingsTest, ASettingThatDoesNotFitKeepsTheOthers) {
  TempDir dir;
  const std::string path = dir.File("lyrova.ini");
  WriteFile(path, "[Font]\r\nName=Arial\r\nHeight=72\r\n");
  EXPECT_TRUE(FailsUnderSizeLimit(
      [&] { TIniFile(path).WriteString("Paths", "VideoFile", std::string(kLimit * 2, 'x')); }));
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("Font", "Name", ""), "Arial");
  EXPECT_EQ(ini.ReadInteger("Font", "Height", 0), 72);
}

INSTANTIATE_TEST_SUITE_P(Ways, FullDiskTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "InPlace" : "ByRename"; });

}  // namespace
}  // namespace lyrova
