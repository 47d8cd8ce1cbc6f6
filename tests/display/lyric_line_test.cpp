#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <cmath>
#include <functional>
#include <string>

#include "display/lyric_line.h"
#include "display/surface.h"

namespace lyrova {
namespace {

// Unsung blue, sung green, shadow red: each pixel tells which layer is on top.
constexpr ColorRef kBlue = 0xFF0000;
constexpr ColorRef kGreen = 0x00FF00;
constexpr ColorRef kRed = 0x0000FF;
constexpr TRect kSlot{0, 80, 800, 159};

bool IsSung(QRgb p) { return qGreen(p) > 100 && qGreen(p) > qBlue(p); }
bool IsUnsung(QRgb p) { return qBlue(p) > 100 && qBlue(p) > qGreen(p); }
bool IsShadow(QRgb p) { return qRed(p) > 100 && qRed(p) > qBlue(p) && qRed(p) > qGreen(p); }
bool IsInk(QRgb p) { return (p & 0xFFFFFF) != 0; }

struct Extent {
  int minX = 1 << 30, maxX = -1, minY = 1 << 30, maxY = -1, count = 0;
};

Extent Find(const QImage& image, const std::function<bool(QRgb)>& test) {
  Extent e;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!test(image.pixel(x, y))) continue;
      e.minX = std::min(e.minX, x);
      e.maxX = std::max(e.maxX, x);
      e.minY = std::min(e.minY, y);
      e.maxY = std::max(e.maxY, y);
      ++e.count;
    }
  }
  return e;
}

TSurface Black() {
  TSurface s;
  s.Build(800, 600);
  s.Fill(0);
  return s;
}

TLline Line(const std::string& utf8, int height = 72, TRect slot = kSlot) {
  TLline line(slot);
  line.Init(utf8, "Arial", height, kBlue, kGreen, kRed);
  return line;
}

int Advance(const std::string& utf8, int height) {
  // The single-character width the line measured, read back from its box.
  return Line(utf8, height).CharBoxes().at(0).right;
}

TEST(LyricLineBoxes, EachCharacterIsOneBoxWhateverItsBytes) {
  // Two-byte and four-byte characters of UTF-8 are one timed character each.
  EXPECT_EQ(Line("Caf\xC3\xA9").CharCount(), 4);
  EXPECT_EQ(Line("Stra\xC3\x9F" "e \xC3\x91" "and\xC3\xBA").CharCount(), 11);
  EXPECT_EQ(Line("\xF0\x9D\x84\x9E!").CharCount(), 2);
  // "é" is measured as itself, not as the bytes it is written with.
  EXPECT_EQ(Line("\xC3\xA9").CharBoxes().at(0).right, Line("e").CharBoxes().at(0).right);
}

TEST(LyricLineBoxes, SpacesTakeNoBox) {
  const TLline line = Line("A B");
  ASSERT_EQ(line.CharCount(), 2);
  const int a = Advance("A", 72);
  const int space = Line("  A").CharBoxes().at(0).left / 2;
  EXPECT_GT(space, 0);
  EXPECT_EQ(line.CharBoxes()[0].left, 0);
  EXPECT_EQ(line.CharBoxes()[0].right, a);
  EXPECT_EQ(line.CharBoxes()[1].left, a + space) << "after the letter and the space";
  EXPECT_EQ(line.CharBoxes()[1].right, a + space + Advance("B", 72));
  for (const TRect& box : line.CharBoxes()) {
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.bottom, line.TextHeight());
  }
}

TEST(LyricLineBoxes, OneBoxPerLetterInTextOrder) {
  const struct {
    const char* text;
    int boxes;
  } cases[] = {{"Вступление...", 13}, {"  два  слова ", 8}, {"   ", 0}, {"x", 1}};
  for (const auto& c : cases) {
    const TLline line = Line(c.text);
    EXPECT_EQ(line.CharCount(), c.boxes) << c.text;
    for (int i = 1; i < line.CharCount(); ++i)
      EXPECT_GE(line.CharBoxes()[i].left, line.CharBoxes()[i - 1].right) << c.text << " box " << i;
  }
}

TEST(LyricLineFont, CellHeightIsTheFontHeight) {
  for (int height : {20, 40, 72, 100}) {
    const TLline line = Line("Ёж", height);
    EXPECT_NEAR(line.TextHeight(), height, 1) << height;
  }
}

TEST(LyricLineLayout, CentredInTheSlot) {
  const TLline narrow = Line("Ой");
  EXPECT_EQ(narrow.OffsetX(), (800 - narrow.TextWidth()) / 2);
  EXPECT_EQ(narrow.OffsetY(), (79 - narrow.TextHeight()) / 2);
  const TLline wide = Line("Очень-очень длинная строка песни без конца");
  EXPECT_GT(wide.TextWidth(), 800);
  EXPECT_LT(wide.OffsetX(), 0);
  EXPECT_EQ(wide.OffsetX(), (800 - wide.TextWidth()) / 2) << "truncated toward zero";
}

TEST(LyricLineDraw, FractionOutsideZeroToOneDrawsNothing) {
  const TLline line = Line("Песня");
  for (float f : {1.0001f, -0.0001f, 2.0f, -1.0f, std::nanf("")}) {
    TSurface s = Black();
    line.DrawOnScreen(s, 0, 280, 0, f);
    EXPECT_EQ(Find(s.Image(), IsInk).count, 0) << f;
  }
}

TEST(LyricLineDraw, UnsungLineHasShadowTwoPixelsDownRight) {
  const TLline line = Line("Песня");
  TSurface s = Black();
  line.DrawOnScreen(s, 0, 280, 0, 0.0f);
  const QImage& image = s.Image();
  EXPECT_EQ(Find(image, IsSung).count, 0);
  const Extent text = Find(image, IsUnsung);
  const Extent shadow = Find(image, IsShadow);
  ASSERT_GT(text.count, 0);
  ASSERT_GT(shadow.count, 0);
  EXPECT_EQ(shadow.maxX, text.maxX + 2);
  EXPECT_EQ(shadow.maxY, text.maxY + 2);
  // Ink sits in the slot, at the text origin.
  const int tx = line.OffsetX();
  const int ty = 280 + kSlot.top + line.OffsetY();
  EXPECT_GE(text.minX, tx);
  EXPECT_LE(text.maxX, tx + line.CharBoxes().back().right);
  EXPECT_GE(text.minY, ty);
  EXPECT_LT(text.maxY, ty + line.TextHeight());
}

// Draws `line` sung up to (c, f) and returns the first column past the sung part.
int SungEdge(const TLline& line, int c, float f, QImage* out) {
  TSurface s = Black();
  line.DrawOnScreen(s, 0, 280, c, f);
  const Extent sung = Find(s.Image(), IsSung);
  *out = s.Image();
  return sung.count == 0 ? -1 : sung.maxX + 1;
}

TEST(LyricLineDraw, SungPartEndsAtTheExactPixel) {
  // Ш has ink across its whole width at the bottom bar, so the edge of the
  // green part is the clip edge itself.
  const TLline line = Line("ШШШ");
  const auto& boxes = line.CharBoxes();
  const int x0 = line.OffsetX() + boxes[0].left;
  const struct {
    int c;
    float f;
  } cases[] = {{0, 0.25f}, {0, 0.5f}, {1, 0.1f}, {1, 0.75f}, {2, 0.5f}};
  for (const auto& k : cases) {
    const TRect& box = boxes[k.c];
    const int expected = x0 - boxes[0].left + box.left +
                         static_cast<int>(std::nearbyint(k.f * (box.right - box.left)));
    QImage image;
    const int edge = SungEdge(line, k.c, k.f, &image);
    EXPECT_EQ(edge, expected) << "char " << k.c << " f " << k.f;
    // Nothing unsung shows left of the edge on the bottom bar's rows.
    const Extent unsung = Find(image, IsUnsung);
    EXPECT_GE(unsung.maxX, edge);
  }
}

TEST(LyricLineDraw, FullySungLineHasNoUnsungInk) {
  const TLline line = Line("Шум");
  QImage image;
  const int edge = SungEdge(line, line.CharCount() - 1, 1.0f, &image);
  EXPECT_GT(edge, line.OffsetX() + line.CharBoxes().back().left);
  EXPECT_LE(edge, line.OffsetX() + line.CharBoxes().back().right);
  EXPECT_EQ(Find(image, IsUnsung).count, 0);
  EXPECT_GT(Find(image, IsShadow).count, 0);
}

TEST(LyricLineDraw, HalfPixelRoundsToEven) {
  // Find a size at which Ш is an odd number of pixels wide: half of it is then
  // n + 0.5 and must round to the even neighbour.
  for (int height = 60; height < 90; ++height) {
    const TLline line = Line("Ш", height);
    const int w = line.CharBoxes()[0].right;
    if (w % 2 == 0) continue;
    const int half = w / 2;  // n; the product is n + 0.5
    const int even = half % 2 == 0 ? half : half + 1;
    QImage image;
    EXPECT_EQ(SungEdge(line, 0, 0.5f, &image), line.OffsetX() + even) << "width " << w;
    return;
  }
  FAIL() << "no odd-width letter found";
}

TEST(LyricLineDraw, LeadingSpacesShiftTheTextTwice) {
  const TLline plain = Line("Ш");
  const TLline spaced = Line("  Ш");
  const int spaces = spaced.CharBoxes()[0].left;
  TSurface a = Black();
  TSurface b = Black();
  plain.DrawOnScreen(a, 0, 280, 0, 0.0f);
  spaced.DrawOnScreen(b, 0, 280, 0, 0.0f);
  const int shift = Find(b.Image(), IsUnsung).minX - Find(a.Image(), IsUnsung).minX;
  // Centred with its spaces (half of them), then drawn two space-widths on.
  EXPECT_EQ(shift, spaced.OffsetX() - plain.OffsetX() + 2 * spaces);
}

TEST(LyricLineDraw, SpacesOnlyLineDrawsNothingAndReadsNoBox) {
  const TLline line = Line("    ");
  ASSERT_EQ(line.CharCount(), 0);
  const struct {
    int c;
    float f;
  } forms[] = {{0, 0.0f}, {0, 0.5f}, {-1, 1.0f}, {5, 1.0f}};
  for (const auto& k : forms) {
    TSurface s = Black();
    line.DrawOnScreen(s, 0, 280, k.c, k.f);
    EXPECT_EQ(Find(s.Image(), IsInk).count, 0);
  }
}

TEST(LyricLineDraw, CharacterIndexOutOfRangeDrawsUnsung) {
  const TLline line = Line("Да");
  for (int c : {-1, 2, 100}) {
    TSurface s = Black();
    line.DrawOnScreen(s, 0, 280, c, 0.5f);
    EXPECT_EQ(Find(s.Image(), IsSung).count, 0) << c;
    EXPECT_GT(Find(s.Image(), IsUnsung).count, 0) << c;
  }
}

}  // namespace
}  // namespace lyrova
