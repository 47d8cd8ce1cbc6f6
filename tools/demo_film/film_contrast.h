#pragma once
// How well lyric colours read over a film: the WCAG contrast ratio of a text
// colour against the film behind the lyric band, picture by picture.

#include <string>
#include <vector>

#include "display/surface.h"

namespace lyrova {

// WCAG 2 relative luminance of an sRGB colour, and the contrast ratio of two
// luminances (1 to 21).
double RelativeLuminance(ColorRef colour);
double ContrastRatio(double luminance1, double luminance2);

struct TContrastFigures {
  int frames = 0;
  double lowest = 0.0;
  double median = 0.0;
  double share = 0.0;  // of the pictures with at least the wanted ratio
};

// The mean luminance of the lyric band (the bottom 320 of 600 rows) of each
// of the first `frames` pictures of `film`, decoded at 800 x 600. Throws
// lyrova::Error when the film cannot be read.
std::vector<double> BandLuminances(const std::string& film, int frames);

// The contrast of `text` against each band luminance, and the share of them
// reaching `wanted`.
TContrastFigures ContrastOver(const std::vector<double>& bands, ColorRef text, double wanted);

}  // namespace lyrova
