#include "catalog/library_index.h"

#include <algorithm>
#include <cstring>

namespace lyrova {
namespace {

// The number changes whenever reading a file gives something else, so that
// an index written by an earlier version is read again; 3 keeps each song's
// CDG, kind and parts.
constexpr char kMagic[] = "lyrova library index 3\n";

void PutNumber(std::string& out, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) out += static_cast<char>(v >> (8 * i));
}
void PutText(std::string& out, std::string_view s) {
  PutNumber(out, s.size());
  out += s;
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) : in_(bytes) {}
  bool Number(std::uint64_t& v) {
    if (in_.size() < 8) return false;
    v = 0;
    for (int i = 0; i < 8; ++i) v |= std::uint64_t{static_cast<unsigned char>(in_[i])} << (8 * i);
    in_.remove_prefix(8);
    return true;
  }
  bool Text(std::string& s) {
    std::uint64_t n = 0;
    if (!Number(n) || n > in_.size()) return false;
    s.assign(in_.substr(0, n));
    in_.remove_prefix(n);
    return true;
  }
  bool Prefix(std::string_view p) {
    if (in_.substr(0, p.size()) != p) return false;
    in_.remove_prefix(p.size());
    return true;
  }
  bool Empty() const { return in_.empty(); }

 private:
  std::string_view in_;
};

}  // namespace

std::string WriteLibraryIndex(const std::string& folder, const std::vector<IndexEntry>& entries) {
  std::string out = kMagic;
  PutText(out, folder);
  PutNumber(out, static_cast<std::uint64_t>(std::count_if(entries.begin(), entries.end(),
                                                          [](const IndexEntry& e) { return e.song; })));
  for (const IndexEntry& e : entries) {
    if (!e.song) continue;
    PutText(out, e.file.path);
    PutNumber(out, e.file.size);
    PutNumber(out, static_cast<std::uint64_t>(e.file.mtimeNs));
    PutText(out, e.file.cdg);
    PutNumber(out, e.file.cdgSize);
    PutNumber(out, static_cast<std::uint64_t>(e.file.cdgMtimeNs));
    PutNumber(out, static_cast<std::uint64_t>(e.kind));
    for (const std::string* s : {&e.fields.title, &e.fields.singer, &e.fields.musicAuthor, &e.fields.lyricAuthor,
                                 &e.words, &e.parts.cdg, &e.parts.audioMember, &e.parts.cdgMember}) {
      PutText(out, *s);
    }
  }
  return out;
}

std::optional<std::vector<IndexEntry>> ReadLibraryIndex(const std::string& folder, std::string_view bytes) {
  Reader in(bytes);
  std::string storedFolder;
  std::uint64_t count = 0;
  if (!in.Prefix(kMagic) || !in.Text(storedFolder) || storedFolder != folder || !in.Number(count)) {
    return std::nullopt;
  }
  std::vector<IndexEntry> entries;
  // Each entry takes at least 120 bytes, so a damaged count cannot claim much memory.
  entries.reserve(std::min<std::uint64_t>(count, bytes.size() / 120));
  for (std::uint64_t i = 0; i < count; ++i) {
    IndexEntry e;
    std::uint64_t mtime = 0;
    std::uint64_t cdgMtime = 0;
    std::uint64_t kind = 0;
    if (!in.Text(e.file.path) || !in.Number(e.file.size) || !in.Number(mtime) || !in.Text(e.file.cdg) ||
        !in.Number(e.file.cdgSize) || !in.Number(cdgMtime) || !in.Number(kind) ||
        kind > static_cast<std::uint64_t>(SongKind::Video)) {
      return std::nullopt;
    }
    e.file.mtimeNs = static_cast<std::int64_t>(mtime);
    e.file.cdgMtimeNs = static_cast<std::int64_t>(cdgMtime);
    e.kind = static_cast<SongKind>(kind);
    e.song = true;
    for (std::string* s : {&e.fields.title, &e.fields.singer, &e.fields.musicAuthor, &e.fields.lyricAuthor,
                           &e.words, &e.parts.cdg, &e.parts.audioMember, &e.parts.cdgMember}) {
      if (!in.Text(*s)) return std::nullopt;
    }
    entries.push_back(std::move(e));
  }
  if (!in.Empty()) return std::nullopt;
  return entries;
}

}  // namespace lyrova
