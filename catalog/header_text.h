#pragma once
// The header text of a song block: title, words author, music author and
// singer, one line each, every line ended by a carriage return.

#include <string>
#include <string_view>

#include "catalog/song_header.h"

namespace lyrova {

// "нет данных" (CP1251): the builder's text for a field without data.
inline constexpr char kNoDataText[] = "\xED\xE5\xF2 \xE4\xE0\xED\xED\xFB\xF5";

// Removes every byte of 32 or less from both ends.
std::string TrimControl(std::string_view s);

// Moves a leading initial behind the name: "М.Агашиной" becomes "Агашиной М.".
std::string InitialToEnd(std::string_view s);

// kNoDataText for fewer than 2 characters, else InitialToEnd(s).
std::string NoDataIfEmpty(std::string_view s);

// Fills Name, LyricAuthor, MusicAuthor and Singer of the record from the
// header text, converting as record.Encoded says. Fields whose line is not
// ended by a carriage return are left empty.
void ParseHeaderText(TSongHeader& record, std::string_view text);

}  // namespace lyrova
