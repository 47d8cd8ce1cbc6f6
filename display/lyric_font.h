#pragma once
// The lyric font as the settings describe it, and the rules that make a page
// of lines fit the lyric area: a line too wide for it gets a smaller font, a
// page whose lines would overlap gets a smaller font for all of them.

#include <QColor>
#include <QFont>
#include <string>

#include "display/surface.h"

namespace lyrova {

// Pixels the shadow lies to the right of and below the text.
inline constexpr int kShadowOffset = 2;
// The height of the lyric area at the bottom of the 800 x 600 picture.
inline constexpr int kLyricAreaHeight = 320;

// faceName: CP1251, cut to 31 characters. A positive height is the cell
// height (ascent + descent), a negative one the character height, 0 the
// default cell of 16 pixels; heights past 1000 pixels are held at 1000.
QFont MakeLyricFont(const std::string& faceName, int height);

// The font height every line of a page of `stringsCount` lines uses in a
// lyric area `areaHeight` high: `fontHeight` when its cell and shadow fit a
// line's slot, else the largest cell height that does (a positive height).
int PageFontHeight(int cellHeight, int fontHeight, int stringsCount, int areaHeight);
// The same, measuring the cell of the font the settings name.
int PageFontHeight(const std::string& faceName, int fontHeight, int stringsCount,
                   int areaHeight = kLyricAreaHeight);

// The font height at which `text` (UTF-8) is at most `width` pixels wide:
// `fontHeight` when it already is, else a smaller positive cell height (at
// least 1). The height a line is drawn with keeps its proportion to the
// page's.
int FittingFontHeight(const std::string& text, const std::string& faceName, int fontHeight,
                      int width);

// A Windows colour value as Qt takes it.
QColor LyricColour(ColorRef c);

// The measured width of `text` (UTF-8) in `font`, the sum of its characters' advances.
int LyricTextWidth(const std::string& text, const QFont& font);

}  // namespace lyrova
