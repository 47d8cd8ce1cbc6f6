#pragma once
// A text the user reads, as the core below the windows forms it.
//
// The core has no Qt, yet its messages must reach the user in the
// interface's language. So a message travels as its English source text,
// marked for lupdate with QT_TRANSLATE_NOOP("lyrova::UserText", "..."), and
// the texts that fill its %1..%9: names, paths and numbers stay as they are
// (Plain), reasons are translatable texts themselves. The window layer and
// the tools translate it (translations/user_text_qt.h); English() is the
// untranslated wording, for logs and tests.
//
//   throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Cannot read \"%1\": %2"),
//                        {UserText::Plain(path), ReasonOfErrno(errno)}));

#include <string>
#include <string_view>
#include <vector>

// lupdate reads the marker; without Qt it leaves the text as it is.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace lyrova {

class UserText {
 public:
  // Every marked core text shares this translation context.
  static constexpr char kContext[] = "lyrova::UserText";

  // `source` is a marked string literal: only its address is kept.
  explicit UserText(const char* source, std::vector<UserText> args = {});
  // A name, path or number: shown as it is, UTF-8.
  static UserText Plain(std::string utf8);

  bool IsPlain() const { return source_ == nullptr; }
  const char* Source() const { return source_; }
  const std::string& PlainText() const { return plain_; }
  const std::vector<UserText>& Args() const { return args_; }

  // The English wording with its arguments filled in.
  std::string English() const;

 private:
  UserText() = default;
  const char* source_ = nullptr;
  std::string plain_;
  std::vector<UserText> args_;
};

// Puts args[N-1] in place of each %N (N 1 to 9) in one pass, so an argument
// that itself holds "%2" stays as it is; any other "%" stays too.
std::string FillArguments(std::string_view pattern, const std::vector<std::string>& args);

// The reason behind a failed system call, as a translatable text.
UserText ReasonOfErrno(int errnum);

}  // namespace lyrova
