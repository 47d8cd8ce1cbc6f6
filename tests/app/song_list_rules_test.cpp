// The plain rules behind the song lists: sort order, playlist advance,
// search dispatch and the focus return.

#include <gtest/gtest.h>

#include <ostream>

#include "app/window/focus_return.h"
#include "session/playlist_advance.h"
#include "session/search_dispatch.h"
#include "session/song_order.h"
#include "session/song_row.h"
#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "tests/app/test_catalog.h"

namespace lyrova {
namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

struct OrderCase {
  const char* a;  // UTF-8, compared by CP1251 codes
  const char* b;
  int expected;
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << '"' << c.a << "\" vs \"" << c.b << '"'; }

class SongTextOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(SongTextOrder, ComparesLikeTheListsDo) {
  const OrderCase& c = GetParam();
  const std::string a = c.a, b = c.b;
  EXPECT_EQ(Sign(CompareSongText(a, b)), c.expected) << c.a << " vs " << c.b;
  EXPECT_EQ(Sign(CompareSongText(b, a)), -c.expected) << c.b << " vs " << c.a;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SongTextOrder,
    ::testing::Values(OrderCase{"abc", "ABC", 0},           // ASCII letters fold
                      OrderCase{"abc", "ABD", -1},
                      OrderCase{"Zebra", "apple", 1},       // folded: ZEBRA > APPLE
                      OrderCase{"Яблоко", "абрикос", -1},  // Cyrillic capitals before all smalls
                      OrderCase{"я", "Я", 1},               // Cyrillic case is not folded
                      OrderCase{"Ёлка", "Аист", -1},        // Ё (168) before А (192)
                      OrderCase{"ёж", "Аист", -1},          // ё (184) too
                      OrderCase{"Zorro", "Аист", -1},       // Latin before Cyrillic
                      OrderCase{"9", "A", -1},              // digits before letters
                      OrderCase{"Ab", "Abc", -1},           // a prefix comes first
                      OrderCase{"", "a", -1},
                      OrderCase{"0025", "0100", -1},        // padded codes sort as numbers
                      OrderCase{"[", "a", 1},               // "[" (91) after folded "A" (65)
                      OrderCase{"\xC3\xA9", "\xD1\x8F", 1},   // "é", which CP1251 lacks, after "я"
                      OrderCase{"Caf\xC3\xA9", "Cafe", 1},     // ... and after every ASCII letter
                      OrderCase{"\xC3\xA9", "\xC3\xAA", -1}));  // "é" before "ê" by number

TEST(SortedRowOrder, SortsByTheChosenColumnAndKeepsTiesInOrder) {
  const std::vector<SongRowTexts> rows = {
      {"0003", "b", "x", "", ""},
      {"0001", "a", "y", "", ""},
      {"0002", "b", "x", "", ""},
  };
  EXPECT_EQ(SortedRowOrder(rows, 0), (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(SortedRowOrder(rows, 1), (std::vector<int>{1, 0, 2}));
  EXPECT_EQ(SortedRowOrder(rows, 2), (std::vector<int>{0, 2, 1}));
  EXPECT_EQ(SortedRowOrder(rows, 7), (std::vector<int>{0, 1, 2}));
}

TEST(SortedRowOrder, LibraryCodesFollowTheDiscsInTheCodeColumn) {
  const std::vector<SongRowTexts> rows = {
      {"10002", "b", "", "", ""}, {"7001", "c", "", "", ""}, {"10001", "a", "", "", ""}, {"0025", "d", "", "", ""}};
  EXPECT_EQ(SortedRowOrder(rows, 0), (std::vector<int>{3, 1, 2, 0}));
  // Other columns compare as text whatever their length.
  EXPECT_EQ(SortedRowOrder(rows, 1), (std::vector<int>{2, 0, 1, 3}));
}

TEST(SongRow, ShowsTheCodeWithFourDigitsAndTheTextsInColumnOrder) {
  TSongHeader song;
  song.Code = 25;
  song.Name = "n";
  song.LyricAuthor = "l";
  song.MusicAuthor = "m";
  song.Singer = "s";
  EXPECT_EQ(SongRowOf(song), (SongRowTexts{"0025", "n", "s", "m", "l"}));
  EXPECT_EQ(FormatSongCode(12345), "12345");
  // The views hold UTF-8, whatever the catalogue's code page.
  song.Name = Utf8ToCp1251("Калинка");
  EXPECT_EQ(SongRowOf(song)[1], "Калинка");
}

struct AdvanceCase {
  const char* from;
  int index;
  int rows;
  int expected;
};

void PrintTo(const AdvanceCase& c, std::ostream* os) {
  *os << (*c.from ? c.from : "nothing") << " row " << c.index << " of " << c.rows;
}

class PlaylistAdvance : public ::testing::TestWithParam<AdvanceCase> {};

TEST_P(PlaylistAdvance, GoesOnOnlyWithinThePlaylist) {
  const AdvanceCase& c = GetParam();
  EXPECT_EQ(NextPlaylistRow(TPlayOrigin{c.from, c.index, 7}, c.rows, 7), c.expected);
}

TEST(PlaylistAdvance, OnlyTheEndOfTheSongTheRowStartedMovesOn) {
  // The row's song started as serial 7.
  EXPECT_EQ(NextPlaylistRow(TPlayOrigin{kPlaylistView, 1, 7}, 4, 7), 2);
  // The song before it ended a moment after the row was double-clicked.
  EXPECT_EQ(NextPlaylistRow(TPlayOrigin{kPlaylistView, 1, 7}, 4, 6), -1);
  // The row was double-clicked and its start has not been handled yet.
  EXPECT_EQ(NextPlaylistRow(TPlayOrigin{kPlaylistView, 1, 0}, 4, 6), -1);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlaylistAdvance,
                         ::testing::Values(AdvanceCase{"ListView1", 0, 4, -1},  // catalogue songs never advance
                                           AdvanceCase{"ListView1", 4, 9, -1},
                                           AdvanceCase{"", 0, 4, -1},           // nothing played yet
                                           AdvanceCase{"ListView2", 1, 4, 2},
                                           AdvanceCase{"ListView2", 2, 4, 3},
                                           AdvanceCase{"ListView2", 3, 4, -1},  // last row ends the run
                                           AdvanceCase{"ListView2", 5, 4, -1},  // rows deleted meanwhile
                                           AdvanceCase{"ListView2", -1, 4, -1},
                                           AdvanceCase{"listview2", 0, 4, -1}));

class SearchDispatch : public ::testing::Test {
 protected:
  SearchDispatch()
      : data_({{25, "Калинка", "Народные слова", "Народная музыка", "Хор"},
               {100, "Kalinka remix", "Smith", "Jones", "Band"},
               {3001, "Ночь", "Пушкин", "Глинка", "Соло Калинка"},
               {25, "Двойник", "", "", ""}}) {
    catalog_.LoadRecords(data_.Resources());
  }

  std::vector<std::uint32_t> FoundCodes() const {
    std::vector<std::uint32_t> codes;
    for (int i = 0; i < catalog_.Count(); ++i)
      if (catalog_.Record(i).Found) codes.push_back(catalog_.Record(i).Code);
    return codes;
  }

  test::TTestCatalog data_;
  TSongsCatalog catalog_;
};

TEST_F(SearchDispatch, CodeModeReadsTheTypedNumber) {
  for (const char* typed : {"100", "0100", " 100"}) {
    EXPECT_TRUE(RunSearch(catalog_, 0, typed));
    EXPECT_EQ(FoundCodes(), (std::vector<std::uint32_t>{100})) << typed;
  }
  // A code that two records share shows both.
  RunSearch(catalog_, 0, "25");
  EXPECT_EQ(FoundCodes(), (std::vector<std::uint32_t>{25, 25}));
  RunSearch(catalog_, 0, "2000");
  EXPECT_TRUE(FoundCodes().empty());
}

TEST_F(SearchDispatch, CodeModeRefusesTextThatIsNoNumberAndKeepsTheFlags) {
  RunSearch(catalog_, 0, "100");
  for (const char* typed : {"25a", "", "1 2", "99999999999"}) {
    try {
      RunSearch(catalog_, 0, typed);
      ADD_FAILURE() << "no error for " << typed;
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(typed) + "' is not a valid integer value");
    }
    EXPECT_EQ(FoundCodes(), (std::vector<std::uint32_t>{100}));
  }
}

TEST_F(SearchDispatch, NoChosenItemRunsNoSearch) {
  RunSearch(catalog_, 0, "100");
  EXPECT_FALSE(RunSearch(catalog_, -1, "25"));
  EXPECT_FALSE(RunSearch(catalog_, 6, "25"));
  EXPECT_EQ(FoundCodes(), (std::vector<std::uint32_t>{100}));
}

struct FakeControl {
  bool canTakeFocus = true;
};

TEST(FocusReturn, GoesBackToTheLastControlLeftWhenItCanTakeTheFocus) {
  FakeControl list, edit;
  TFocusReturn<FakeControl*> focus;
  const auto able = [](FakeControl* c) { return c->canTakeFocus; };
  EXPECT_EQ(focus.Target(able), nullptr);
  focus.Exited(&list);
  focus.Exited(&edit);
  EXPECT_EQ(focus.Target(able), &edit);
  edit.canTakeFocus = false;
  EXPECT_EQ(focus.Target(able), nullptr);
}

}  // namespace
}  // namespace lyrova
