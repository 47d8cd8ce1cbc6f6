#include "tools/demo_disc/song_block.h"

#include "catalog/errors.h"
#include "tools/demo_disc/disc_charset.h"

namespace lyrova::demo {
namespace {

void AppendBe(ByteVector& out, std::uint64_t value, int bytes, std::uint64_t limit,
              const char* what) {
  if (value > limit) throw Error(std::string(what) + " too long for its length field");
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::string HeaderText(const RenderedSong& song, bool encoded) {
  auto field = [encoded](const std::string& text) { return encoded ? EncodeDiscText(text) : text; };
  return field(song.title) + '\r' + field(song.lyricist) + '\r' + field(song.composer) + '\r' +
         EncodeDiscText(song.singer) + '\r';
}

std::string WordsText(const RenderedSong& song, bool encoded) {
  std::string words;
  for (const std::string& line : song.wordLines) {
    if (!words.empty()) words += "\r\n";
    words += encoded ? EncodeDiscText(line) : line;
  }
  return words;
}

ByteVector AssembleBlock(const std::string& headerText, const ByteVector& midi,
                         const ByteVector& points, const std::string& words) {
  ByteVector block;
  block.reserve(kBlockHeaderSize + headerText.size() + midi.size() + points.size() + words.size());
  AppendBe(block, headerText.size(), 2, 0xFFFF, "header text");
  AppendBe(block, midi.size(), 4, 0xFFFFFFFF, "MIDI block");
  AppendBe(block, points.size(), 2, 0xFFFF, "points block");
  AppendBe(block, words.size(), 2, 0xFFFF, "words block");
  block.push_back(0);
  block.push_back(0);
  block.insert(block.end(), headerText.begin(), headerText.end());
  block.insert(block.end(), midi.begin(), midi.end());
  block.insert(block.end(), points.begin(), points.end());
  block.insert(block.end(), words.begin(), words.end());
  return block;
}

ByteVector SongBlock(const RenderedSong& song, bool encoded) {
  return AssembleBlock(HeaderText(song, encoded), song.midi, song.points, WordsText(song, encoded));
}

ByteVector DiscardedBlock() { return AssembleBlock("-", {}, {}, ""); }

}  // namespace lyrova::demo
