// Header texts of encoded and plain songs: fields never hold a carriage return
// and never start or end with a blank.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalog/header_text.h"

namespace {

void CheckField(const std::string& field) {
  if (field.find('\r') != std::string::npos) std::abort();
  if (!field.empty() && (static_cast<unsigned char>(field.front()) <= 32 ||
                         static_cast<unsigned char>(field.back()) <= 32)) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (bool encoded : {true, false}) {
    lyrova::TSongHeader record;
    record.Encoded = encoded;
    lyrova::ParseHeaderText(record, text);
    for (const std::string* f : {&record.Name, &record.LyricAuthor, &record.MusicAuthor, &record.Singer}) {
      CheckField(*f);
    }
  }
  return 0;
}
