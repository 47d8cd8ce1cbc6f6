#pragma once
// The lyric font's size is kept in pixels; font dialogs speak in points.

#include <QFont>

namespace lyrova {

// The font's height in pixels at `dpi` dots per inch (rounded, as Windows
// rounds it), brought into the 20 to 120 pixels the lyrics allow.
int FontPixelHeight(const QFont& font, qreal dpi);

}  // namespace lyrova
