#include "session/song_order.h"

#include <algorithm>
#include <numeric>

#include "catalog/cp1251.h"
#include "catalog/utf8_text.h"

namespace lyrova {

namespace {

// A character's place in the order: its CP1251 code with a to z folded, or
// past the code page for the characters it lacks.
std::uint32_t OrderKey(char32_t c) {
  const int b = UnicodeToCp1251(c);
  if (b < 0) return 0x100 + static_cast<std::uint32_t>(c);
  return (b >= 'a' && b <= 'z') ? static_cast<std::uint32_t>(b - ('a' - 'A')) : static_cast<std::uint32_t>(b);
}

}  // namespace

int CompareSongText(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const std::uint32_t ka = OrderKey(NextCodePoint(a, i));
    const std::uint32_t kb = OrderKey(NextCodePoint(b, j));
    if (ka != kb) return ka < kb ? -1 : 1;
  }
  if (i == a.size() && j == b.size()) return 0;
  return i == a.size() ? -1 : 1;
}

std::vector<int> SortedRowOrder(const std::vector<SongRowTexts>& rows, int column) {
  std::vector<int> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  if (column < 0 || column >= static_cast<int>(SongRowTexts{}.size())) return order;
  std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
    const std::string& a = rows[x][column];
    const std::string& b = rows[y][column];
    // Codes are zero-padded to four digits, so they sort as numbers as text
    // does; the library's five-digit codes come after all of them.
    if (column == 0 && a.size() != b.size()) return a.size() < b.size();
    return CompareSongText(a, b) < 0;
  });
  return order;
}

}  // namespace lyrova
