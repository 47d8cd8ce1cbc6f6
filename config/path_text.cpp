#include "config/path_text.h"

#include "catalog/cp1251.h"
#include "config/ini_file.h"

namespace lyrova {
namespace {

constexpr std::string_view kBytesMark = "\xEF\xBB\xBF";
constexpr char kHex[] = "0123456789ABCDEF";

bool Escaped(unsigned char c) { return c < 0x20 || c == 0x7F || c == '%'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string StoredPathText(std::string_view path) {
  const std::string cp1251 = Utf8ToCp1251(path);
  bool plain = Cp1251ToUtf8(cp1251) == path && cp1251.compare(0, kBytesMark.size(), kBytesMark) != 0;
  for (const char c : cp1251) plain = plain && c != '\r' && c != '\n' && c != '\0';
  // Settings and playlists alike store it on an INI line: what that line's
  // reading would change goes in the byte form too.
  if (plain && !ReadingChangesValue(cp1251)) return cp1251;
  std::string text(kBytesMark);
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto c = static_cast<unsigned char>(path[i]);
    if (Escaped(c) || (i + 1 == path.size() && c == ' ')) {
      text += '%';
      text += kHex[c >> 4];
      text += kHex[c & 0xF];
    } else {
      text += path[i];
    }
  }
  return text;
}

std::string PathFromStoredText(std::string_view text) {
  if (text.substr(0, kBytesMark.size()) != kBytesMark) return Cp1251ToUtf8(text);
  text.remove_prefix(kBytesMark.size());
  std::string path;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int high = i + 2 < text.size() && text[i] == '%' ? HexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
    if (low >= 0) {
      path += static_cast<char>(high << 4 | low);
      i += 2;
    } else {
      path += text[i];
    }
  }
  return path;
}

}  // namespace lyrova
