#pragma once
// The text of an INI file held in memory: sections in square brackets,
// "key=value" lines under them. Names match without regard to letter case
// (the Windows ANSI upper-casing of CP1251); every other line, comments and
// blank lines included, is kept as it stands when the text is written back.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lyrova {

class IniDocument {
 public:
  // Lines end at LF, with or without a CR before it.
  static IniDocument Parse(std::string_view text);
  // Every line ended by CR LF.
  std::string Serialize() const;

  // The value of the first such key in the first such section, trimmed of
  // blanks; nullptr when there is none.
  const std::string* Find(std::string_view section, std::string_view key) const;
  // True when the first such section holds at least one key.
  bool HasSection(std::string_view section) const;
  // The keys of the first such section with their values, in file order.
  std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;

  // Replaces the key's value where it stands, or adds the key after the last
  // line of its section, or adds the section at the end. The caller makes
  // sure that the names and the value fit on one line (the Valid* checks).
  void Set(std::string_view section, std::string_view key, std::string_view value);

  static bool ValidSectionName(std::string_view name);
  static bool ValidKeyName(std::string_view name);
  static bool ValidValue(std::string_view value);

 private:
  enum class Kind { kOther, kSection, kKey };
  struct Line {
    std::string text;
    Kind kind = Kind::kOther;
    std::string name;       // section or key name as written
    std::string upperName;  // the same, for matching
    std::string value;      // keys only
  };
  static Line ParseLine(std::string text);
  static Line KeyLine(std::string_view key, std::string_view value);
  // Index of the first section line of that name, or lines_.size().
  std::size_t FindSection(const std::string& upperName) const;
  std::size_t SectionEnd(std::size_t header) const;

  std::vector<Line> lines_;
};

}  // namespace lyrova
