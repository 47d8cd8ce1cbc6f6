#include "catalog/header_text.h"

#include "catalog/disc_text.h"

namespace lyrova {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string CleanField(std::string_view line, bool convert, QuoteMode mode) {
  if (!convert) return NoDataIfEmpty(TrimControl(line));
  return NoDataIfEmpty(TrimControl(ConvertDiscText(line, mode)));
}

}  // namespace

std::string TrimControl(std::string_view s) {
  std::size_t begin = 0;
  std::size_t end = s.size();
  while (begin < end && IsBlank(s[begin])) ++begin;
  while (end > begin && IsBlank(s[end - 1])) --end;
  return std::string(s.substr(begin, end - begin));
}

std::string InitialToEnd(std::string_view s) {
  const std::size_t dot = s.find('.');
  if (dot == std::string_view::npos || dot >= 3) return TrimControl(s);
  std::string moved(s.substr(dot + 1));
  moved += ' ';
  moved += s.substr(0, dot + 1);
  return TrimControl(moved);
}

std::string NoDataIfEmpty(std::string_view s) {
  if (s.size() < 2) return kNoDataText;
  return InitialToEnd(s);
}

void ParseHeaderText(TSongHeader& record, std::string_view text) {
  std::string* const fields[] = {&record.Name, &record.LyricAuthor, &record.MusicAuthor,
                                 &record.Singer};
  for (std::string* field : fields) field->clear();

  std::size_t lineStart = 0;
  for (std::size_t k = 0; k < 4; ++k) {
    const std::size_t cr = text.find('\r', lineStart);
    if (cr == std::string_view::npos) break;
    const std::string_view line = text.substr(lineStart, cr - lineStart);
    // Not encoded songs still carry the singer in the disc character set.
    const bool convert = record.Encoded || k == 3;
    const QuoteMode mode = record.Encoded ? QuoteMode::Drop : QuoteMode::Keep;
    *fields[k] = CleanField(line, convert, mode);
    lineStart = cr + 1;
  }
}

}  // namespace lyrova
