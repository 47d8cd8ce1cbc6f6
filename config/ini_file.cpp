#include "config/ini_file.h"

#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "config/ini_number.h"
#include "config/whole_file.h"

namespace lyrova {
namespace {

bool IsQuote(char c) { return c == '"' || c == '\''; }

// A value in a matching pair of quotes reads without them, as profile
// strings always have.
bool Quoted(std::string_view value) {
  return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// A value that reading would change is written inside one more pair of quotes.
std::string StoredValue(std::string_view value) {
  return ReadingChangesValue(value) ? "\"" + std::string(value) + "\"" : std::string(value);
}

}  // namespace

bool ReadingChangesValue(std::string_view value) {
  return Quoted(value) || (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())));
}

IniDocument TIniFile::Load() const {
  try {
    const auto bytes = ReadWholeFile(path_);
    return bytes ? IniDocument::Parse(*bytes) : IniDocument();
  } catch (const Error&) {
    // Reads fall back to their defaults, as for a file that is not there.
    return IniDocument();
  }
}

void TIniFile::Save(const IniDocument& doc) { ReplaceWholeFile(path_, doc.Serialize()); }

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return Load().Find(section, key) != nullptr;
}

bool TIniFile::SectionExists(std::string_view section) const { return Load().HasSection(section); }

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) const {
  const IniDocument doc = Load();
  const std::string* value = doc.Find(section, key);
  std::string_view text = value ? std::string_view(*value) : def;
  if (value && Quoted(text)) text = text.substr(1, text.size() - 2);
  return std::string(text.substr(0, kMaxValueLength));
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                                   std::int32_t def) const {
  return ParseProfileInt(ReadString(section, key, ""), def);
}

double TIniFile::ReadFloat(std::string_view section, std::string_view key, double def) const {
  return ParseProfileFloat(ReadString(section, key, ""), def);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (!IniDocument::ValidSectionName(section) || !IniDocument::ValidKeyName(key) ||
      !IniDocument::ValidValue(value)) {
    throw Error(WriteErrorText(path_, UserText(QT_TRANSLATE_NOOP("lyrova::UserText",
                                                                  "the text does not fit on one line of the file"))));
  }
  // Unlike a read, a write must not take an unreadable file for an empty one.
  const auto bytes = ReadWholeFile(path_);
  IniDocument doc = bytes ? IniDocument::Parse(*bytes) : IniDocument();
  doc.Set(section, key, StoredValue(value));
  Save(doc);
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteFloat(std::string_view section, std::string_view key, double value) {
  WriteString(section, key, FormatProfileFloat(value));
}

}  // namespace lyrova
