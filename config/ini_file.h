#pragma once
// An INI file named by its path, used key by key: every read opens and reads
// the file afresh and every write reaches the file before it returns. Names
// of sections and keys match without regard to letter case; files are CP1251
// text with CR LF line ends.

#include <cstdint>
#include <string>
#include <string_view>

#include "config/ini_document.h"

namespace lyrova {

// True when reading a value back from an INI line would not give it as it
// stands: blanks at its ends, or a pair of quotes round it.
bool ReadingChangesValue(std::string_view value);

class TIniFile {
 public:
  // The longest value a read hands back; longer ones are cut.
  static constexpr std::size_t kMaxValueLength = 2047;

  explicit TIniFile(std::string path) : path_(std::move(path)) {}

  const std::string& FileName() const { return path_; }

  // Reads treat a missing or unreadable file as an empty one.
  bool ValueExists(std::string_view section, std::string_view key) const;
  // True when the section holds at least one key.
  bool SectionExists(std::string_view section) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t def) const;
  double ReadFloat(std::string_view section, std::string_view key, double def) const;

  // Writes throw lyrova::Error naming the file when it cannot be written,
  // when it exists but cannot be read (rewriting it would lose its keys), or
  // when a name or the value cannot stand on one line of the file.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  void WriteFloat(std::string_view section, std::string_view key, double value);

  // The whole file as it stands; empty when it is missing or unreadable.
  IniDocument Load() const;
  // Replaces the whole file with `doc`.
  void Save(const IniDocument& doc);

 private:
  std::string path_;
};

}  // namespace lyrova
