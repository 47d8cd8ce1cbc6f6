#include "session/playlist_row.h"

namespace lyrova {
namespace {

bool IsBlank(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

bool NeedsQuotes(std::string_view text) {
  for (char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code <= 32 || c == '"' || c == ',') return true;
  }
  return false;
}

}  // namespace

std::string QuoteRowText(std::string_view text) {
  if (!NeedsQuotes(text)) return std::string(text);
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += (c == '\r' || c == '\n') ? ' ' : c;
  }
  out += '"';
  return out;
}

std::string RowValue(const PlaylistRow& row) {
  std::string value = row[0];
  for (std::size_t i = 1; i < row.size(); ++i) {
    value += ',';
    value += QuoteRowText(row[i]);
  }
  return value;
}

std::vector<std::string> SplitRowValue(std::string_view value) {
  value = value.substr(0, value.find('\0'));
  std::vector<std::string> fields;
  std::size_t p = 0;
  const auto skipBlanks = [&] {
    while (p < value.size() && IsBlank(value[p])) ++p;
  };
  skipBlanks();
  while (p < value.size()) {
    std::string field;
    if (value[p] == '"') {
      ++p;
      while (p < value.size()) {
        if (value[p] == '"') {
          if (p + 1 < value.size() && value[p + 1] == '"') {
            field += '"';
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        field += value[p++];
      }
    } else {
      while (p < value.size() && static_cast<unsigned char>(value[p]) > 32 && value[p] != ',') {
        field += value[p++];
      }
    }
    fields.push_back(std::move(field));
    skipBlanks();
    if (p < value.size() && value[p] == ',') {
      if (p + 1 == value.size()) fields.emplace_back();
      ++p;
      skipBlanks();
    }
  }
  return fields;
}

}  // namespace lyrova
