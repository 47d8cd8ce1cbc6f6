#include "catalog/karaoke_file.h"

#include <algorithm>
#include <limits>

#include "catalog/header_text.h"
#include "catalog/karaoke_words.h"
#include "catalog/line_breaks.h"
#include "catalog/smf_reader.h"
#include "catalog/text_encoding.h"
#include "catalog/word_source.h"

namespace lyrova {
namespace {

constexpr std::uint8_t kTextEvent = 0x01;
constexpr std::int64_t kMusicTimePerQuarter = 768;

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::string Field(std::string_view utf8) {
  std::string s = TrimControl(utf8);
  return s.empty() ? std::string(kNoDataUtf8) : s;
}

std::string DecodeName(std::string_view name) {
  if (IsValidUtf8(name)) return std::string(name);
  return DecodeToUtf8(name, DetectEncoding({name}));
}

// round(t × 768 / division), halves up, kept within the 32-bit music time.
std::int32_t MusicTime(std::uint64_t tick, std::uint16_t division) {
  const unsigned __int128 scaled =
      (static_cast<unsigned __int128>(tick) * 2 * kMusicTimePerQuarter + division) / (2 * unsigned{division});
  constexpr auto kMax = static_cast<unsigned __int128>(std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(std::min(scaled, kMax));
}

}  // namespace

KaraokeFields FieldsFromFileName(std::string_view fileName) {
  std::string name = DecodeName(fileName);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  // Names made for the web spell their spaces so: "A._Lavigne_-_Complicated".
  std::replace(name.begin(), name.end(), '_', ' ');
  KaraokeFields f;
  const std::size_t dash = name.find(" - ");
  if (dash == std::string::npos) {
    f.title = Field(name);
    f.singer = kNoDataUtf8;
  } else {
    f.singer = Field(std::string_view(name).substr(0, dash));
    f.title = Field(std::string_view(name).substr(dash + 3));
  }
  f.musicAuthor = kNoDataUtf8;
  f.lyricAuthor = kNoDataUtf8;
  return f;
}

KaraokeReadResult ReadKaraokeFile(std::span<const std::uint8_t> bytes, std::string_view fileName) {
  KaraokeReadResult result;
  SmfResult smf = ReadSmf(bytes);
  if (!smf.ok) {
    result.reason = std::move(smf.reason);
    return result;
  }
  const SmfContents& c = smf.contents;

  std::vector<std::string_view> texts;
  texts.reserve(c.texts.size());
  for (const SmfText& t : c.texts) texts.push_back(t.text);
  const bool utf8 = std::all_of(texts.begin(), texts.end(), IsValidUtf8);
  const TextEncoding encoding = utf8 ? TextEncoding::Utf8 : DetectEncoding(texts);

  std::vector<std::string> headers;
  for (const SmfText& t : c.texts) {
    if (t.type == kTextEvent && StartsWith(t.text, "@T")) {
      headers.push_back(DecodeToUtf8(std::string_view(t.text).substr(2), encoding));
    }
  }
  KaraokeSong& song = result.song;
  song.fields = FieldsFromFileName(fileName);
  if (!headers.empty()) {
    song.fields.title = Field(headers[0]);
    song.fields.singer = headers.size() > 1 ? Field(headers[1]) : std::string(kNoDataUtf8);
  }

  std::vector<KaraokeSyllable> syllables;
  for (const SmfText* t : ChooseWordEvents(c)) {
    KaraokeSyllable s;
    s.start = MusicTime(t->tick, c.division);
    std::string_view raw = t->text;
    // Soft Karaoke's marks, which files put in lyric events as well.
    if (!raw.empty() && (raw[0] == '\\' || raw[0] == '/')) {
      (raw[0] == '\\' ? s.newParagraph : s.newLine) = true;
      raw.remove_prefix(1);
    }
    s.text = DecodeToUtf8(raw, encoding);
    syllables.push_back(std::move(s));
  }
  if (!HasLineMarks(syllables)) BreakIntoLines(syllables);
  KaraokeWords words = BuildKaraokeWords(syllables, MusicTime(c.lastNoteOff, c.division));
  song.words = std::move(words.text);
  song.timing = std::move(words.timing);
  result.ok = true;
  return result;
}

}  // namespace lyrova
