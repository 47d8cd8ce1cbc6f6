#pragma once
// The one error type of the core. It carries the text shown to the user as
// a translatable UserText; what() is its English wording, for tools and logs.
// The window layer's general error report shows it translated.

#include <stdexcept>
#include <string>

#include "catalog/user_text.h"

namespace lyrova {

class Error : public std::runtime_error {
 public:
  explicit Error(UserText text) : std::runtime_error(text.English()), text_(std::move(text)) {}
  // A text that is never translated (it names nothing but what it holds).
  explicit Error(const std::string& plain) : Error(UserText::Plain(plain)) {}
  explicit Error(const char* plain) : Error(UserText::Plain(plain)) {}

  const UserText& Text() const { return text_; }

 private:
  UserText text_;
};

}  // namespace lyrova
