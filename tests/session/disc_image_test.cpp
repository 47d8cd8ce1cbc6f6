// How start-up judges a disc folder's song image: by its exact size and its
// version mark, and never by waiting on a pipe named like it.

#include "session/disc_image.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/support/temp_dir.h"

namespace lyrova {
namespace {

namespace fs = std::filesystem;

// A sparse image of `size` bytes ending with `mark` (little-endian).
void WriteImage(const std::string& path, std::uint64_t size, unsigned mark) {
  { std::ofstream create(path, std::ios::binary); }
  fs::resize_file(path, size - 2);
  std::ofstream out(path, std::ios::binary | std::ios::app);
  out.put(static_cast<char>(mark & 0xFF)).put(static_cast<char>(mark >> 8));
}

TEST(DiscImage, OnlyTheExactSizeWithItsMarkIsAccepted) {
  const struct {
    const char* name;
    std::uint64_t size;
    unsigned mark;
    TDiscImage expected;
  } cases[] = {
      {"the disc", kDiscImageSize, kDiscVersionMark, TDiscImage::Accepted},
      {"one byte short", kDiscImageSize - 1, kDiscVersionMark, TDiscImage::WrongSize},
      {"one byte more", kDiscImageSize + 1, kDiscVersionMark, TDiscImage::WrongSize},
      {"another version", kDiscImageSize, 0xEA3F, TDiscImage::WrongVersion},
  };
  for (const auto& c : cases) {
    testing::TempDir dir;
    WriteImage(dir.File(kDiscImageName), c.size, c.mark);
    EXPECT_EQ(CheckDiscImage(dir.path() + "/"), c.expected) << c.name;
  }
}

TEST(DiscImage, NothingReadableThereIsMissingAndNeverWaitedOn) {
  testing::TempDir dir;
  EXPECT_EQ(CheckDiscImage(dir.path() + "/"), TDiscImage::Missing);
  fs::create_directory(dir.File(kDiscImageName));
  EXPECT_EQ(CheckDiscImage(dir.path() + "/"), TDiscImage::Missing);
  fs::remove(dir.File(kDiscImageName));
  // Opening a pipe for reading waits for a writer that never comes.
  ASSERT_EQ(::mkfifo(dir.File(kDiscImageName).c_str(), 0600), 0);
  EXPECT_EQ(CheckDiscImage(dir.path() + "/"), TDiscImage::Missing);
}

}  // namespace
}  // namespace lyrova
