#pragma once
// What the searches treat as the same letter, since people type neither ё
// nor accents nor typographic apostrophes: both the query and the text are
// folded, then compared as bytes.
//
// Disc texts (CP1251): the Windows upper-casing, and Ё as Е.
// Library texts (UTF-8): upper-casing, Ё as Е, Latin letters without their
// accents (É, é as E; Ñ as N), and ’ ‘ ʼ as '.

#include <string>
#include <string_view>

namespace lyrova {

std::string FoldDiscText(std::string_view cp1251);
void FoldDiscTextInPlace(std::string& cp1251);

char32_t FoldLibraryCodePoint(char32_t c);
std::string FoldLibraryText(std::string_view utf8);

}  // namespace lyrova
