#pragma once
// Windows code page 1251, the character set of every text on the disc and in
// the settings and playlist files. The catalogue's records, the settings and
// the messages are held in it; the words of a song and the library's texts
// are UTF-8. These convert between the two and at the screen and console.

#include <string>
#include <string_view>

namespace lyrova {

char32_t Cp1251ToUnicode(unsigned char b);
// The byte for a code point, or -1 when the code page has none.
int UnicodeToCp1251(char32_t c);

std::string Cp1251ToUtf8(std::string_view text);
// Characters the code page lacks become '?'.
std::string Utf8ToCp1251(std::string_view text);

// Upper-casing as the Russian Windows locale does it for CP1251 text.
unsigned char AnsiUpper(unsigned char b);
std::string AnsiUpperCase(std::string_view text);
void AnsiUpperCaseInPlace(std::string& text);

}  // namespace lyrova
