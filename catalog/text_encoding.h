#pragma once
// Texts of song files made elsewhere: UTF-8 when they are valid UTF-8, else
// one of the 8-bit code pages such files are written in, told apart by how
// the letters sit in the words.

#include <string>
#include <string_view>
#include <vector>

namespace lyrova {

enum class TextEncoding { Utf8, Cp1251, Cp1252 };

bool IsValidUtf8(std::string_view text);

// Decided once over all of a file's texts together.
TextEncoding DetectEncoding(const std::vector<std::string_view>& texts);

std::string DecodeToUtf8(std::string_view text, TextEncoding encoding);

}  // namespace lyrova
