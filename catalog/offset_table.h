#pragma once
// The disc's offset table rmidi_of.img: big-endian sector numbers of the song
// blocks in rmidi.img, read up to the first entry that goes backwards.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lyrova {

inline constexpr std::uint32_t kSectorSize = 2048;

class TrMidi_of {
 public:
  // Reads folder + "rmidi_of.img"; throws the I/O error when it cannot.
  explicit TrMidi_of(const std::string& folder);
  // The same rules over the file's bytes. A trailing partial entry is not an entry.
  explicit TrMidi_of(std::span<const std::uint8_t> table);

  int Count() const { return static_cast<int>(items_.size()); }
  // Entry i as a byte offset in rmidi.img. Throws "List index out of bounds".
  std::uint64_t Items(int i) const;

 private:
  void Parse(std::span<const std::uint8_t> table);

  // Sector × 2048 kept whole: a damaged entry must not wrap onto another block.
  std::vector<std::uint64_t> items_;
};

}  // namespace lyrova
