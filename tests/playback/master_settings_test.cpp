#include "playback/master_settings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lyrova {
namespace {

struct TempoCase {
  int position;
  float factor;
};

class TempoFactorTest : public testing::TestWithParam<TempoCase> {};

TEST_P(TempoFactorTest, TrackBarPositionGivesTheTableFactor) {
  // The window sends the negated position.
  EXPECT_FLOAT_EQ(TempoFactor(-GetParam().position), GetParam().factor);
}

INSTANTIATE_TEST_SUITE_P(Table, TempoFactorTest,
                         testing::Values(TempoCase{-40, 2.0f}, TempoCase{-30, 1.75f}, TempoCase{-20, 1.5f},
                                         TempoCase{-10, 1.25f}, TempoCase{-1, 1.025f}, TempoCase{0, 1.0f},
                                         TempoCase{1, 0.98f}, TempoCase{10, 0.8f}, TempoCase{20, 0.6f},
                                         TempoCase{30, 0.4f}, TempoCase{40, 0.2f}));

TEST(TempoFactor, EveryPositionIsPositiveAndFasterUpwards) {
  for (int a = -40; a < 40; ++a) {
    EXPECT_GT(TempoFactor(a), 0.0f) << a;
    EXPECT_LT(TempoFactor(a), TempoFactor(a + 1)) << a;
  }
}

TEST(Volume, HundredthsOfADecibelFollowTheTrackBar) {
  const struct {
    int position;
    int hundredths;
  } cases[] = {{0, 1500}, {1, 1455}, {50, -750}, {99, -2955}, {100, -3000}};
  for (const auto& c : cases) EXPECT_EQ(VolumeHundredthsDb(c.position), c.hundredths) << c.position;
}

TEST(Volume, GainIsTheSynthesizerDefaultAtZeroDecibelsAndScalesByDecibels) {
  EXPECT_FLOAT_EQ(SynthGain(0), 0.2f);
  EXPECT_NEAR(SynthGain(1500), 0.2 * std::pow(10.0, 15.0 / 20), 1e-6);
  EXPECT_NEAR(SynthGain(-3000), 0.2 * std::pow(10.0, -30.0 / 20), 1e-7);
  // 20 dB is a factor of ten whatever the starting point.
  EXPECT_NEAR(SynthGain(-750) / SynthGain(-2750), 10.0, 1e-4);
}

}  // namespace
}  // namespace lyrova
