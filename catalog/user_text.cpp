#include "catalog/user_text.h"

#include <cerrno>
#include <cstring>

namespace lyrova {

UserText::UserText(const char* source, std::vector<UserText> args) : source_(source), args_(std::move(args)) {}

UserText UserText::Plain(std::string utf8) {
  UserText text;
  text.plain_ = std::move(utf8);
  return text;
}

std::string UserText::English() const {
  if (IsPlain()) return plain_;
  std::vector<std::string> filled;
  filled.reserve(args_.size());
  for (const UserText& arg : args_) filled.push_back(arg.English());
  return FillArguments(source_, filled);
}

std::string FillArguments(std::string_view pattern, const std::vector<std::string>& args) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (n < args.size()) {
        out += args[n];
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

UserText ReasonOfErrno(int errnum) {
  // The reasons a user can act on; the rest keep the system's own words.
  switch (errnum) {
    case ENOENT:
      return UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "no such file or folder"));
    case EACCES:
    case EPERM:
      return UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "permission denied"));
    case ENOSPC:
    case EDQUOT:
      return UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "the disk is full"));
    case EFBIG:
      return UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "the file is too large"));
    case EROFS:
      return UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "the disk is read-only"));
    case EISDIR:
      return UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "it is a folder"));
    case ENOTDIR:
      return UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "a part of the path is not a folder"));
    case ENAMETOOLONG:
      return UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "the name is too long"));
    case EIO:
      return UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "the disk could not be read or written"));
    default:
      return UserText::Plain(std::strerror(errnum));
  }
}

}  // namespace lyrova
