#include <gtest/gtest.h>

#include <filesystem>

#include "config/ini_file.h"
#include "tests/video/test_film.h"
#include "video/video_placement.h"

namespace lyrova {
namespace {

const TScreenArea kLaptop{"eDP-1", QRect(0, 0, 1920, 1050)};
const TScreenArea kSmall{"LVDS-1", QRect(0, 0, 1366, 738)};
const TScreenArea kTelevision{"HDMI-1", QRect(1920, 0, 1920, 1080)};

struct FirstStart {
  const char* what;
  TScreenArea screen;
  QRect main;
};

class OneScreenFirstStart : public testing::TestWithParam<FirstStart> {};

// The singer's window may cover part of the main window, never all of it,
// and stays on the screen.
TEST_P(OneScreenFirstStart, LeavesTheMainWindowInSight) {
  const FirstStart& c = GetParam();
  const TVideoPlacement p = PlaceVideoWindow({c.screen}, c.main, std::nullopt);
  EXPECT_EQ(p.screen, c.screen.name);
  EXPECT_EQ(p.state, TVideoState::Normal);
  EXPECT_TRUE(c.screen.available.contains(p.geometry)) << p.geometry.x() << "," << p.geometry.y();
  EXPECT_FALSE(p.geometry.contains(c.main.center())) << "the main window's centre is covered";
  EXPECT_GE(p.geometry.width(), kMinBesideWidth);
  EXPECT_NEAR(p.geometry.width() * 3, p.geometry.height() * 4, 4) << "the design's shape";
}

INSTANTIATE_TEST_SUITE_P(
    Screens, OneScreenFirstStart,
    testing::Values(FirstStart{"Centred", kLaptop, QRect(560, 225, 800, 600)},
                    FirstStart{"AtTheLeft", kLaptop, QRect(0, 0, 900, 700)},
                    FirstStart{"AtTheRight", kLaptop, QRect(1000, 100, 920, 900)},
                    FirstStart{"SmallScreenCentred", kSmall, QRect(283, 69, 800, 600)},
                    FirstStart{"MainWindowFillingIt", kSmall, QRect(0, 0, 1366, 738)}),
    [](const testing::TestParamInfo<FirstStart>& info) { return std::string(info.param.what); });

TEST(VideoPlacement, BesideAWideFreeSideNothingOfTheMainWindowIsCovered) {
  const QRect main(560, 225, 800, 600);
  const TVideoPlacement p = PlaceVideoWindow({kLaptop}, main, std::nullopt);
  EXPECT_FALSE(p.geometry.intersects(main));
  EXPECT_EQ(p.geometry, QRect(1360, 225, 560, 420));
}

TEST(VideoPlacement, TwoScreensOpenOnTheOtherOne) {
  for (const QRect& main : {QRect(100, 100, 800, 600), QRect(2200, 100, 800, 600)}) {
    const TVideoPlacement p = PlaceVideoWindow({kLaptop, kTelevision}, main, std::nullopt);
    const TScreenArea& other = main.x() < 1920 ? kTelevision : kLaptop;
    EXPECT_EQ(p.screen, other.name);
    EXPECT_EQ(p.geometry.size(), QSize(800, 600));
    EXPECT_EQ(p.geometry.center(), other.available.center());
  }
}

TEST(VideoPlacement, TheSavedPlaceIsKeptWhileItsScreenIsThere) {
  const TVideoPlacement saved{"HDMI-1", QRect(2000, 50, 1024, 768), TVideoState::FullScreen};
  EXPECT_EQ(PlaceVideoWindow({kLaptop, kTelevision}, QRect(0, 0, 800, 600), saved), saved);
  // Partly off its screen (a resolution changed): moved back on it.
  TVideoPlacement off = saved;
  off.geometry.moveLeft(3500);
  EXPECT_EQ(PlaceVideoWindow({kLaptop, kTelevision}, QRect(0, 0, 800, 600), off).geometry,
            QRect(3840 - 1024, 50, 1024, 768));
  // The television is gone: placed as at a first start.
  const TVideoPlacement alone = PlaceVideoWindow({kLaptop}, QRect(560, 225, 800, 600), saved);
  EXPECT_EQ(alone.screen, "eDP-1");
  EXPECT_EQ(alone.state, TVideoState::Normal);
}

TEST(VideoPlacement, TheVideoKeysRoundTrip) {
  TIniFile ini((testing_film::Folder() / "placement.ini").string());
  std::filesystem::remove(ini.FileName());
  EXPECT_FALSE(ReadVideoPlacement(ini).has_value()) << "never placed";
  const TVideoPlacement place{"HDMI-1", QRect(-20, 40, 1280, 720), TVideoState::Maximised};
  WriteVideoPlacement(ini, place);
  EXPECT_EQ(ReadVideoPlacement(ini), place);
}

}  // namespace
}  // namespace lyrova
