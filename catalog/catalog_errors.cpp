#include "catalog/catalog_errors.h"

#include <cstring>

#include "catalog/cp1251.h"

namespace lyrova {

Error ListIndexError(long long index) {
  return Error("List index out of bounds (" + std::to_string(index) + ")");
}

Error ReadBeyondEndError() { return Error("Read beyond end of file"); }

Error IoError(int errnum) { return Error("I/O error " + std::to_string(errnum)); }

Error CannotCreateFileError(std::string_view path, int errnum) {
  return Error("Cannot create file \"" + Utf8ToCp1251(path) + "\". " +
               Utf8ToCp1251(std::strerror(errnum)));
}

}  // namespace lyrova
