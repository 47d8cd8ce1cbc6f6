#include "catalog/catalog_errors.h"

namespace lyrova {

Error ListIndexError(long long index) {
  return Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "List index out of bounds (%1)"),
                        {UserText::Plain(std::to_string(index))}));
}

Error ReadBeyondEndError() { return Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Read beyond end of file"))); }

Error IoError(int errnum) {
  return Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "I/O error %1"), {UserText::Plain(std::to_string(errnum))}));
}

Error CannotCreateFileError(std::string_view path, int errnum) {
  return Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Cannot create file \"%1\". %2"),
                        {UserText::Plain(std::string(path)), ReasonOfErrno(errnum)}));
}

}  // namespace lyrova
