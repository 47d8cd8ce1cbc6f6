#include "catalog/line_breaks.h"

#include <algorithm>
#include <string_view>

#include "catalog/utf8_text.h"

namespace lyrova {
namespace {

constexpr std::int32_t kQuarter = 768;
constexpr std::int32_t kPauseTimes = 3;

bool Sung(const KaraokeSyllable& s) { return s.text.find_first_not_of(' ') != std::string::npos; }

int Characters(std::string_view text) {
  int n = 0;
  for (std::size_t i = 0; i < text.size();) {
    NextCodePoint(text, i);
    ++n;
  }
  return n;
}

// The time between sung syllables' starts that counts as a pause.
std::int32_t PauseLength(const std::vector<KaraokeSyllable>& syllables) {
  std::vector<std::int32_t> gaps;
  const KaraokeSyllable* previous = nullptr;
  for (const KaraokeSyllable& s : syllables) {
    if (!Sung(s)) continue;
    if (previous && s.start > previous->start) gaps.push_back(s.start - previous->start);
    previous = &s;
  }
  if (gaps.empty()) return kQuarter;
  std::nth_element(gaps.begin(), gaps.begin() + static_cast<std::ptrdiff_t>(gaps.size() / 2), gaps.end());
  const std::int64_t middle = gaps[gaps.size() / 2];
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(middle * kPauseTimes, kQuarter, INT32_MAX));
}

}  // namespace

bool HasLineMarks(const std::vector<KaraokeSyllable>& syllables) {
  return std::any_of(syllables.begin(), syllables.end(), [](const KaraokeSyllable& s) {
    return s.newLine || s.newParagraph || s.text.find_first_of("\r\n") != std::string::npos;
  });
}

void BreakIntoLines(std::vector<KaraokeSyllable>& syllables) {
  const std::int32_t pause = PauseLength(syllables);
  int lineCharacters = 0;
  const KaraokeSyllable* lastSung = nullptr;
  bool wordEnded = true;
  for (std::size_t i = 0; i < syllables.size(); ++i) {
    KaraokeSyllable& s = syllables[i];
    const bool startsWord = wordEnded || (!s.text.empty() && s.text.front() == ' ');
    if (startsWord && lineCharacters > 0 && Sung(s)) {
      // The word runs to the next syllable that starts one.
      int word = Characters(s.text.substr(s.text.find_first_not_of(' ')));
      for (std::size_t k = i + 1; k < syllables.size() && !syllables[k].text.empty() &&
                                  syllables[k].text.front() != ' ' && syllables[k - 1].text.back() != ' ';
           ++k) {
        word += Characters(syllables[k].text);
      }
      const bool paused = lastSung && std::int64_t{s.start} - lastSung->start >= pause;
      if (paused || lineCharacters + 1 + word > kMaxLineCharacters) {
        s.newLine = true;
        s.text.erase(0, s.text.find_first_not_of(' '));
        KaraokeSyllable& before = syllables[i - 1];
        before.text.erase(before.text.find_last_not_of(' ') + 1);
        lineCharacters = 0;
      }
    }
    lineCharacters += Characters(s.text);
    if (Sung(s)) lastSung = &s;
    wordEnded = !s.text.empty() && s.text.back() == ' ';
  }
}

}  // namespace lyrova
