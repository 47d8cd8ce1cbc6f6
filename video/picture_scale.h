#pragma once
// How the singer's picture, designed at 800 x 600, sits in a picture of any
// size: scaled uniformly as far as it fits, centred; what lies beyond it at
// the sides or above and below is film only.

#include <cmath>

namespace lyrova {

struct TPictureScale {
  static constexpr int kDesignWidth = 800;
  static constexpr int kDesignHeight = 600;

  double scale = 1.0;
  double left = 0.0;  // where the design's left edge lies, in picture pixels
  double top = 0.0;

  static TPictureScale For(int width, int height) {
    TPictureScale s;
    s.scale = std::fmin(static_cast<double>(width) / kDesignWidth,
                        static_cast<double>(height) / kDesignHeight);
    if (!(s.scale > 0.0)) s.scale = 1.0;
    s.left = (width - kDesignWidth * s.scale) / 2.0;
    s.top = (height - kDesignHeight * s.scale) / 2.0;
    return s;
  }

  // A design length, and design coordinates, in picture pixels.
  int Length(double design) const { return static_cast<int>(std::lround(design * scale)); }
  int X(double design) const { return static_cast<int>(std::lround(left + design * scale)); }
  int Y(double design) const { return static_cast<int>(std::lround(top + design * scale)); }
  // A font height (negative ones too) at this scale, never 0.
  int FontHeight(int design) const {
    const int h = Length(design);
    if (h == 0) return design < 0 ? -1 : 1;
    return h;
  }
};

}  // namespace lyrova
