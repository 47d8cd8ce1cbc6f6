#include "catalog/disc_text.h"

#include <array>

namespace lyrova {
namespace {

constexpr unsigned char kEscape = 0xF0;
constexpr unsigned char kQuote = 0x22;

constexpr std::array<unsigned char, 256> MakeDiscTable() {
  std::array<unsigned char, 256> t{};
  for (int b = 0; b < 0x80; ++b) t[b] = static_cast<unsigned char>(b);
  // Latin letters that look like Cyrillic ones were typed for them on the disc.
  constexpr unsigned char kLookAlikes[][2] = {
      {'A', 0xC0}, {'B', 0xC2}, {'C', 0xD1}, {'E', 0xC5}, {'H', 0xCD}, {'I', 0xC8},
      {'K', 0xCA}, {'M', 0xCC}, {'O', 0xCE}, {'P', 0xD0}, {'T', 0xD2}, {'X', 0xD5},
      {'a', 0xE0}, {'c', 0xF1}, {'e', 0xE5}, {'o', 0xEE}, {'x', 0xF5}, {'y', 0xF3},
      {'_', 0x20},
  };
  for (const auto& pair : kLookAlikes) t[pair[0]] = pair[1];
  // The upper half follows DOS code page 866.
  for (int b = 0x80; b <= 0xAF; ++b) t[b] = static_cast<unsigned char>(0xC0 + (b - 0x80));
  for (int b = 0xB0; b <= 0xDF; ++b) t[b] = static_cast<unsigned char>(0x80 + (b - 0xB0));
  for (int b = 0xE0; b <= 0xEF; ++b) t[b] = static_cast<unsigned char>(0xF0 + (b - 0xE0));
  t[0xF0] = 0xA8;
  t[0xF1] = 0xB8;
  for (int b = 0xF2; b <= 0xF7; ++b) t[b] = static_cast<unsigned char>(0xB2 + (b - 0xF2));
  t[0xF8] = 0xA7;
  for (int b = 0xF9; b <= 0xFF; ++b) t[b] = static_cast<unsigned char>(0xB9 + (b - 0xF9));
  return t;
}

constexpr std::array<unsigned char, 256> kDiscTable = MakeDiscTable();

}  // namespace

unsigned char DiscCharToCp1251(unsigned char b) { return kDiscTable[b]; }

void ConvertDiscTextInto(std::string_view disc, QuoteMode mode, std::string& out) {
  // The output is never longer than the input: write in place, cut at the end.
  out.resize(disc.size());
  char* dst = out.data();
  bool escaped = false;
  for (char ch : disc) {
    const auto b = static_cast<unsigned char>(ch);
    if (b == kEscape && !escaped) {
      escaped = true;
      continue;
    }
    const unsigned char c = kDiscTable[b];
    // A dropped quote leaves a pending escape armed for the byte after it.
    if (mode == QuoteMode::Drop && c == kQuote) continue;
    *dst++ = static_cast<char>(c);
    escaped = false;
  }
  out.resize(static_cast<std::size_t>(dst - out.data()));
}

std::string ConvertDiscText(std::string_view disc, QuoteMode mode) {
  std::string out;
  ConvertDiscTextInto(disc, mode, out);
  return out;
}

}  // namespace lyrova
