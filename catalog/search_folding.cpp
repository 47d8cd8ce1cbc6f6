#include "catalog/search_folding.h"

#include <array>

#include "catalog/cp1251.h"
#include "catalog/utf8_text.h"

namespace lyrova {
namespace {

constexpr unsigned char kCp1251CapitalYo = 0xA8;
constexpr unsigned char kCp1251CapitalYe = 0xC5;

const std::array<unsigned char, 256>& DiscFold() {
  static const std::array<unsigned char, 256> table = [] {
    std::array<unsigned char, 256> t{};
    for (int b = 0; b < 256; ++b) {
      const unsigned char upper = AnsiUpper(static_cast<unsigned char>(b));
      t[b] = upper == kCp1251CapitalYo ? kCp1251CapitalYe : upper;
    }
    return t;
  }();
  return table;
}

// The base capital of each letter from U+00C0 to U+017F; '?' keeps the
// letter (Æ, Œ, Ŋ, ß and the signs), upper-cased.
constexpr std::string_view kLatinBase =
    "AAAAAA?CEEEEIIII"
    "DNOOOOO?OUUUUY??"
    "AAAAAA?CEEEEIIII"
    "DNOOOOO?OUUUUY?Y"
    "AAAAAACCCCCCCCDD"
    "DDEEEEEEEEEEGGGG"
    "GGGGHHHHIIIIIIII"
    "II??JJKK?LLLLLLL"
    "LLLNNNNNN???OOOO"
    "OO??RRRRRRSSSSSS"
    "SSTTTTTTUUUUUUUU"
    "UUUUWWYYYZZZZZZS";
constexpr char32_t kLatinFirst = 0xC0;

}  // namespace

void FoldDiscTextInPlace(std::string& cp1251) {
  const auto& fold = DiscFold();
  for (char& ch : cp1251) ch = static_cast<char>(fold[static_cast<unsigned char>(ch)]);
}

std::string FoldDiscText(std::string_view cp1251) {
  std::string out(cp1251);
  FoldDiscTextInPlace(out);
  return out;
}

char32_t FoldLibraryCodePoint(char32_t c) {
  if (c >= kLatinFirst && c < kLatinFirst + kLatinBase.size()) {
    const char base = kLatinBase[c - kLatinFirst];
    if (base != '?') return static_cast<char32_t>(base);
  }
  switch (c) {
    case U'\u2018':
    case U'\u2019':
    case U'\u02BC':
      return U'\'';
    case U'\u0401':
    case U'\u0451':
      return U'\u0415';
    default:
      return UnicodeUpper(c);
  }
}

std::string FoldLibraryText(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    // Most of a text is ASCII: no decoding for it.
    if (byte < 0x80) {
      out += static_cast<char>(byte >= 'a' && byte <= 'z' ? byte - ('a' - 'A') : byte);
      ++i;
      continue;
    }
    AppendUtf8(out, FoldLibraryCodePoint(NextCodePoint(utf8, i)));
  }
  return out;
}

}  // namespace lyrova
