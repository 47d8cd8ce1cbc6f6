#include "display/lyric_font.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "catalog/cp1251.h"
#include "catalog/utf8_text.h"

namespace lyrova {
namespace {

constexpr int kFaceNameMax = 31;
// Font heights are hand-editable in the settings file; past this a line would
// only cost memory without ever fitting the picture.
constexpr int kMaxFontHeight = 1000;
// The cell height a font gets when the settings ask for height 0.
constexpr int kDefaultCellHeight = 16;

int CellOf(const QFont& font) {
  const QFontMetrics metrics(font);
  return metrics.ascent() + metrics.descent();
}

}  // namespace

// A positive height is the cell height, as Windows fonts take them; Qt's pixel
// size is the character height, so the cell is matched in a few steps.
QFont MakeLyricFont(const std::string& faceName, int height) {
  QFont font(QString::fromUtf8(Cp1251ToUtf8(faceName.substr(0, kFaceNameMax))));
  font.setWeight(QFont::Black);
  font.setStyleStrategy(QFont::PreferAntialias);
  font.setKerning(false);
  if (height < 0) {
    font.setPixelSize(static_cast<int>(std::min(-static_cast<long long>(height), 1LL * kMaxFontHeight)));
    return font;
  }
  const int cell = height == 0 ? kDefaultCellHeight : std::min(height, kMaxFontHeight);
  int pixelSize = cell;
  font.setPixelSize(pixelSize);
  for (int step = 0; step < 4; ++step) {
    const int got = CellOf(font);
    if (got == cell || got <= 0) break;
    const int next = std::max(1, static_cast<int>(std::lround(1.0 * pixelSize * cell / got)));
    if (next == pixelSize) break;
    pixelSize = next;
    font.setPixelSize(pixelSize);
  }
  return font;
}

int PageFontHeight(int cellHeight, int fontHeight, int stringsCount, int areaHeight) {
  const int slot = areaHeight / std::max(1, stringsCount);
  const int room = std::max(1, slot - kShadowOffset);
  return cellHeight <= room ? fontHeight : room;
}

int PageFontHeight(const std::string& faceName, int fontHeight, int stringsCount, int areaHeight) {
  return PageFontHeight(CellOf(MakeLyricFont(faceName, fontHeight)), fontHeight, stringsCount,
                        areaHeight);
}

QColor LyricColour(ColorRef c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

int LyricTextWidth(const std::string& text, const QFont& font) {
  const QFontMetrics metrics(font);
  int width = 0;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    width += metrics.horizontalAdvance(QString::fromUcs4(&c, 1));
  }
  return width;
}

int FittingFontHeight(const std::string& text, const std::string& faceName, int fontHeight,
                      int width) {
  const QFont asked = MakeLyricFont(faceName, fontHeight);
  const int wide = LyricTextWidth(text, asked) + kShadowOffset;
  if (wide <= width) return fontHeight;
  // Widths grow with the cell height nearly in proportion; the rounding of
  // each character's advance is settled by measuring again.
  int cell = std::max(1, static_cast<int>(1.0 * CellOf(asked) * width / wide));
  while (cell > 1 && LyricTextWidth(text, MakeLyricFont(faceName, cell)) + kShadowOffset > width) {
    --cell;
  }
  return cell;
}

}  // namespace lyrova
