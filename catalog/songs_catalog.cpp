#include "catalog/songs_catalog.h"

#include "catalog/catalog_errors.h"
#include "catalog/disc_text.h"
#include "catalog/file_path.h"

namespace lyrova {

TSongsCatalog::TSongsCatalog() = default;
TSongsCatalog::~TSongsCatalog() = default;

bool TSongsCatalog::LoadCatalog(const std::string& folder, const CatalogResources& resources) {
  records_.clear();
  const bool opened = image_.Open(JoinPath(folder, "rmidi.img"));
  LoadRecords(resources);
  return opened;
}

void TSongsCatalog::LoadRecords(const CatalogResources& resources) {
  records_.clear();
  records_ = ReadResourceRecords(resources);
}

const TSongHeader& TSongsCatalog::Record(int index) const {
  if (index < 0 || index >= Count()) throw ListIndexError(index);
  return records_[static_cast<std::size_t>(index)];
}

void TSongsCatalog::LoadMidi(int index, Bytes& stream) {
  const TSongHeader& r = Record(index);
  image_.ReadBlock(MidiOffset(r), r.MidiSize, stream);
}

void TSongsCatalog::LoadPoints(int index, Bytes& stream) {
  const TSongHeader& r = Record(index);
  image_.ReadBlock(PointsOffset(r), r.PointsSize, stream);
}

std::string TSongsCatalog::GetWodrs(int index) {
  const TSongHeader& r = Record(index);
  std::string words;
  image_.ReadBlock(WordsOffset(r), r.WordsSize, words);
  if (!r.Encoded) return words;
  return ConvertDiscText(words, QuoteMode::Keep);
}

}  // namespace lyrova
