#include "tools/demo_disc/disc_charset.h"

#include "catalog/cp1251.h"
#include "catalog/errors.h"

namespace lyrova::demo {
namespace {

// Latin letters the disc set reads as Cyrillic ones, and the underscore it
// reads as a space: no disc byte gives them back.
constexpr std::string_view kLatinLookAlikes = "ABCEHIKMOPTXacexoy_";

}  // namespace

std::optional<std::string> EncodeDiscChar(unsigned char c) {
  auto one = [](int b) { return std::string(1, static_cast<char>(b)); };
  if (c <= 0x40) return one(c);
  if (c < 0x80) {
    if (kLatinLookAlikes.find(static_cast<char>(c)) != std::string_view::npos) return std::nullopt;
    return one(c);
  }
  if (c == 0xA8) return std::string("\xF0\xF0");  // Ё: F0 alone is the escape byte
  if (c == 0xA7) return one(0xF8);
  if (c >= 0xC0 && c <= 0xEF) return one(c - 0x40);  // А to п
  if (c >= 0xF0) return one(c - 0x10);               // р to я
  if (c <= 0xAF) return one(c + 0x30);
  if (c == 0xB8) return one(0xF1);  // ё
  if ((c >= 0xB2 && c <= 0xB7) || c >= 0xB9) return one(c + 0x40);
  return std::nullopt;  // ° and ±
}

std::string EncodeDiscText(std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size());
  for (char ch : cp1251) {
    const auto bytes = EncodeDiscChar(static_cast<unsigned char>(ch));
    if (!bytes) {
      throw Error("character " + std::to_string(static_cast<unsigned char>(ch)) +
                  " has no disc form in: " + Cp1251ToUtf8(cp1251));
    }
    out += *bytes;
  }
  return out;
}

std::string Cp1251FromUtf8(std::string_view utf8) {
  std::string text = Utf8ToCp1251(utf8);
  if (Cp1251ToUtf8(text) != utf8) throw Error("text has no CP1251 form: " + std::string(utf8));
  return text;
}

}  // namespace lyrova::demo
