#include "tools/demo_disc/disc_image_writer.h"

#include <system_error>

#include "catalog/errors.h"

namespace lyrova::demo {
namespace {

constexpr std::uint8_t kVersionMark[2] = {0x3E, 0xEA};  // 59966 little-endian

[[noreturn]] void FailOn(const std::filesystem::path& file) {
  throw Error("cannot write " + file.string());
}

}  // namespace

DiscImageWriter::DiscImageWriter(const std::filesystem::path& folder) : folder_(folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  if (ec) throw Error("cannot create folder " + folder_.string() + ": " + ec.message());
  image_.open(folder_ / "rmidi.img", std::ios::binary | std::ios::out | std::ios::trunc);
  if (!image_) FailOn(folder_ / "rmidi.img");
}

void DiscImageWriter::Write(std::uint64_t offset, const void* data, std::size_t size) {
  // Seeking past the end leaves a hole: nothing is written between blocks.
  image_.seekp(static_cast<std::streamoff>(offset));
  image_.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!image_) FailOn(folder_ / "rmidi.img");
}

std::uint32_t DiscImageWriter::WriteBlock(std::uint32_t sector, const ByteVector& block) {
  if (sector < nextFree_) throw Error("song block placed over the one before it");
  // The version mark must survive: blocks end before the image's last two bytes.
  if (std::uint64_t{sector} * kSectorBytes + block.size() > kImageSize - sizeof kVersionMark)
    throw Error("song blocks overrun the image");
  Write(std::uint64_t{sector} * kSectorBytes, block.data(), block.size());
  nextFree_ = sector + static_cast<std::uint32_t>((block.size() + kSectorBytes - 1) / kSectorBytes);
  return sector;
}

void DiscImageWriter::AddEntry(std::uint32_t sector) {
  if (!entries_.empty() && sector < entries_.back())
    throw Error("offset table entries must not go backwards");
  entries_.push_back(sector);
}

void DiscImageWriter::Finish(std::uint32_t trailingSector) {
  for (int i = 0; i < kTrailingEntries; ++i) AddEntry(trailingSector);
  Write(kImageSize - sizeof kVersionMark, kVersionMark, sizeof kVersionMark);
  image_.close();
  if (!image_) FailOn(folder_ / "rmidi.img");

  std::vector<char> table;
  table.reserve(entries_.size() * 4);
  for (std::uint32_t e : entries_) {
    for (int shift = 24; shift >= 0; shift -= 8) table.push_back(static_cast<char>(e >> shift));
  }
  std::ofstream out(folder_ / "rmidi_of.img", std::ios::binary | std::ios::trunc);
  out.write(table.data(), static_cast<std::streamsize>(table.size()));
  out.close();
  if (!out) FailOn(folder_ / "rmidi_of.img");
}

}  // namespace lyrova::demo
