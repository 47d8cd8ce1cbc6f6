#include "session/disc_image.h"

#include <filesystem>

#include "catalog/errors.h"
#include "catalog/file_path.h"
#include "catalog/song_image.h"

namespace lyrova {

TDiscImage CheckDiscImage(const std::string& folder) {
  const std::string path = JoinPath(folder, kDiscImageName);
  SongImage image;
  if (!image.Open(path)) return TDiscImage::Missing;
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return TDiscImage::Missing;
  if (size != kDiscImageSize) return TDiscImage::WrongSize;
  std::uint8_t mark[2] = {};
  try {
    image.ReadAt(kDiscImageSize - 2, sizeof mark, mark);
  } catch (const Error&) {
    return TDiscImage::WrongVersion;
  }
  return (mark[0] | mark[1] << 8) == kDiscVersionMark ? TDiscImage::Accepted : TDiscImage::WrongVersion;
}

}  // namespace lyrova
