#pragma once
// File paths in the CP1251 settings and playlist files. A path is the file
// system's bytes. One that CP1251 spells exactly is stored in CP1251, as
// every earlier file holds it; any other (an "é", a "ß", bytes that are not
// UTF-8) is stored as its own bytes behind the UTF-8 byte-order mark, with
// "%", control characters and DEL written as %XX, so it reads back exactly.

#include <string>
#include <string_view>

namespace lyrova {

// The text to store for `path`; always fits on one line of an INI file.
std::string StoredPathText(std::string_view path);
// The path a stored text stands for.
std::string PathFromStoredText(std::string_view text);

}  // namespace lyrova
