#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/catalog_resources.h"
#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "tests/catalog/disc_maker.h"

namespace lyrova {
namespace {

using testing::Bytes;

CatalogResources View(const Bytes& ofs, const std::string& txt) {
  return {ofs, {reinterpret_cast<const std::uint8_t*>(txt.data()), txt.size()}};
}

std::string ErrorText(const CatalogResources& res) {
  try {
    ReadResourceRecords(res);
  } catch (const Error& e) {
    return e.what();
  }
  return "no error";
}

TEST(CatalogResources, ReadsTheRecordLayout) {
  // The first record of the real disc's resource, as a one-record catalogue.
  const Bytes ofs = {0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00,
                     0x00, 0x00, 0x63, 0x00, 0xB2, 0x7F, 0x00, 0x00, 0xB0, 0x02, 0xF9, 0x05};
  const std::string txt = Utf8ToCp1251(
      "А где мне взять такую песню?\r\nАгашиной М.\r\nПономаренко Г.\r\nВоронец О.\r\n");
  const std::vector<TSongHeader> records = ReadResourceRecords(View(ofs, txt));
  ASSERT_EQ(records.size(), 1u);
  const TSongHeader& r = records[0];
  EXPECT_EQ(r.Code, 1u);
  EXPECT_TRUE(r.Encoded);
  EXPECT_TRUE(r.Found);
  EXPECT_EQ(r.Offset, 0u);
  EXPECT_EQ(r.TextSize, 99);
  EXPECT_EQ(r.MidiSize, 32690u);
  EXPECT_EQ(r.PointsSize, 688);
  EXPECT_EQ(r.WordsSize, 1529);
  EXPECT_EQ(Cp1251ToUtf8(r.Name), "А где мне взять такую песню?");
  EXPECT_EQ(Cp1251ToUtf8(r.Singer), "Воронец О.");
  // Written back, the bytes are the same.
  const CatalogDumps dumps = MakeCatalogDumps(records);
  EXPECT_EQ(dumps.bin, ofs);
  EXPECT_EQ(dumps.txt, txt);
}

TEST(CatalogResources, RoundTripKeepsEveryField) {
  std::vector<TSongHeader> records(3);
  for (std::size_t i = 0; i < records.size(); ++i) {
    TSongHeader& r = records[i];
    r.Code = 6501 + static_cast<std::uint32_t>(i);
    r.Encoded = i != 1;
    r.Found = true;
    r.Offset = 0x7FFFF800u - static_cast<std::uint32_t>(i) * 2048;
    r.TextSize = 0xFFFF;
    r.MidiSize = 0x01020304;
    r.PointsSize = 0x0506;
    r.WordsSize = 0x0708;
    r.Name = "Name " + std::to_string(i);
    r.Singer = i == 2 ? "" : "\xCD\xE5\xF2 \xE4\xE0\xED\xED\xFB\xF5";
  }
  const CatalogDumps dumps = MakeCatalogDumps(records);
  EXPECT_EQ(dumps.bin.size(), 4 + 3 * kResourceRecordSize);
  std::vector<TSongHeader> back = ReadResourceRecords(View(dumps.bin, dumps.txt));
  EXPECT_EQ(back, records);
}

TEST(CatalogResources, LineBreakInsideAFieldCannotShiftLaterRecords) {
  std::vector<TSongHeader> records(2);
  records[0].Name = "two\nlines\rhere";
  records[1].Name = "second";
  const CatalogDumps dumps = MakeCatalogDumps(records);
  const std::vector<TSongHeader> back = ReadResourceRecords(View(dumps.bin, dumps.txt));
  EXPECT_EQ(back[0].Name, "two lines here");
  EXPECT_EQ(back[1].Name, "second");
}

TEST(CatalogResources, DamagedResourcesAreErrorsNotOverreads) {
  const Bytes oneRecord = {1, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  Bytes cut = oneRecord;
  cut.pop_back();
  const Bytes hugeCount = {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
  EXPECT_EQ(ErrorText(View(Bytes{}, "")), "Read beyond end of file");
  EXPECT_EQ(ErrorText(View(Bytes{1, 0, 0}, "")), "Read beyond end of file");
  EXPECT_EQ(ErrorText(View(cut, "a\r\nb\r\nc\r\nd\r\n")), "Read beyond end of file");
  EXPECT_EQ(ErrorText(View(hugeCount, "")), "Read beyond end of file");
  EXPECT_EQ(ErrorText(View(oneRecord, "a\r\nb\r\nc\r\n")), "List index out of bounds (3)");
  EXPECT_EQ(ErrorText(View(oneRecord, "")), "List index out of bounds (0)");
  EXPECT_EQ(ErrorText(View(Bytes{0, 0, 0, 0}, "")), "no error");
}

}  // namespace
}  // namespace lyrova
