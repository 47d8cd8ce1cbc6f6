#include <gtest/gtest.h>

#include "tests/video/test_film.h"
#include "tools/demo_film/film_contrast.h"

namespace lyrova {
namespace {

TEST(FilmContrast, WcagFigures) {
  EXPECT_NEAR(RelativeLuminance(0xFFFFFF), 1.0, 1e-9);
  EXPECT_NEAR(RelativeLuminance(0), 0.0, 1e-9);
  EXPECT_NEAR(RelativeLuminance(0xFF0000), 0.0722, 1e-9);  // pure blue
  EXPECT_NEAR(ContrastRatio(1.0, 0.0), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(0.0, 1.0), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(0.5, 0.5), 1.0, 1e-9);
}

// The defaults over the demo film: unsung blue reaches 3:1 on nine pictures
// in ten; sung white cannot over the same picture (no backdrop gives both
// 3:1: the best for both is 2.93:1), so it stays within a tenth of it, and
// its black shadow frames it.
TEST(FilmContrast, TheDefaultColoursReadOverTheDemoFilm) {
  const std::vector<double> bands = BandLuminances(testing_film::Film(), 100);
  ASSERT_EQ(bands.size(), 100u);
  const TContrastFigures unsung = ContrastOver(bands, 0xFF0000, 3.0);
  EXPECT_GE(unsung.share, 0.9) << "lowest " << unsung.lowest;
  const TContrastFigures sung = ContrastOver(bands, 0xFFFFFF, 2.7);
  EXPECT_GE(sung.share, 0.9) << "lowest " << sung.lowest;
  EXPECT_GE(ContrastOver(bands, 0, 3.0).share, 0.9);
}

}  // namespace
}  // namespace lyrova
