#include "config/font_pixels.h"

#include <algorithm>
#include <cmath>

#include "config/settings_values.h"

namespace lyrova {

int FontPixelHeight(const QFont& font, qreal dpi) {
  const double pixels = font.pixelSize() > 0 ? font.pixelSize() : std::round(font.pointSizeF() * dpi / 72.0);
  return static_cast<int>(std::clamp<double>(pixels, SettingsValues::kMinFontHeight, SettingsValues::kMaxFontHeight));
}

}  // namespace lyrova
