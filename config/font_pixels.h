#pragma once
// The lyric font's size is kept in pixels; font dialogs speak in points.

#include <QFont>

namespace lyrova {

// The font's height in pixels at `dpi` dots per inch (rounded, as Windows
// rounds it), brought into the 20 to 120 pixels the lyrics allow.
int FontPixelHeight(const QFont& font, qreal dpi);
// The point size that shows `pixels` at `dpi`.
qreal FontPointSize(int pixels, qreal dpi);
// True when both fonts have the same size, in whole points.
bool SameFontSize(const QFont& a, const QFont& b);

}  // namespace lyrova
