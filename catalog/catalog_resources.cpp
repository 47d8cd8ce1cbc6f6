#include "catalog/catalog_resources.h"

#include <string_view>

#include "catalog/byte_order.h"
#include "catalog/catalog_errors.h"
#include "catalog/text_lines.h"

namespace lyrova {
namespace {

void AppendTextLine(std::string& out, const std::string& field) {
  for (char c : field) out += (c == '\r' || c == '\n') ? ' ' : c;
  out += "\r\n";
}

}  // namespace

std::vector<TSongHeader> ReadResourceRecords(const CatalogResources& resources) {
  const std::span<const std::uint8_t> ofs = resources.ofsdat;
  if (ofs.size() < 4) throw ReadBeyondEndError();
  const std::uint32_t count = ReadLe32(ofs.data());
  if (4 + std::uint64_t{count} * kResourceRecordSize > ofs.size()) throw ReadBeyondEndError();

  const std::vector<std::string_view> lines = SplitLineViews(std::string_view(
      reinterpret_cast<const char*>(resources.txtdat.data()), resources.txtdat.size()));

  std::vector<TSongHeader> records(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* p = ofs.data() + 4 + i * kResourceRecordSize;
    TSongHeader& r = records[i];
    r.Code = ReadLe32(p);
    r.Encoded = p[4] != 0;
    r.Found = p[5] != 0;
    r.Offset = ReadLe32(p + 6);
    r.TextSize = ReadLe16(p + 10);
    r.MidiSize = ReadLe32(p + 12);
    r.PointsSize = ReadLe16(p + 16);
    r.WordsSize = ReadLe16(p + 18);

    std::string* const fields[] = {&r.Name, &r.LyricAuthor, &r.MusicAuthor, &r.Singer};
    for (std::size_t k = 0; k < 4; ++k) {
      const std::size_t line = i * 4 + k;
      if (line >= lines.size()) throw ListIndexError(static_cast<long long>(line));
      fields[k]->assign(lines[line]);
    }
  }
  return records;
}

CatalogDumps MakeCatalogDumps(std::span<const TSongHeader> records) {
  CatalogDumps dumps;
  dumps.bin.reserve(4 + records.size() * kResourceRecordSize);
  AppendLe32(dumps.bin, static_cast<std::uint32_t>(records.size()));
  for (const TSongHeader& r : records) {
    AppendLe32(dumps.bin, r.Code);
    dumps.bin.push_back(r.Encoded ? 1 : 0);
    dumps.bin.push_back(r.Found ? 1 : 0);
    AppendLe32(dumps.bin, r.Offset);
    AppendLe16(dumps.bin, r.TextSize);
    AppendLe32(dumps.bin, r.MidiSize);
    AppendLe16(dumps.bin, r.PointsSize);
    AppendLe16(dumps.bin, r.WordsSize);
    AppendTextLine(dumps.txt, r.Name);
    AppendTextLine(dumps.txt, r.LyricAuthor);
    AppendTextLine(dumps.txt, r.MusicAuthor);
    AppendTextLine(dumps.txt, r.Singer);
  }
  return dumps;
}

}  // namespace lyrova
