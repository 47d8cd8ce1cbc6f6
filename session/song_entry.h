#pragma once
// One song as the lists hold it: its code as a number, the texts of its row,
// and for a library song its file, which outlives the code when the
// library's folder changes.

#include <cstdint>
#include <string>

#include "session/song_order.h"

namespace lyrova {

struct TSongEntry {
  std::uint32_t code = 0;
  SongRowTexts texts;  // the code caption, title, singer, music and words authors (UTF-8)
  std::string file;    // relative to the library folder; empty for a disc song
  bool operator==(const TSongEntry&) const = default;
};

}  // namespace lyrova
