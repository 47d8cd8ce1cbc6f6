#include "tools/cdg/cdg_writer.h"

namespace lyrova {
namespace {

constexpr std::uint8_t kGraphics = 0x09;
enum Instruction : int {
  kMemoryPreset = 1,
  kBorderPreset = 2,
  kTile = 6,
  kScrollPreset = 20,
  kScrollCopy = 24,
  kTransparent = 28,
  kLowColours = 30,
  kHighColours = 31,
  kTileXor = 38,
};

std::uint8_t Six(int v) { return static_cast<std::uint8_t>(v & 0x3F); }

}  // namespace

void TCdgWriter::Packet(int instruction, const std::array<std::uint8_t, 16>& data) {
  const std::size_t at = bytes_.size();
  bytes_.resize(at + kPacketSize, 0);
  bytes_[at] = kGraphics;
  bytes_[at + 1] = Six(instruction);
  // Bytes 2-3 and 20-23 are the parity, which players do not check.
  for (std::size_t i = 0; i < data.size(); ++i) bytes_[at + 4 + i] = Six(data[i]);
}

void TCdgWriter::MemoryPreset(int colour, int repeat) {
  Packet(kMemoryPreset, {Six(colour & 0x0F), Six(repeat & 0x0F)});
}

void TCdgWriter::BorderPreset(int colour) { Packet(kBorderPreset, {Six(colour & 0x0F)}); }

void TCdgWriter::Tile(int row, int column, int colour0, int colour1, const std::array<std::uint8_t, 12>& bits,
                      bool exclusiveOr) {
  std::array<std::uint8_t, 16> data{Six(colour0 & 0x0F), Six(colour1 & 0x0F), Six(row & 0x1F), Six(column)};
  for (std::size_t i = 0; i < bits.size(); ++i) data[4 + i] = Six(bits[i]);
  Packet(exclusiveOr ? kTileXor : kTile, data);
}

void TCdgWriter::ScrollPreset(int colour, int hCommand, int hOffset, int vCommand, int vOffset) {
  Packet(kScrollPreset, {Six(colour & 0x0F), Six((hCommand & 3) << 4 | (hOffset & 7)),
                         Six((vCommand & 3) << 4 | (vOffset & 0x0F))});
}

void TCdgWriter::ScrollCopy(int hCommand, int hOffset, int vCommand, int vOffset) {
  Packet(kScrollCopy, {0, Six((hCommand & 3) << 4 | (hOffset & 7)), Six((vCommand & 3) << 4 | (vOffset & 0x0F))});
}

void TCdgWriter::TransparentColour(int colour) { Packet(kTransparent, {Six(colour & 0x0F)}); }

void TCdgWriter::LoadColours(bool high, const std::array<TCdgColour, 8>& colours) {
  std::array<std::uint8_t, 16> data{};
  for (std::size_t i = 0; i < colours.size(); ++i) {
    const TCdgColour& c = colours[i];
    data[2 * i] = Six((c.red & 0x0F) << 2 | (c.green & 0x0F) >> 2);
    data[2 * i + 1] = Six((c.green & 0x03) << 4 | (c.blue & 0x0F));
  }
  Packet(high ? kHighColours : kLowColours, data);
}

void TCdgWriter::Wait(int packets) {
  // A packet of another subcode channel: no graphics.
  for (int i = 0; i < packets; ++i) bytes_.resize(bytes_.size() + kPacketSize, 0);
}

}  // namespace lyrova
