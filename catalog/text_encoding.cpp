#include "catalog/text_encoding.h"

#include <array>

#include "catalog/cp1251.h"
#include "catalog/utf8_text.h"

namespace lyrova {
namespace {

// Code points of CP1252 bytes 0x80 to 0x9F; the five bytes without a
// character keep their C1 control codes.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool IsAsciiLetter(unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
bool IsCp1252Hole(unsigned char c) {
  return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    std::size_t n = 0;
    char32_t c = 0;
    char32_t min = 0;
    if (b >= 0xC2 && b <= 0xDF) n = 1, c = b & 0x1F, min = 0x80;
    else if (b >= 0xE0 && b <= 0xEF) n = 2, c = b & 0x0F, min = 0x800;
    else if (b >= 0xF0 && b <= 0xF4) n = 3, c = b & 0x07, min = 0x10000;
    else return false;
    for (std::size_t k = 1; k <= n; ++k) {
      if (i + k >= text.size()) return false;
      const auto t = static_cast<unsigned char>(text[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      c = c << 6 | (t & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += n + 1;
  }
  return true;
}

// A Russian word in CP1251 is a run of high bytes; a French, German or
// Spanish one in CP1252 has its accented letters among ASCII letters. Each
// high byte votes by its neighbours; a byte CP1252 lacks settles it.
TextEncoding DetectEncoding(const std::vector<std::string_view>& texts) {
  long cyrillic = 0;
  long western = 0;
  for (std::string_view t : texts) {
    for (std::size_t i = 0; i < t.size(); ++i) {
      const auto b = static_cast<unsigned char>(t[i]);
      if (b < 0x80) continue;
      if (IsCp1252Hole(b)) return TextEncoding::Cp1251;
      for (std::size_t j : {i - 1, i + 1}) {
        if (j >= t.size()) continue;  // i - 1 wraps round at the start
        const auto n = static_cast<unsigned char>(t[j]);
        if (n >= 0x80) ++cyrillic;
        else if (IsAsciiLetter(n)) ++western;
      }
    }
  }
  return western > cyrillic ? TextEncoding::Cp1252 : TextEncoding::Cp1251;
}

std::string DecodeToUtf8(std::string_view text, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return std::string(text);
    case TextEncoding::Cp1251:
      return Cp1251ToUtf8(text);
    case TextEncoding::Cp1252:
      break;
  }
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char32_t{b});
  }
  return out;
}

}  // namespace lyrova
