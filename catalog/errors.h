#pragma once
// The one error type of the core. Its message is the text shown to the user
// (CP1251), as the window layer's general error report shows it.

#include <stdexcept>
#include <string>

namespace lyrova {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace lyrova
