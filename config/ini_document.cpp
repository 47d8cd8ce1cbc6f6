#include "config/ini_document.h"

#include "catalog/cp1251.h"

namespace lyrova {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool FitsOnOneLine(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool IsTrimmedName(std::string_view s) {
  return !s.empty() && Trim(s).size() == s.size() && FitsOnOneLine(s);
}

}  // namespace

IniDocument::Line IniDocument::ParseLine(std::string text) {
  Line line;
  const std::string_view t = Trim(text);
  if (!t.empty() && t.front() == '[') {
    const std::size_t close = t.rfind(']');
    if (close != std::string_view::npos && close > 0) {
      line.kind = Kind::kSection;
      line.name = std::string(Trim(t.substr(1, close - 1)));
    }
  }
  if (line.kind == Kind::kOther && !t.empty() && t.front() != ';') {
    const std::size_t eq = t.find('=');
    if (eq != std::string_view::npos && !Trim(t.substr(0, eq)).empty()) {
      line.kind = Kind::kKey;
      line.name = std::string(Trim(t.substr(0, eq)));
      line.value = std::string(Trim(t.substr(eq + 1)));
    }
  }
  line.upperName = AnsiUpperCase(line.name);
  line.text = std::move(text);
  return line;
}

IniDocument::Line IniDocument::KeyLine(std::string_view key, std::string_view value) {
  std::string text(key);
  text += '=';
  text += value;
  return ParseLine(std::move(text));
}

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  while (!text.empty()) {
    const std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    doc.lines_.push_back(ParseLine(std::string(line)));
  }
  return doc;
}

std::string IniDocument::Serialize() const {
  std::string out;
  for (const Line& line : lines_) {
    out += line.text;
    out += "\r\n";
  }
  return out;
}

std::size_t IniDocument::FindSection(const std::string& upperName) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Kind::kSection && lines_[i].upperName == upperName) return i;
  }
  return lines_.size();
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && lines_[i].kind != Kind::kSection) ++i;
  return i;
}

const std::string* IniDocument::Find(std::string_view section, std::string_view key) const {
  const std::size_t header = FindSection(AnsiUpperCase(section));
  if (header == lines_.size()) return nullptr;
  const std::string upperKey = AnsiUpperCase(key);
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (lines_[i].kind == Kind::kKey && lines_[i].upperName == upperKey) return &lines_[i].value;
  }
  return nullptr;
}

bool IniDocument::HasSection(std::string_view section) const {
  const std::size_t header = FindSection(AnsiUpperCase(section));
  if (header == lines_.size()) return false;
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (lines_[i].kind == Kind::kKey) return true;
  }
  return false;
}

std::vector<std::pair<std::string, std::string>> IniDocument::Entries(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> entries;
  const std::size_t header = FindSection(AnsiUpperCase(section));
  if (header == lines_.size()) return entries;
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (lines_[i].kind == Kind::kKey) entries.emplace_back(lines_[i].name, lines_[i].value);
  }
  return entries;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  const std::size_t header = FindSection(AnsiUpperCase(section));
  if (header == lines_.size()) {
    lines_.push_back(ParseLine("[" + std::string(section) + "]"));
    lines_.push_back(KeyLine(key, value));
    return;
  }
  const std::string upperKey = AnsiUpperCase(key);
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (lines_[i].kind == Kind::kKey && lines_[i].upperName == upperKey) {
      // The key keeps the spelling it has in the file.
      lines_[i] = KeyLine(lines_[i].name, value);
      return;
    }
  }
  // Blank lines that close the section stay between it and the next one.
  std::size_t at = end;
  while (at > header + 1 && Trim(lines_[at - 1].text).empty()) --at;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), KeyLine(key, value));
}

bool IniDocument::ValidSectionName(std::string_view name) {
  return IsTrimmedName(name) && name.find(']') == std::string_view::npos;
}

bool IniDocument::ValidKeyName(std::string_view name) {
  return IsTrimmedName(name) && name.find('=') == std::string_view::npos && name.front() != ';' &&
         name.front() != '[';
}

bool IniDocument::ValidValue(std::string_view value) { return FitsOnOneLine(value); }

}  // namespace lyrova
