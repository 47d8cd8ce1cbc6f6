// Any bytes as an INI file: parsing must not fail, writing the text back and
// reading it again must give the same text, and a key just set must be found.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/ini_document.h"
#include "config/ini_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using lyrova::IniDocument;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  IniDocument doc = IniDocument::Parse(text);
  const std::string written = doc.Serialize();
  if (IniDocument::Parse(written).Serialize() != written) std::abort();

  for (const auto& [name, value] : doc.Entries("Font")) {
    lyrova::ParseProfileInt(value, 72);
    lyrova::ParseProfileFloat(value, 0);
    if (!doc.Find("Font", name)) std::abort();
  }
  doc.HasSection("Content");

  doc.Set("Font", "Height", "42");
  const std::string* height = doc.Find("FONT", "height");
  if (!height || *height != "42") std::abort();
  const IniDocument reparsed = IniDocument::Parse(doc.Serialize());
  const std::string* reread = reparsed.Find("font", "HEIGHT");
  if (!reread || *reread != "42") std::abort();
  return 0;
}
