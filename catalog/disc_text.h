#pragma once
// The disc character set: text of encoded songs (header text and words) is
// converted to CP1251 through a byte table, with 0xF0 as an escape byte.

#include <string>
#include <string_view>

namespace lyrova {

enum class QuoteMode { Keep, Drop };

// The table value of one disc byte (no escape handling).
unsigned char DiscCharToCp1251(unsigned char b);

std::string ConvertDiscText(std::string_view disc, QuoteMode mode);
// As ConvertDiscText, into `out` (replacing its content, reusing its storage).
void ConvertDiscTextInto(std::string_view disc, QuoteMode mode, std::string& out);

}  // namespace lyrova
