#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "display/display.h"
#include "video/lyric_page.h"

namespace lyrova {
namespace {

// Unsung blue, sung green, shadow red: pixels tell how a line is drawn.
TLyricLook Look(int strings) {
  TLyricLook look;
  look.fontHeight = 40;
  look.color1 = 0xFF0000;
  look.color2 = 0x00FF00;
  look.shadow = 0x0000FF;
  look.stringsCount = strings;
  return look;
}

struct Ink {
  int minX = 1 << 30, maxX = -1, sung = 0, unsung = 0;
  bool Empty() const { return maxX < 0; }
};

Ink InkIn(const QImage& image, int top, int bottom) {
  Ink ink;
  for (int y = std::max(0, top); y < std::min(bottom, image.height()); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if ((p & 0xFFFFFF) == 0) continue;
      ink.minX = std::min(ink.minX, x);
      ink.maxX = std::max(ink.maxX, x);
      if (qGreen(p) > 100 && qGreen(p) > qBlue(p)) ++ink.sung;
      if (qBlue(p) > 100 && qBlue(p) > qGreen(p)) ++ink.unsung;
    }
  }
  return ink;
}

// Lines of 1, 2, 3... letters, so that each line's ink has its own width;
// every character is sung for 100 units after an introduction of 1300.
class LyricPageTest : public testing::Test {
 protected:
  void Build(int words, int strings) {
    page_ = std::make_unique<TLyricPage>([=] { return Look(strings); });
    ASSERT_EQ(display_.OpenWindowed(nullptr, 800, 600), S_OK);
    ASSERT_EQ(page_->CreateSurface(display_), S_OK);
    std::vector<std::string> lines;
    for (int i = 1; i <= words; ++i) lines.push_back(std::string(static_cast<std::size_t>(i), 'W'));
    page_->SetLyrics(lines);
    TimingPairs pairs{{100, 1300}};
    std::int32_t t = 1400;
    for (int i = 1; i <= words; ++i) {
      for (int c = 0; c < i; ++c, t += 100) pairs.push_back({t, 100});
    }
    end_ = t;
    page_->SetTiming(pairs);
  }

  // Song time half-way through character `ch` of line `line`.
  std::int32_t During(int line, int ch) const {
    for (const TTimingEntry& e : page_->Snapshot()->timing)
      if (e.line == line && e.ch == ch) return e.start + e.length / 2;
    ADD_FAILURE() << "no entry for line " << line;
    return 0;
  }

  QImage Draw(std::int32_t t) {
    display_.FillBack(0);
    page_->DrawLyrics(display_, t);
    return display_.BackBuffer()->Image();
  }

  // The ink of line `line` drawn alone, unsung, as the page would place it
  // (the page's own lines are laid out, not rendered).
  Ink Alone(int line) {
    display_.FillBack(0);
    TLline l = (*page_->Snapshot()->lines)[static_cast<std::size_t>(line)];
    l.Init(l.Text(), l.FontName(), l.FontHeight(), l.Color1(), l.Color2(), l.Shadow());
    l.DrawOnScreen(*display_.BackBuffer(), 0, 280, 0, 0.0f);
    return InkIn(display_.BackBuffer()->Image(), 280 + l.Rect().top, 280 + l.Rect().bottom + 1);
  }

  Ink Slot(const QImage& image, int slot, int strings) const {
    const int h = TLyricPage::kTextHeight / strings;
    return InkIn(image, 280 + slot * h, 280 + slot * h + h);
  }

  void ExpectLine(const Ink& slot, int line, const char* what) {
    const Ink alone = Alone(line);
    EXPECT_EQ(slot.minX, alone.minX) << what << ": line " << line;
    EXPECT_EQ(slot.maxX, alone.maxX) << what << ": line " << line;
  }

  TDisplay display_;
  std::unique_ptr<TLyricPage> page_;
  std::int32_t end_ = 0;
};

TEST_F(LyricPageTest, SongTimeZeroDrawsNothing) {
  Build(3, 4);
  const QImage image = Draw(0);
  EXPECT_TRUE(InkIn(image, 0, 600).Empty());
}

TEST_F(LyricPageTest, IntroductionLightsTheIntroLine) {
  Build(3, 4);
  const QImage image = Draw(100 + 650);  // half of the introduction
  EXPECT_TRUE(InkIn(image, 0, 280).Empty()) << "only the lyric area is drawn on";
  const Ink intro = Slot(image, 0, 4);
  EXPECT_GT(intro.sung, 0);
  EXPECT_GT(intro.unsung, 0);
  ExpectLine(Slot(image, 1, 4), 1, "slot 1");
  ExpectLine(Slot(image, 2, 4), 2, "slot 2");
  ExpectLine(Slot(image, 3, 4), 3, "slot 3");
}

TEST_F(LyricPageTest, LastPageKeepsSungLinesLit) {
  // Six lines of words, seven with the intro line; line 5 is being sung.
  Build(6, 4);
  const QImage image = Draw(During(5, 2));
  const Ink s0 = Slot(image, 0, 4);
  ExpectLine(s0, 4, "slot 0, no line 8 to come");
  EXPECT_EQ(s0.unsung, 0) << "fully sung";
  EXPECT_GT(s0.sung, 0);
  const Ink s1 = Slot(image, 1, 4);
  ExpectLine(s1, 5, "slot 1");
  EXPECT_GT(s1.sung, 0);
  EXPECT_GT(s1.unsung, 0);
  const Ink s2 = Slot(image, 2, 4);
  ExpectLine(s2, 6, "slot 2");
  EXPECT_EQ(s2.sung, 0);
  EXPECT_TRUE(Slot(image, 3, 4).Empty());
}

TEST_F(LyricPageTest, SungSlotsShowTheNextLines) {
  // Nine lines with the intro line; line 2 is being sung.
  Build(8, 4);
  const QImage image = Draw(During(2, 1));
  const Ink s0 = Slot(image, 0, 4);
  ExpectLine(s0, 4, "slot 0");
  EXPECT_EQ(s0.sung, 0);
  ExpectLine(Slot(image, 1, 4), 5, "slot 1");
  EXPECT_EQ(Slot(image, 1, 4).sung, 0);
  const Ink s2 = Slot(image, 2, 4);
  ExpectLine(s2, 2, "slot 2");
  EXPECT_GT(s2.sung, 0);
  ExpectLine(Slot(image, 3, 4), 3, "slot 3");
  EXPECT_EQ(Slot(image, 3, 4).sung, 0);
}

TEST_F(LyricPageTest, BorderBetweenEntriesShowsTheEarlierOneFullySung) {
  Build(2, 4);
  // The border between line 2's first two characters: the first one is lit
  // to the end of its box, the second not at all.
  const QImage image = Draw(1500 + 100);
  const TLline& line = (*page_->Snapshot()->lines)[2];
  int sungRight = -1;
  for (int y = 280 + 160; y < 280 + 240; ++y)
    for (int x = 0; x < 800; ++x) {
      const QRgb p = image.pixel(x, y);
      if (qGreen(p) > 100 && qGreen(p) > qBlue(p)) sungRight = std::max(sungRight, x);
    }
  EXPECT_LT(sungRight, line.OffsetX() + line.CharBoxes()[0].right);
  EXPECT_GT(sungRight, line.OffsetX() + line.CharBoxes()[0].right - 10);
}

TEST_F(LyricPageTest, AfterTheLastEntryTheLastLineIsNotDrawn) {
  Build(2, 4);
  const QImage image = Draw(end_ + 50);
  EXPECT_FALSE(Slot(image, 0, 4).Empty()) << "the rest of the page stays";
  EXPECT_FALSE(Slot(image, 1, 4).Empty());
  EXPECT_TRUE(Slot(image, 2, 4).Empty());
  // Before the first entry the first line is the current one, not yet begun.
  const QImage before = Draw(50);
  EXPECT_TRUE(Slot(before, 0, 4).Empty());
  EXPECT_FALSE(Slot(before, 1, 4).Empty());
}

TEST_F(LyricPageTest, NewSongReplacesTheTables) {
  Build(2, 4);
  page_->SetLyrics({"W"});
  EXPECT_TRUE(InkIn(Draw(500), 0, 600).Empty()) << "lines without timing draw nothing";
}

TEST(LyricPageEdges, ZeroLengthLastEntryAndSpacesOnlyLines) {
  TDisplay display;
  ASSERT_EQ(display.OpenWindowed(nullptr, 800, 600), S_OK);
  TLyricPage page([] { return Look(2); });
  ASSERT_EQ(page.CreateSurface(display), S_OK);
  page.SetLyrics({"   ", "ab"});
  // intro 0..13, the spaces line at 13 (length 0), "a" 13..13, "b" at 20 with length 0.
  const TimingPairs pairs{{0, 13}, {13, 0}, {13, 0}, {20, 0}};
  page.SetTiming(pairs);
  ASSERT_EQ(page.Snapshot()->timing.size(), 16u);
  for (std::int32_t t : {1, 13, 14, 19, 20, 21, 1000, -5}) {
    display.FillBack(0);
    EXPECT_NO_THROW(page.DrawLyrics(display, t)) << t;
  }
  // At t = 20 the last entry is current with length 0: drawn fully sung.
  display.FillBack(0);
  page.DrawLyrics(display, 20);
  const Ink line2 = InkIn(display.BackBuffer()->Image(), 280, 440);
  EXPECT_GT(line2.sung, 0);
  EXPECT_EQ(line2.unsung, 0);
}

TEST(LyricPageEdges, MissingLyricSurfaceRaisesTheError) {
  TDisplay display;
  ASSERT_EQ(display.OpenWindowed(nullptr, 800, 600), S_OK);
  TLyricPage page([] { return Look(4); });
  page.SetLyrics({"ab"});
  page.SetTiming({{0, 13}});
  EXPECT_THROW(page.DrawLyrics(display, 5), Error);
}

}  // namespace
}  // namespace lyrova
