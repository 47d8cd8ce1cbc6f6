#pragma once
// The catalogue's error texts, as the user sees them.

#include <string>
#include <string_view>

#include "catalog/errors.h"

namespace lyrova {

// The image cannot be opened.
inline constexpr char kImageNotFoundText[] = QT_TRANSLATE_NOOP("lyrova::UserText", "rmidi.img not found at the given path");

Error ListIndexError(long long index);
Error ReadBeyondEndError();
Error IoError(int errnum);
// path is a file-system path (UTF-8).
Error CannotCreateFileError(std::string_view path, int errnum);

}  // namespace lyrova
