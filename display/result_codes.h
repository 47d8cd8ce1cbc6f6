#pragma once
// Result codes of the drawing layer. They keep the COM meaning the rest of the
// program relies on: 0 is success, negative values are failures.

#include <cstdint>
#include <string>

namespace lyrova {

using HResult = std::int32_t;

inline constexpr HResult S_OK = 0;
inline constexpr HResult E_NOTIMPL = static_cast<HResult>(0x80004001u);
inline constexpr HResult E_POINTER = static_cast<HResult>(0x80004003u);
inline constexpr HResult E_FAIL = static_cast<HResult>(0x80004005u);
inline constexpr HResult E_OUTOFMEMORY = static_cast<HResult>(0x8007000Eu);
inline constexpr HResult E_INVALIDARG = static_cast<HResult>(0x80070057u);

// The standard description of a code this layer can produce, or
// "Unrecognized Error" for any other.
std::string DescribeResult(HResult code);

}  // namespace lyrova
