#include "config/ini_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace lyrova {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::int32_t ParseProfileInt(std::string_view text, std::int32_t def) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  bool hex = false;
  if (!text.empty() && text[0] == '$') {
    hex = true;
    text.remove_prefix(1);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    hex = true;
    text.remove_prefix(2);
  }
  if (text.empty()) return def;

  std::uint64_t value = 0;
  if (hex) {
    for (char c : text) {
      const int d = HexDigit(c);
      if (d < 0) return def;
      value = value * 16 + static_cast<unsigned>(d);
      if (value > 0xFFFFFFFFu) return def;
    }
    const auto bits = static_cast<std::uint32_t>(value);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
  }
  for (char c : text) {
    if (c < '0' || c > '9') return def;
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > 0x80000000u) return def;
  }
  if (negative) return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
  if (value > 0x7FFFFFFFu) return def;
  return static_cast<std::int32_t>(value);
}

double ParseProfileFloat(std::string_view text, double def) {
  // from_chars takes no '+', but a leading '+' is an ordinary way to write a number.
  if (!text.empty() && text[0] == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) return def;
  }
  if (text.empty()) return def;
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return def;
  return value;
}

std::string FormatProfileFloat(double value) {
  char buffer[64];
  // Any double fits in 64 characters, so the conversion cannot run short.
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace lyrova
