// The CD+G picture against FFmpeg's own command-line decoding, frame by
// frame, on graphics that use every instruction; and what the instructions
// draw, checked by hand where a wrong reading would still look plausible.

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <map>
#include <sstream>

#include "catalog/errors.h"
#include "media/cdg_picture.h"
#include "tests/media/command.h"
#include "tests/support/temp_dir.h"
#include "tools/cdg/cdg_writer.h"

namespace lyrova {
namespace {

using testing::TempDir;

constexpr std::array<std::uint8_t, 12> kChecker{0x2A, 0x15, 0x2A, 0x15, 0x2A, 0x15,
                                                0x2A, 0x15, 0x2A, 0x15, 0x2A, 0x15};
constexpr std::array<std::uint8_t, 12> kFull{0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F,
                                             0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F};

std::array<TCdgColour, 8> Colours(int base) {
  std::array<TCdgColour, 8> c;
  for (int i = 0; i < 8; ++i) c[static_cast<std::size_t>(i)] = {(base + i) & 15, (3 * i + base) & 15, 15 - i};
  return c;
}

// Every instruction, each in the variants that read differently: both
// halves of the colour table, presets, plain and XOR tiles over each
// other, scrolls preset and copy in each direction with offsets, and the
// transparent colour. Returns the packet after which each step shows.
TCdgWriter EveryInstruction(std::vector<std::size_t>& marks) {
  TCdgWriter w;
  auto mark = [&] { marks.push_back(w.Packets() - 1); w.Wait(3); };
  w.LoadColours(false, Colours(0)); mark();
  w.LoadColours(true, Colours(8)); mark();
  w.MemoryPreset(2); mark();
  w.BorderPreset(9); mark();
  for (int column = 0; column < TCdgWriter::kColumns; column += 7) w.Tile(3, column, 1, 12, kChecker);
  mark();
  w.Tile(3, 7, 5, 6, kFull, true); mark();
  w.Tile(17, 49, 0, 15, kChecker); mark();
  for (int h : {TCdgWriter::kStay, TCdgWriter::kRight, TCdgWriter::kLeft})
    for (int v : {TCdgWriter::kStay, TCdgWriter::kDown, TCdgWriter::kUp}) {
      w.ScrollCopy(h, h * 2 + 1, v, v * 4 + 3); mark();
      w.ScrollPreset(10 + h + v, h, 5 - h, v, 11 - v * 3); mark();
    }
  w.TransparentColour(2); mark();
  w.MemoryPreset(4, 1); mark();
  return w;
}

std::string Rgb24Md5(const QImage& image) {
  QCryptographicHash hash(QCryptographicHash::Md5);
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const char rgb[3] = {static_cast<char>(qRed(line[x])), static_cast<char>(qGreen(line[x])),
                           static_cast<char>(qBlue(line[x]))};
      hash.addData(QByteArrayView(rgb, 3));
    }
  }
  return hash.result().toHex().toStdString();
}

// FFmpeg's pictures by their packet: "stream, dts, pts, duration, size, md5".
std::map<std::int64_t, std::string> FfmpegFrames(const std::string& path) {
  const std::string out = testing::RunCommand("ffmpeg -v error -i " + path +
                                              " -fps_mode passthrough -pix_fmt rgb24 -f framemd5 -");
  std::map<std::int64_t, std::string> frames;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string stream, dts, pts, duration, size, md5;
    std::getline(fields, stream, ',');
    std::getline(fields, dts, ',');
    std::getline(fields, pts, ',');
    std::getline(fields, duration, ',');
    std::getline(fields, size, ',');
    fields >> md5;
    frames[std::stoll(pts)] = md5;
  }
  return frames;
}

SharedBytes Shared(const std::vector<std::uint8_t>& bytes) {
  return std::make_shared<const std::vector<std::uint8_t>>(bytes);
}

std::int64_t PacketUs(std::size_t packet) { return static_cast<std::int64_t>(packet) * 1'000'000 / 300; }

TEST(CdgPicture, EveryPictureMatchesFfmpegsDecoding) {
  std::vector<std::size_t> marks;
  const TCdgWriter w = EveryInstruction(marks);
  TempDir dir;
  testing::WriteFile(dir.File("all.cdg"), std::string(w.Bytes().begin(), w.Bytes().end()));
  const auto frames = FfmpegFrames(dir.File("all.cdg"));
  ASSERT_GE(frames.size(), marks.size());

  TCdgPicture picture(Shared(w.Bytes()));
  for (const auto& [pts, md5] : frames) {
    const QImage& image = picture.At(PacketUs(static_cast<std::size_t>(pts)));
    ASSERT_EQ(image.size(), QSize(TCdgPicture::kWidth, TCdgPicture::kHeight));
    EXPECT_EQ(Rgb24Md5(image), md5) << "packet " << pts;
  }
  // Back in time the packets start over and give the same pictures.
  const auto& [firstPts, firstMd5] = *frames.begin();
  EXPECT_EQ(Rgb24Md5(picture.At(PacketUs(static_cast<std::size_t>(firstPts)))), firstMd5);
  const auto& [lastPts, lastMd5] = *frames.rbegin();
  EXPECT_EQ(Rgb24Md5(picture.At(PacketUs(static_cast<std::size_t>(lastPts)) + 5000)), lastMd5);
}

QRgb Colour(const TCdgColour& c) { return qRgb(c.red * 17, c.green * 17, c.blue * 17); }

TEST(CdgPicture, InstructionsDrawWhatTheyMean) {
  TCdgWriter w;
  const auto low = Colours(0);
  const auto high = Colours(8);
  w.LoadColours(false, low);
  w.LoadColours(true, high);
  w.MemoryPreset(2);
  w.BorderPreset(9);
  const std::size_t presets = w.Packets() - 1;
  w.Tile(1, 1, 3, 12, kChecker);  // row 1, column 1: x 6..11, y 12..23
  const std::size_t tile = w.Packets() - 1;
  w.Tile(1, 1, 0, 5, kFull, true);
  const std::size_t xored = w.Packets() - 1;
  w.Wait(300);
  const std::size_t later = w.Packets() - 1;

  TCdgPicture picture(Shared(w.Bytes()));
  EXPECT_EQ(picture.At(-1).pixel(150, 100), qRgb(0, 0, 0)) << "black before the first packet";
  EXPECT_EQ(picture.At(0).pixel(150, 100), Colour(low[0])) << "the screen starts in colour 0";
  const QImage& preset = picture.At(PacketUs(presets));
  EXPECT_EQ(preset.pixel(150, 100), Colour(low[2]));
  EXPECT_EQ(picture.Border(), Colour(high[1]));
  EXPECT_EQ(preset.pixel(2, 2), Colour(high[1]));
  // The checker's first row is 101010: colour1 where the bit is set.
  const QImage& tiled = picture.At(PacketUs(tile));
  EXPECT_EQ(tiled.pixel(6, 12), Colour(high[4]));
  EXPECT_EQ(tiled.pixel(7, 12), Colour(low[3]));
  // XOR with colour 5 everywhere: 12 ^ 5 = 9, 3 ^ 5 = 6.
  const QImage& xorImage = picture.At(PacketUs(xored));
  EXPECT_EQ(xorImage.pixel(6, 12), Colour(high[1]));
  EXPECT_EQ(xorImage.pixel(7, 12), Colour(low[6]));
  EXPECT_TRUE(picture.Changed());
  picture.At(PacketUs(later));
  EXPECT_FALSE(picture.Changed()) << "empty packets change nothing";
  EXPECT_EQ(picture.DurationUs(), PacketUs(later));
}

TEST(CdgPicture, DamagedGraphicsAreSkippedOrRefused) {
  EXPECT_THROW(TCdgPicture(Shared({})), Error);
  // Packets of garbage, and one cut short: the good packets still draw.
  TCdgWriter w;
  w.LoadColours(false, Colours(0));
  w.MemoryPreset(3);
  std::vector<std::uint8_t> bytes = w.Bytes();
  for (int i = 0; i < 24 * 5; ++i) bytes.push_back(static_cast<std::uint8_t>(i * 37 + 11));
  bytes.resize(bytes.size() + 10, 0x09);
  TCdgPicture picture(Shared(bytes));
  EXPECT_EQ(picture.At(PacketUs(1)).pixel(100, 100), Colour(Colours(0)[3]));
  picture.At(PacketUs(100));
}

}  // namespace
}  // namespace lyrova
