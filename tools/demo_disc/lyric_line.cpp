#include "tools/demo_disc/lyric_line.h"

#include <algorithm>

#include "catalog/errors.h"

namespace lyrova::demo {
namespace {

bool IsLetterOrDigit(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0 ||
         c == 0xA8 || c == 0xB8;
}

}  // namespace

LyricLine ParseLyricLine(std::string_view words) {
  LyricLine line;
  std::size_t i = 0;
  while (i < words.size()) {
    while (i < words.size() && words[i] == ' ') ++i;
    std::size_t end = i;
    while (end < words.size() && words[end] != ' ') ++end;
    const std::string_view word = words.substr(i, end - i);
    i = end;
    if (word.empty()) continue;

    if (word == "_") {
      if (line.syllables.empty())
        throw Error("a held syllable starts the line: " + std::string(words));
      ++line.syllables.back().notes;
      continue;
    }
    const bool hasLetters = std::any_of(word.begin(), word.end(), [](char c) {
      return IsLetterOrDigit(static_cast<unsigned char>(c));
    });
    if (!line.display.empty()) {
      // A dash stays on the line of the word before it.
      if (hasLetters) line.breaks.push_back(line.display.size());
      line.display += ' ';
    }
    if (!hasLetters) {
      if (line.syllables.empty()) throw Error("punctuation starts the line: " + std::string(words));
      line.syllables.back().text += word;
      line.display += word;
      continue;
    }
    std::size_t from = 0;
    while (from <= word.size()) {
      std::size_t slash = word.find('/', from);
      if (slash == std::string_view::npos) slash = word.size();
      const std::string_view piece = word.substr(from, slash - from);
      if (piece.empty()) throw Error("empty syllable in: " + std::string(words));
      if (piece == "_") {
        if (line.syllables.empty() || from == 0) {
          throw Error("a hold without its syllable: " + std::string(words));
        }
        ++line.syllables.back().notes;
        from = slash + 1;
        continue;
      }
      std::string text(piece);
      std::replace(text.begin(), text.end(), '+', ' ');
      line.syllables.push_back({text, 1});
      line.display += text;
      from = slash + 1;
    }
  }
  return line;
}

}  // namespace lyrova::demo
