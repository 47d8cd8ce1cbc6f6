#pragma once
// A playlist row as one value of a playlist file: the code caption, then
// title, singer, music author and words author, separated by commas.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace lyrova {

// Caption (the code as "%.4d"), title, singer, music author, words author;
// CP1251. The same shape as a row of the song views.
using PlaylistRow = std::array<std::string, 5>;

// A text as it stands in a row value: enclosed in double quotes, with its
// own quotes doubled, when it holds a space, a control character, a double
// quote or a comma; unchanged otherwise (an empty text stays empty). Line
// breaks become spaces, since a row value must stay on one line of the file.
std::string QuoteRowText(std::string_view text);

// The caption unchanged, then the four texts quoted as above.
std::string RowValue(const PlaylistRow& row);

// Splits a row value into its fields. Blanks (codes 1 to 32) around fields
// and commas are skipped; a quoted field runs to its closing quote, with
// doubled quotes standing for one; any other field ends at a blank or a
// comma, so an unquoted space splits a text in two. A comma at the very end
// adds an empty field; an empty value gives no field. A NUL ends the value.
std::vector<std::string> SplitRowValue(std::string_view value);

}  // namespace lyrova
