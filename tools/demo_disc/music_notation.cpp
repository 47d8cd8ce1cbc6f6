#include "tools/demo_disc/music_notation.h"

#include <cctype>
#include <string>

#include "catalog/errors.h"

namespace lyrova::demo {
namespace {

std::vector<std::string_view> Tokens(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    std::size_t j = i;
    while (j < text.size() && !std::isspace(static_cast<unsigned char>(text[j]))) ++j;
    if (j > i) out.push_back(text.substr(i, j - i));
    i = j;
  }
  return out;
}

[[noreturn]] void Fail(std::string_view what, std::string_view token) {
  throw Error(std::string(what) + " '" + std::string(token) + "'");
}

int PitchClass(char letter) {
  static constexpr int kClasses[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
  const int i = std::tolower(static_cast<unsigned char>(letter)) - 'a';
  return i >= 0 && i < 7 ? kClasses[i] : -1;
}

// Reads '#' or 'b' at text[pos], returns the shift and advances pos.
int Accidental(std::string_view text, std::size_t& pos) {
  if (pos < text.size() && text[pos] == '#') return ++pos, 1;
  if (pos < text.size() && text[pos] == 'b') return ++pos, -1;
  return 0;
}

// Splits "x:8." into the head and the duration; keeps `current` without one.
std::string_view TakeDuration(std::string_view token, std::uint32_t& current) {
  const std::size_t colon = token.find(':');
  if (colon == std::string_view::npos) return token;
  current = ParseDuration(token.substr(colon));
  return token.substr(0, colon);
}

void CheckBar(std::uint32_t at, const BarGrid& grid, std::string_view token) {
  if ((at + grid.barLength - grid.pickup % grid.barLength) % grid.barLength != 0)
    Fail("bar check failed at tick " + std::to_string(at), token);
}

std::vector<int> ChordTones(int root, std::string_view quality, std::string_view token) {
  struct Quality {
    std::string_view name;
    std::vector<int> intervals;
  };
  static const Quality kQualities[] = {
      {"", {0, 4, 7}},         {"m", {0, 3, 7}},    {"7", {0, 4, 7, 10}},   {"m7", {0, 3, 7, 10}},
      {"maj7", {0, 4, 7, 11}}, {"dim", {0, 3, 6}},  {"dim7", {0, 3, 6, 9}}, {"6", {0, 4, 7, 9}},
      {"m6", {0, 3, 7, 9}},    {"sus4", {0, 5, 7}}, {"aug", {0, 4, 8}},
  };
  for (const Quality& q : kQualities) {
    if (q.name != quality) continue;
    std::vector<int> tones;
    for (int i : q.intervals) tones.push_back((root + i) % 12);
    return tones;
  }
  Fail("unknown chord", token);
}

}  // namespace

std::uint32_t ParseDuration(std::string_view text) {
  if (text.empty() || text[0] != ':') Fail("bad duration", text);
  std::string_view digits = text.substr(1);
  const bool dotted = !digits.empty() && digits.back() == '.';
  if (dotted) digits.remove_suffix(1);
  std::uint32_t ticks = 0;
  for (auto [name, value] : {std::pair{"1", 4 * kDivision},
                             {"2", 2 * kDivision},
                             {"4", kDivision},
                             {"8", kDivision / 2},
                             {"16", kDivision / 4},
                             {"32", kDivision / 8}}) {
    if (digits == name) ticks = value;
  }
  if (ticks == 0 || (dotted && ticks == kDivision / 8)) Fail("bad duration", text);
  return dotted ? ticks * 3 / 2 : ticks;
}

Melody ParseMelody(std::string_view text, std::uint32_t start, const BarGrid& grid) {
  Melody melody;
  std::uint32_t duration = kDivision;
  std::uint32_t at = start;
  bool tied = false;
  for (std::string_view token : Tokens(text)) {
    if (token == "|") {
      CheckBar(at, grid, token);
      continue;
    }
    const bool tieNext = token.back() == '~';
    const std::string_view head =
        TakeDuration(tieNext ? token.substr(0, token.size() - 1) : token, duration);
    if (head == "r") {
      if (tied || tieNext) Fail("tie on a rest", token);
      at += duration;
      continue;
    }
    const int pc = head.empty() ? -1 : PitchClass(head[0]);
    if (pc < 0 || !std::islower(static_cast<unsigned char>(head[0]))) Fail("bad note", token);
    std::size_t pos = 1;
    const int shift = Accidental(head, pos);
    if (pos + 1 != head.size() || !std::isdigit(static_cast<unsigned char>(head[pos])))
      Fail("bad note", token);
    const int key = 12 * (head[pos] - '0' + 1) + pc + shift;
    if (tied) {
      if (melody.notes.back().key != key) Fail("tie between different pitches", token);
      melody.notes.back().length += duration;
    } else {
      melody.notes.push_back({key, at, duration});
    }
    tied = tieNext;
    at += duration;
  }
  if (tied) Fail("tie at the end of a line", text);
  melody.length = at - start;
  return melody;
}

std::vector<ChordSpan> ParseChords(std::string_view text, std::uint32_t start,
                                   const BarGrid& grid) {
  std::vector<ChordSpan> chords;
  std::uint32_t at = start;
  for (std::string_view token : Tokens(text)) {
    if (token == "|") {
      CheckBar(at, grid, token);
      continue;
    }
    std::uint32_t duration = grid.barLength;
    const std::string_view head = TakeDuration(token, duration);
    ChordSpan chord;
    chord.start = at;
    chord.length = duration;
    at += duration;
    if (head == "r") {
      chord.silent = true;
      chords.push_back(chord);
      continue;
    }
    const std::size_t slash = head.find('/');
    std::string_view name = head.substr(0, slash);
    const int pc = name.empty() ? -1 : PitchClass(name[0]);
    if (pc < 0 || !std::isupper(static_cast<unsigned char>(name[0]))) Fail("bad chord", token);
    std::size_t pos = 1;
    chord.root = (pc + Accidental(name, pos) + 12) % 12;
    chord.tones = ChordTones(chord.root, name.substr(pos), token);
    chord.bass = chord.root;
    if (slash != std::string_view::npos) {
      const std::string_view bass = head.substr(slash + 1);
      const int bpc = bass.empty() ? -1 : PitchClass(bass[0]);
      std::size_t bpos = 1;
      if (bpc < 0 || !std::isupper(static_cast<unsigned char>(bass[0])))
        Fail("bad chord bass", token);
      chord.bass = (bpc + Accidental(bass, bpos) + 12) % 12;
      if (bpos != bass.size()) Fail("bad chord bass", token);
    }
    chords.push_back(chord);
  }
  return chords;
}

}  // namespace lyrova::demo
