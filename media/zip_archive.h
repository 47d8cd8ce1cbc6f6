#pragma once
// A zip archive read straight from its file (or from bytes) with libzip:
// members come out into memory, never onto the disk, and an archive that
// tries to write outside itself, to fill the memory or that is damaged is
// refused with its reason.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "media/media_input.h"

typedef struct zip zip_t;

namespace lyrova {

// The members that make a song: an MP3 and a CDG of the same name.
struct TZipSong {
  std::string audio;
  std::string cdg;
};

class TZipArchive {
 public:
  // Throws lyrova::Error (English reason) when it is no zip archive libzip
  // can read.
  static TZipArchive OpenFile(const std::string& path);
  static TZipArchive OpenBytes(std::vector<std::uint8_t> bytes);
  TZipArchive(TZipArchive&&) noexcept;
  TZipArchive& operator=(TZipArchive&&) noexcept;
  ~TZipArchive();

  std::vector<std::string> MemberNames() const;
  // The archive's one MP3 and CDG pair (names compared in any letter case).
  // Throws lyrova::Error saying why when it holds none, more than one, or a
  // member whose name reaches outside the archive.
  TZipSong FindSong() const;
  // A member's bytes, checked against the sizes and the checksum the archive
  // gives. Throws lyrova::Error for a missing, damaged or oversized member.
  SharedBytes Read(const std::string& member) const;

 private:
  struct Closer {
    void operator()(zip_t* z) const;
  };
  explicit TZipArchive(zip_t* zip, std::shared_ptr<std::vector<std::uint8_t>> bytes = {});
  std::shared_ptr<std::vector<std::uint8_t>> bytes_;  // what an archive in memory reads from
  std::unique_ptr<zip_t, Closer> zip_;
};

// Whether a member name stays inside the archive: neither absolute nor
// climbing out with "..", with '/' or '\' as the separator.
bool SafeMemberName(const std::string& name);

}  // namespace lyrova
