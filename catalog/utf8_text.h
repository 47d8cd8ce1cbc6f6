#pragma once
// UTF-8 texts: code points in and out, and upper-casing for the searches.

#include <string>
#include <string_view>

namespace lyrova {

void AppendUtf8(std::string& out, char32_t c);

// Decodes one UTF-8 sequence at s[i] and moves i past it; malformed input
// yields U+FFFD and one byte.
char32_t NextCodePoint(std::string_view s, std::size_t& i);

// Simple Unicode upper-casing of Latin, Greek and Cyrillic letters, which
// for every character of CP1251 agrees with the Windows ANSI upper-casing
// (µ and ß stay as they are).
char32_t UnicodeUpper(char32_t c);
std::string Utf8UpperCase(std::string_view text);

}  // namespace lyrova
