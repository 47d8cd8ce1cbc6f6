#pragma once
// TLline: one line of lyrics in its slot of the lyric area. Layout measures
// every character once; Init also renders the line once, and drawing then
// only blits the cached pictures, the sung part clipped at the exact pixel
// inside the character being sung.

#include <QImage>
#include <string>
#include <vector>

#include "display/lyric_font.h"
#include "display/surface.h"

namespace lyrova {

struct TRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const TRect&) const = default;
};

class TLline {
 public:
  explicit TLline(const TRect& slot);

  // text: UTF-8, spaces included; each character (code point) is one box. fontHeight: the font's cell height in
  // pixels (see MakeLyricFont). Colours are Windows colour values. Call once.
  void Init(const std::string& text, const std::string& fontName, int fontHeight,
            ColorRef color1, ColorRef color2, ColorRef shadow, int shadowOffset = kShadowOffset);
  // Measures and keeps the values without rendering: such a line draws
  // nothing, but says what a rendered one would measure (cheap enough for
  // the GUI thread).
  void Layout(const std::string& text, const std::string& fontName, int fontHeight,
              ColorRef color1, ColorRef color2, ColorRef shadow, int shadowOffset = kShadowOffset);

  // Draws the line with the lyric area's origin at (x, y): shadow, unsung
  // text, and the sung part up to fraction f of box c. f outside 0..1 draws
  // nothing. Safe on any thread once Init has returned (it changes nothing).
  void DrawOnScreen(TSurface& surface, int x, int y, int c, float f) const;

  const std::string& Text() const { return text_; }
  const std::string& FontName() const { return fontName_; }
  int FontHeight() const { return fontHeight_; }
  ColorRef Color1() const { return color1_; }
  ColorRef Color2() const { return color2_; }
  ColorRef Shadow() const { return shadow_; }
  const TRect& Rect() const { return rect_; }
  int CharCount() const { return static_cast<int>(charBoxes_.size()); }
  // One box per non-space character: pixel offsets from the text's start.
  const std::vector<TRect>& CharBoxes() const { return charBoxes_; }
  int OffsetX() const { return offsetX_; }
  int OffsetY() const { return offsetY_; }
  // The whole text's measured extent.
  int TextWidth() const { return textWidth_; }
  int TextHeight() const { return textHeight_; }

 private:
  TRect rect_;
  int width_;
  int height_;
  std::string text_;
  std::string fontName_;
  int fontHeight_ = 0;
  ColorRef color1_ = 0;
  ColorRef color2_ = 0;
  ColorRef shadow_ = 0;
  int shadowOffset_ = kShadowOffset;
  std::vector<QString> chars_;   // the text's characters
  std::vector<int> positions_;  // of every character, spaces included
  std::vector<TRect> charBoxes_;
  int offsetX_ = 0;
  int offsetY_ = 0;
  int textWidth_ = 0;
  int textHeight_ = 0;

  // The line as drawn at text origin (0, 0), shifted by cacheOrigin: once
  // unsung (shadow and text) and once fully sung (shadow, text, sung text).
  QImage unsung_;
  QImage sung_;
  int cacheLeft_ = 0;
  int cacheTop_ = 0;

  void Render(const QFont& font);
};

// Fills a surface with a raw pixel value; throws lyrova::Error with the
// description of the result code when that fails.
void FillSurface(TSurface& surface, std::uint32_t pixel);

}  // namespace lyrova
