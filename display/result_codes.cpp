#include "display/result_codes.h"

#include <array>
#include <utility>

namespace lyrova {

std::string DescribeResult(HResult code) {
  static constexpr std::array<std::pair<HResult, const char*>, 6> kTexts = {{
      {S_OK, "The request completed successfully."},
      {E_NOTIMPL, "The operation is not supported."},
      {E_POINTER, "An invalid pointer was passed; the surface does not exist."},
      {E_FAIL, "There is an undefined error condition."},
      {E_OUTOFMEMORY, "There is not enough memory to perform the operation."},
      {E_INVALIDARG, "One or more of the parameters passed to the method are incorrect."},
  }};
  for (const auto& [value, text] : kTexts) {
    if (value == code) return text;
  }
  return "Unrecognized Error";
}

}  // namespace lyrova
