// The catalogue builder: the list rebuilt from a disc's own files, and the
// dump files the built-in resources are made from.

#include <sys/stat.h>

#include <cerrno>
#include <limits>

#include "catalog/byte_order.h"
#include "catalog/catalog_errors.h"
#include "catalog/file_path.h"
#include "catalog/file_writer.h"
#include "catalog/header_text.h"
#include "catalog/offset_table.h"
#include "catalog/song_codes.h"
#include "catalog/songs_catalog.h"

namespace lyrova {
namespace {

constexpr std::size_t kBlockHeaderSize = 12;

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

}  // namespace

bool TSongsCatalog::ReadCatalog(const std::string& folder) {
  records_.clear();
  const std::string imagePath = JoinPath(folder, "rmidi.img");
  if (!FileExists(JoinPath(folder, "rmidi_of.img")) || !FileExists(imagePath)) return false;

  const TrMidi_of table(folder);
  if (!image_.Open(imagePath)) throw IoError(errno);

  bool encoded = true;
  std::uint32_t code = kFirstSongCode;
  std::string text;
  // The last three entries of the table are not songs.
  for (int e = 0; e + 3 < table.Count(); ++e) {
    const std::uint64_t offset = table.Items(e);
    std::uint8_t header[kBlockHeaderSize];
    image_.ReadAt(offset, sizeof header, header);
    // A record keeps a 32-bit offset; a block beyond that cannot be listed.
    if (offset > std::numeric_limits<std::uint32_t>::max()) throw IoError(EOVERFLOW);

    TSongHeader r;
    r.Offset = static_cast<std::uint32_t>(offset);
    r.TextSize = ReadBe16(header);
    r.MidiSize = ReadBe32(header + 2);
    r.PointsSize = ReadBe16(header + 6);
    r.WordsSize = ReadBe16(header + 8);
    image_.ReadBlock(offset + kBlockHeaderSize, r.TextSize, text);

    ApplyCodeJump(code, encoded);
    r.Code = code;
    r.Encoded = encoded;
    r.Found = true;
    ParseHeaderText(r, text);
    // A song without a title is dropped, but its code stays used up.
    if (r.Name.size() >= 2) records_.push_back(std::move(r));
    if (++code > kLastSongCode) break;
  }
  return true;
}

CatalogDumps TSongsCatalog::MakeDumps() const { return MakeCatalogDumps(records_); }

void TSongsCatalog::SaveCatalog(const std::string& outFolder) const {
  const CatalogDumps dumps = MakeDumps();
  WriteWholeFile(JoinPath(outFolder, "catdata.bin"), dumps.bin);
  WriteWholeFile(JoinPath(outFolder, "catdata.txt"),
                 {reinterpret_cast<const std::uint8_t*>(dumps.txt.data()), dumps.txt.size()});
}

}  // namespace lyrova
