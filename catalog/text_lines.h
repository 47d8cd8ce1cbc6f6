#pragma once
// Lines of a song's words and of the catalogue's text resource.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lyrova {

// Splits at CR, LF or CR LF. A break at the very end starts no further line.
std::vector<std::string> SplitLines(std::string_view text);
// The same lines as views into text.
std::vector<std::string_view> SplitLineViews(std::string_view text);

// How many timing pairs words of these lines take: one for the introduction,
// one per character other than the space, and one for a line of spaces only.
std::size_t CountTimedUnits(const std::vector<std::string>& lines);

}  // namespace lyrova
