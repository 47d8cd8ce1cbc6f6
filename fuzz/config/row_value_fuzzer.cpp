// Any bytes as a playlist row value must split without failing; any four
// texts (the input cut at NUL bytes) written as a row must split back into
// the caption and the same four texts, line breaks turned into spaces.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "session/playlist_row.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  lyrova::SplitRowValue(text);

  lyrova::PlaylistRow row = {"0001", "", "", "", ""};
  std::size_t field = 1;
  for (char c : text) {
    if (c == '\0') {
      if (++field == row.size()) break;
      continue;
    }
    row[field] += c;
  }
  std::vector<std::string> expected(row.begin(), row.end());
  for (auto& t : expected) {
    for (char& c : t) {
      if (c == '\r' || c == '\n') c = ' ';
    }
  }
  if (lyrova::SplitRowValue(lyrova::RowValue(row)) != expected) std::abort();
  return 0;
}
