#pragma once
// The song image a disc folder holds, as start-up judges it: the one
// supported disc version has an exact size and a version mark in its last
// two bytes.

#include <cstdint>
#include <string>

namespace lyrova {

inline constexpr char kDiscImageName[] = "rmidi.img";
inline constexpr std::uint64_t kDiscImageSize = 111'945'728;
inline constexpr unsigned kDiscVersionMark = 59966;  // little-endian in the last two bytes

enum class TDiscImage {
  Missing,       // none, or not a regular file that can be read
  WrongSize,
  WrongVersion,  // the size is right, the mark is not
  Accepted,
};

// The image in `folder` (ending with "/"). A pipe or a device named like the
// image counts as missing and is never waited on.
TDiscImage CheckDiscImage(const std::string& folder);

}  // namespace lyrova
