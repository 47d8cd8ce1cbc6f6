#include "catalog/text_lines.h"

#include <algorithm>

namespace lyrova {

std::vector<std::string> SplitLines(std::string_view text) {
  const std::vector<std::string_view> views = SplitLineViews(text);
  return {views.begin(), views.end()};
}

std::vector<std::string_view> SplitLineViews(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(pos));
      break;
    }
    lines.push_back(text.substr(pos, end - pos));
    pos = end + 1;
    if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
  }
  return lines;
}

std::size_t CountTimedUnits(const std::vector<std::string>& lines) {
  std::size_t units = 1;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    const auto sung = static_cast<std::size_t>(std::count_if(line.begin(), line.end(),
                                                             [](char c) { return c != ' '; }));
    units += std::max<std::size_t>(sung, 1);
  }
  return units;
}

}  // namespace lyrova
