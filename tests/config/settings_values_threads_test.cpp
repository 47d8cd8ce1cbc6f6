// The clock thread reads the look while the dialog's Ok changes it.
#include "config/settings_values.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace lyrova {
namespace {

TEST(SettingsValuesThreadsTest, ReaderSeesWholeValuesWhileTheyChange) {
  SettingsValues values;
  const std::string nameA(40, 'a');
  const std::string nameB(200, 'b');
  std::atomic<bool> done{false};
  std::thread reader([&] {
    while (!done) {
      const int count = values.StringsCount();
      ASSERT_GE(count, SettingsValues::kMinStringsCount);
      ASSERT_LE(count, SettingsValues::kMaxStringsCount);
      const std::string name = values.FontName();
      ASSERT_TRUE(name == nameA || name == nameB || name == "Arial") << name.size();
      const std::string film = values.VideoFileName();
      ASSERT_TRUE(film.empty() || film == nameA || film == nameB);
    }
  });
  for (int i = 0; i < 20000; ++i) {
    values.SetStringsCount(i % 11 - 2);
    values.SetFontHeight(i);
    values.SetFontName(i % 2 ? nameA : nameB);
    values.SetVideoFileName(i % 2 ? nameB : nameA);
  }
  done = true;
  reader.join();
}

}  // namespace
}  // namespace lyrova
