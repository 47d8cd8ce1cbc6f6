#pragma once
// Writes CD+G graphics packet by packet: every instruction of the format,
// 300 packets a second, so that tests and demo songs make the pictures they
// need and know what each packet draws.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lyrova {

// A colour of the table, 4 bits a component.
struct TCdgColour {
  int red = 0;
  int green = 0;
  int blue = 0;
};

class TCdgWriter {
 public:
  static constexpr int kRows = 18;     // tiles of 6 x 12 pixels
  static constexpr int kColumns = 50;
  // Scroll commands, horizontal and vertical.
  static constexpr int kStay = 0;
  static constexpr int kRight = 1, kLeft = 2;
  static constexpr int kDown = 1, kUp = 2;

  void MemoryPreset(int colour, int repeat = 0);
  void BorderPreset(int colour);
  // Six pixels a row, the highest of the six bits leftmost: a set bit takes
  // colour1, a clear one colour0; with exclusiveOr both are XORed into what
  // the screen holds.
  void Tile(int row, int column, int colour0, int colour1, const std::array<std::uint8_t, 12>& bits,
            bool exclusiveOr = false);
  // Moves the picture by a tile (6 or 12 pixels) with the command and sets
  // the fine offset (0..5 across, 0..11 down); the strip moved off comes
  // back on the other side (copy) or is filled with `colour` (preset).
  void ScrollPreset(int colour, int hCommand, int hOffset, int vCommand, int vOffset);
  void ScrollCopy(int hCommand, int hOffset, int vCommand, int vOffset);
  void TransparentColour(int colour);
  // Colours 0..7 (low) or 8..15 (high) of the table.
  void LoadColours(bool high, const std::array<TCdgColour, 8>& colours);
  // Packets that draw nothing: time passes.
  void Wait(int packets);

  std::size_t Packets() const { return bytes_.size() / kPacketSize; }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  static constexpr std::size_t kPacketSize = 24;
  void Packet(int instruction, const std::array<std::uint8_t, 16>& data);

  std::vector<std::uint8_t> bytes_;
};

}  // namespace lyrova
