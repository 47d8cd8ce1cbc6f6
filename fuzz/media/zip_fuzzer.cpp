// Any bytes as a zipped song: refused with a reason or read, never a crash.
#include <cstddef>
#include <cstdint>

#include "catalog/errors.h"
#include "media/zip_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const lyrova::TZipArchive zip = lyrova::TZipArchive::OpenBytes({data, data + size});
    for (const std::string& name : zip.MemberNames()) lyrova::SafeMemberName(name);
    const lyrova::TZipSong song = zip.FindSong();
    zip.Read(song.audio);
    zip.Read(song.cdg);
  } catch (const lyrova::Error&) {
  }
  return 0;
}
