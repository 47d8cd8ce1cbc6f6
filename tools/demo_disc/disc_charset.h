#pragma once
// Writing text in the disc character set, the inverse of the table the
// catalogue reads encoded songs with.

#include <optional>
#include <string>
#include <string_view>

namespace lyrova::demo {

// The disc bytes for one CP1251 character: one byte, or the pair F0 F0 for
// Ё (a single F0 would be read as the escape). Nothing for characters the
// disc set cannot express (the Latin letters that read as Cyrillic ones, the
// underscore, ° and ±).
std::optional<std::string> EncodeDiscChar(unsigned char cp1251);

// Whole texts; throws lyrova::Error naming the text when a character has no
// disc form.
std::string EncodeDiscText(std::string_view cp1251);

// UTF-8 source text to CP1251; throws lyrova::Error when a character has no
// CP1251 form, so that no text is silently changed.
std::string Cp1251FromUtf8(std::string_view utf8);

}  // namespace lyrova::demo
