// The values the sliders show beside them, from the positions the singer
// sets, through the same mapping the performance uses.

#include <gtest/gtest.h>

#include <ostream>

#include "session/slider_rules.h"
#include "playback/master_settings.h"

namespace lyrova {
namespace {

struct ValueCase {
  TSliderKind kind;
  int position;
  const char* text;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
  *os << SliderRule(c.kind).hint << " at " << c.position;
}

std::string ShownAt(TSliderKind kind, int position) {
  switch (kind) {
    case TSliderKind::Tempo: return TempoText(TempoFactor(-position));
    case TSliderKind::Key: return KeyText(-position);
    case TSliderKind::Volume: return VolumeText(VolumeHundredthsDb(position));
  }
  return {};
}

class SliderValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(SliderValue, ShowsWhatThePerformanceGets) {
  const ValueCase& c = GetParam();
  EXPECT_EQ(ShownAt(c.kind, c.position), c.text) << "position " << c.position;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SliderValue,
    ::testing::Values(
        // The top end is fastest; faster steps are 2.5%, slower ones 2%.
        ValueCase{TSliderKind::Tempo, -40, "200%"}, ValueCase{TSliderKind::Tempo, -1, "102,5%"},
        ValueCase{TSliderKind::Tempo, 0, "100%"}, ValueCase{TSliderKind::Tempo, 1, "98%"},
        ValueCase{TSliderKind::Tempo, 13, "74%"}, ValueCase{TSliderKind::Tempo, 40, "20%"},
        ValueCase{TSliderKind::Tempo, -3, "107,5%"},
        // The key with its sign; the top end is +8.
        ValueCase{TSliderKind::Key, -8, "+8"}, ValueCase{TSliderKind::Key, 0, "0"},
        ValueCase{TSliderKind::Key, 3, "\u22123"},
        // 0.45 dB a step, shown to a tenth, half a tenth away from zero.
        ValueCase{TSliderKind::Volume, 0, "+15,0 дБ"}, ValueCase{TSliderKind::Volume, 50, "\u22127,5 дБ"},
        ValueCase{TSliderKind::Volume, 51, "\u22128,0 дБ"}, ValueCase{TSliderKind::Volume, 33, "+0,2 дБ"},
        ValueCase{TSliderKind::Volume, 34, "\u22120,3 дБ"}, ValueCase{TSliderKind::Volume, 100, "\u221230,0 дБ"}));

TEST(SliderRule, GrooveStepsAreSmallAndEveryStepShowsADifferentValue) {
  for (TSliderKind kind : {TSliderKind::Tempo, TSliderKind::Key, TSliderKind::Volume}) {
    const TSliderRule& rule = SliderRule(kind);
    EXPECT_EQ(rule.singleStep, 1);
    // A click on the groove from the resting place never reaches an end.
    EXPECT_LT(rule.start + rule.pageStep, rule.maximum);
    EXPECT_GT(rule.start - rule.pageStep, rule.minimum);
    for (int p = rule.minimum; p < rule.maximum; ++p)
      EXPECT_NE(ShownAt(kind, p), ShownAt(kind, p + 1)) << rule.label << " at " << p;
  }
  EXPECT_EQ(SliderRule(TSliderKind::Key).pageStep, 1);  // one semitone a click
}

}  // namespace
}  // namespace lyrova
