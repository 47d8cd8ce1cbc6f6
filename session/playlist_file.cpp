#include "session/playlist_file.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <unordered_map>

#include "session/song_collection.h"
#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "config/ini_document.h"
#include "config/ini_number.h"
#include "config/path_text.h"
#include "config/whole_file.h"

namespace lyrova {
namespace {

constexpr char kHeader[] = "Header";
constexpr char kContent[] = "Content";
constexpr char kFiles[] = "Files";
constexpr char kType[] = "Type";
constexpr char kVer[] = "Ver";
constexpr char kItems[] = "Items";

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

void SavePlaylistFile(const std::string& path, const std::vector<TSongEntry>& songs) {
  IniDocument doc;
  doc.Set(kHeader, kType, kPlaylistType);
  doc.Set(kHeader, kVer, FormatProfileFloat(1));
  doc.Set(kHeader, kItems, std::to_string(songs.size()));
  std::vector<std::pair<std::string, std::string>> files;
  for (std::size_t i = 0; i < songs.size(); ++i) {
    PlaylistRow stored;
    for (std::size_t c = 0; c < stored.size(); ++c) stored[c] = Utf8ToCp1251(songs[i].texts[c]);
    doc.Set(kContent, std::to_string(i), RowValue(stored));
    if (!songs[i].file.empty()) files.emplace_back(std::to_string(i), StoredPathText(songs[i].file));
  }
  for (const auto& [key, file] : files) doc.Set(kFiles, key, file);
  // Written whole: nothing of an earlier content survives, and a failed save
  // leaves the earlier file as it was.
  ReplaceWholeFile(path, doc.Serialize());
}

PlaylistLoad LoadPlaylistFile(const std::string& path, const TSongCollection& songs,
                              std::vector<TSongEntry>& rows) {
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
  // A library file that has gone costs its own row only; the rest load and
  // the message names every file missing.
  std::vector<std::string> missingFiles;
  for (std::int64_t i = 0; i < items; ++i) {
    const auto entry = content.find(std::to_string(i));
    const std::vector<std::string> fields = SplitRowValue(entry == content.end() ? "" : entry->second);
    if (fields.size() != 5) continue;
    if (const std::string* file = doc.Find(kFiles, std::to_string(i)); file && !file->empty()) {
      const std::string songFile = PathFromStoredText(*file);
      const LibrarySong* song = songs.LibrarySongAt(songFile);
      if (song) {
        rows.push_back(LibraryEntryOf(*song));
      } else {
        missingFiles.push_back(songFile);
      }
      continue;
    }
    const auto code = DecimalCode(fields[0]);
    if (!code) {
      throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Error in the playlist \"%1\": \"%2\" is not a song code."),
                           {UserText::Plain(path), UserText::Plain(Cp1251ToUtf8(fields[0]))}));
    }
    std::optional<TSongEntry> row;
    if (*code >= 0) row = songs.EntryOf(static_cast<std::uint32_t>(*code));
    if (!row) {
      throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Error in the playlist \"%1\": there is no song with the code %2 in the catalogue."),
                           {UserText::Plain(path), UserText::Plain(Cp1251ToUtf8(fields[0]))}));
    }
    rows.push_back(std::move(*row));
  }
  if (!missingFiles.empty()) {
    std::string names;
    for (const std::string& file : missingFiles) names += (names.empty() ? "\"" : ", \"") + file + "\"";
    throw Error(UserText(missingFiles.size() == 1
                             ? QT_TRANSLATE_NOOP("lyrova::UserText", "Error in the playlist \"%1\": the song library has no file %2. "
                                                 "The playlist's other songs are loaded.")
                             : QT_TRANSLATE_NOOP("lyrova::UserText", "Error in the playlist \"%1\": the song library has no files %2. "
                                                 "The playlist's other songs are loaded."),
                         {UserText::Plain(path), UserText::Plain(names)}));
  }
  return PlaylistLoad::kLoaded;
}

}  // namespace lyrova
