#pragma once
// The catalogue's error texts, as the user sees them.

#include <string>
#include <string_view>

#include "catalog/errors.h"

namespace lyrova {

// "rmidi.img не найден по указанному пути" (CP1251): the image cannot be opened.
inline constexpr char kImageNotFoundText[] =
    "rmidi.img \xED\xE5 \xED\xE0\xE9\xE4\xE5\xED \xEF\xEE \xF3\xEA\xE0\xE7\xE0\xED\xED\xEE\xEC\xF3 "
    "\xEF\xF3\xF2\xE8";

Error ListIndexError(long long index);
Error ReadBeyondEndError();
Error IoError(int errnum);
// path is a file-system path (UTF-8); the message carries it in CP1251.
Error CannotCreateFileError(std::string_view path, int errnum);

}  // namespace lyrova
