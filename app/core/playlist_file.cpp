#include "app/core/playlist_file.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <unordered_map>

#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "catalog/songs_catalog.h"
#include "config/ini_document.h"
#include "config/ini_number.h"
#include "config/whole_file.h"

namespace lyrova {
namespace {

constexpr char kHeader[] = "Header";
constexpr char kContent[] = "Content";
constexpr char kType[] = "Type";
constexpr char kVer[] = "Ver";
constexpr char kItems[] = "Items";

std::string CodeCaption(std::uint32_t code) {
  char text[16];
  std::snprintf(text, sizeof text, "%.4d", static_cast<int>(code));
  return text;
}

// A decimal whole number with an optional sign that fits 32 bits.
std::optional<std::int64_t> DecimalCode(const std::string& text) {
  std::size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > 0xFFFFFFFFLL) return std::nullopt;
  }
  return text[0] == '-' ? -value : value;
}

bool IsPlaylist(const IniDocument& doc) {
  if (!doc.HasSection(kHeader)) return false;
  const std::string* type = doc.Find(kHeader, kType);
  if (!type || *type != kPlaylistType) return false;
  const std::string* ver = doc.Find(kHeader, kVer);
  if (ParseProfileFloat(ver ? *ver : "", 0) != 1) return false;
  return doc.HasSection(kContent);
}

}  // namespace

void SavePlaylistFile(const std::string& path, const std::vector<PlaylistRow>& rows) {
  IniDocument doc;
  doc.Set(kHeader, kType, kPlaylistType);
  doc.Set(kHeader, kVer, FormatProfileFloat(1));
  doc.Set(kHeader, kItems, std::to_string(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i) doc.Set(kContent, std::to_string(i), RowValue(rows[i]));
  // Written whole: nothing of an earlier content survives, and a failed save
  // leaves the earlier file as it was.
  ReplaceWholeFile(path, doc.Serialize());
}

PlaylistLoad LoadPlaylistFile(const std::string& path, TSongsCatalog& catalog,
                              std::vector<PlaylistRow>& rows) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return PlaylistLoad::kNotAPlaylist;
  const IniDocument doc = IniDocument::Parse(*bytes);
  if (!IsPlaylist(doc)) return PlaylistLoad::kNotAPlaylist;

  // Keys by name, the first of each name winning as in a lookup; keys past
  // the largest one present are missing anyway, so a huge Items ends there.
  std::unordered_map<std::string, std::string> content;
  std::int64_t keyLimit = 0;
  for (auto& [name, value] : doc.Entries(kContent)) {
    const auto index = DecimalCode(name);
    if (index && *index >= keyLimit && std::to_string(*index) == name) keyLimit = *index + 1;
    content.emplace(AnsiUpperCase(name), std::move(value));
  }
  const std::string* itemsText = doc.Find(kHeader, kItems);
  const std::int64_t items = std::min<std::int64_t>(ParseProfileInt(itemsText ? *itemsText : "", 0), keyLimit);

  rows.clear();
  for (std::int64_t i = 0; i < items; ++i) {
    const auto entry = content.find(std::to_string(i));
    const std::vector<std::string> fields = SplitRowValue(entry == content.end() ? "" : entry->second);
    if (fields.size() != 5) continue;
    const auto code = DecimalCode(fields[0]);
    if (!code) {
      throw Error(Utf8ToCp1251("Ошибка в плейлисте \"" + path + "\": \"") + fields[0] +
                  Utf8ToCp1251("\" не является кодом песни."));
    }
    const int index = *code < 0 ? -1 : catalog.SearchByOstrelCode(static_cast<std::uint32_t>(*code), true);
    if (index < 0) {
      throw Error(Utf8ToCp1251("Ошибка в плейлисте \"" + path + "\": песни с кодом " + fields[0] +
                               " нет в каталоге."));
    }
    const TSongHeader& song = catalog.Record(index);
    rows.push_back({CodeCaption(song.Code), song.Name, song.Singer, song.MusicAuthor, song.LyricAuthor});
  }
  return PlaylistLoad::kLoaded;
}

}  // namespace lyrova
