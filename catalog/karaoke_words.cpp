#include "catalog/karaoke_words.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "catalog/utf8_text.h"

namespace lyrova {
namespace {

constexpr std::int32_t kLastSyllableLength = 384;

struct Line {
  std::string text;
  std::vector<std::size_t> owners;  // the syllable of each character other than the space
};

class WordsBuilder {
 public:
  void LineEnd() {
    if (started_) lines_.emplace_back();
  }
  void Append(std::string_view text, std::size_t syllable, std::size_t& characters) {
    for (std::size_t i = 0; i < text.size();) {
      const std::size_t from = i;
      const char32_t c = NextCodePoint(text, i);
      lines_.back().text.append(text.substr(from, i - from));
      if (c != U' ') {
        lines_.back().owners.push_back(syllable);
        ++characters;
      }
      started_ = true;
    }
  }
  std::vector<Line>& Finish() {
    while (lines_.size() > 1 && lines_.back().text.empty()) lines_.pop_back();
    return lines_;
  }

 private:
  std::vector<Line> lines_{1};
  bool started_ = false;  // a line end before any text is not written
};

// Appends a syllable, ending the line at each CR, LF or CR LF in it.
void AddSyllable(WordsBuilder& words, const KaraokeSyllable& s, std::size_t index,
                 std::size_t& characters) {
  if (s.newParagraph) {
    words.LineEnd();
    words.LineEnd();
  } else if (s.newLine) {
    words.LineEnd();
  }
  std::string_view rest = s.text;
  while (!rest.empty()) {
    const std::size_t brk = rest.find_first_of("\r\n");
    words.Append(rest.substr(0, brk), index, characters);
    if (brk == std::string_view::npos) break;
    const std::size_t skip = rest.compare(brk, 2, "\r\n") == 0 ? 2 : 1;
    words.LineEnd();
    rest.remove_prefix(brk + skip);
  }
}

}  // namespace

KaraokeWords BuildKaraokeWords(const std::vector<KaraokeSyllable>& syllables, std::int32_t end) {
  KaraokeWords result;
  if (syllables.empty()) return result;
  WordsBuilder builder;
  std::vector<std::size_t> characters(syllables.size(), 0);
  for (std::size_t i = 0; i < syllables.size(); ++i) AddSyllable(builder, syllables[i], i, characters[i]);
  std::vector<Line>& lines = builder.Finish();

  // Each timed syllable lasts until the next one starts.
  std::vector<std::int32_t> length(syllables.size(), 0);
  std::size_t previous = syllables.size();
  for (std::size_t i = 0; i < syllables.size(); ++i) {
    if (characters[i] == 0) continue;
    if (previous < syllables.size()) length[previous] = syllables[i].start - syllables[previous].start;
    previous = i;
  }
  std::int32_t introduction = syllables.front().start;
  if (previous < syllables.size()) {
    const std::int32_t start = syllables[previous].start;
    // Music time is 32 bits: a song cannot run past its end.
    length[previous] = end > start ? end - start
                                   : std::min(kLastSyllableLength, std::numeric_limits<std::int32_t>::max() - start);
    for (std::size_t i = 0; i < syllables.size(); ++i) {
      if (characters[i] > 0) {
        introduction = syllables[i].start;
        break;
      }
    }
  }

  result.timing.push_back({0, introduction});
  std::int32_t at = introduction;
  std::vector<std::size_t> given(syllables.size(), 0);
  for (std::size_t l = 0; l < lines.size(); ++l) {
    const Line& line = lines[l];
    if (l > 0) result.text += '\n';
    result.text += line.text;
    if (line.owners.empty()) {
      if (!line.text.empty()) result.timing.push_back({at, 0});
      continue;
    }
    for (std::size_t owner : line.owners) {
      const auto n = static_cast<std::int32_t>(characters[owner]);
      const auto k = static_cast<std::int32_t>(given[owner]++);
      if (k == 0) at = syllables[owner].start;
      const std::int32_t d = length[owner] / n + (k < length[owner] % n ? 1 : 0);
      result.timing.push_back({at, d});
      at += d;
    }
  }
  return result;
}

}  // namespace lyrova
