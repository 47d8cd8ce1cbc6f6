#include "config/font_pixels.h"

#include <algorithm>
#include <cmath>

#include "config/settings_values.h"

namespace lyrova {

int FontPixelHeight(const QFont& font, qreal dpi) {
  const double pixels = font.pixelSize() > 0 ? font.pixelSize() : std::round(font.pointSizeF() * dpi / 72.0);
  return static_cast<int>(std::clamp<double>(pixels, SettingsValues::kMinFontHeight, SettingsValues::kMaxFontHeight));
}

qreal FontPointSize(int pixels, qreal dpi) { return pixels * 72.0 / dpi; }

bool SameFontSize(const QFont& a, const QFont& b) {
  if (a.pixelSize() > 0 || b.pixelSize() > 0) return a.pixelSize() == b.pixelSize();
  // Font dialogs offer whole points, so a size shown and left alone comes back rounded.
  return std::lround(a.pointSizeF()) == std::lround(b.pointSizeF());
}

}  // namespace lyrova
