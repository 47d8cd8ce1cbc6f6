#include "app/core/song_order.h"

#include <algorithm>
#include <numeric>

namespace lyrova {

namespace {

unsigned char FoldAscii(unsigned char b) {
  return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - ('a' - 'A')) : b;
}

}  // namespace

int CompareSongText(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int ca = FoldAscii(static_cast<unsigned char>(a[i]));
    const int cb = FoldAscii(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca - cb;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::vector<int> SortedRowOrder(const std::vector<SongRowTexts>& rows, int column) {
  std::vector<int> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  if (column < 0 || column >= static_cast<int>(SongRowTexts{}.size())) return order;
  std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
    return CompareSongText(rows[x][column], rows[y][column]) < 0;
  });
  return order;
}

}  // namespace lyrova
