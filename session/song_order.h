#pragma once
// The order of the song views when a column header is clicked.

#include <string_view>
#include <vector>

#include "session/playlist_row.h"

namespace lyrova {

// Compares two UTF-8 texts character by character as CP1251 codes: only the
// ASCII letters a to z fold to capitals, every other character compares by
// its CP1251 code, and a prefix sorts before the longer text. Characters the
// code page lacks sort after all of it, by their Unicode number. Negative,
// zero or positive like strcmp. Cyrillic case therefore matters, which users
// of the old lists are used to.
int CompareSongText(std::string_view a, std::string_view b);

// One row of a song view: the code caption, then title, singer, music author
// and words author, all UTF-8; the same shape a playlist file stores.
using SongRowTexts = PlaylistRow;

// The row positions of `rows` in ascending order of `column` (0 to 4); code
// captions of more digits come after shorter ones. Rows with equal texts
// keep their order, so a second click changes nothing.
std::vector<int> SortedRowOrder(const std::vector<SongRowTexts>& rows, int column);

}  // namespace lyrova
