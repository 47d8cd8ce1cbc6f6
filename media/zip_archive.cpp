#include "media/zip_archive.h"

#include <zip.h>

#include <algorithm>
#include <string_view>

#include "catalog/errors.h"

namespace lyrova {
namespace {

// A karaoke song's sound or graphics is a few megabytes; an hour of CDG is
// 25 MiB. A member beyond this is no song's.
constexpr std::uint64_t kMaxMemberSize = 512ull << 20;
// Deflate cannot shrink anything more than about 1032 to 1; a member that
// claims more is made to fill the memory, whatever its sizes say.
constexpr std::uint64_t kMaxRatio = 1000;

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return out;
}

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

std::string ZipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

}  // namespace

void TZipArchive::Closer::operator()(zip_t* z) const { zip_discard(z); }

bool SafeMemberName(const std::string& name) {
  if (name.empty() || name[0] == '/' || name[0] == '\\') return false;
  if (name.size() >= 2 && name[1] == ':') return false;  // a drive letter
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = name.find_first_of("/\\", start);
    if (end == std::string::npos) end = name.size();
    if (std::string_view(name).substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return true;
}

TZipArchive::TZipArchive(zip_t* zip, std::shared_ptr<std::vector<std::uint8_t>> bytes)
    : bytes_(std::move(bytes)), zip_(zip) {}
TZipArchive::TZipArchive(TZipArchive&&) noexcept = default;
TZipArchive& TZipArchive::operator=(TZipArchive&&) noexcept = default;
TZipArchive::~TZipArchive() = default;

TZipArchive TZipArchive::OpenFile(const std::string& path) {
  int code = 0;
  zip_t* z = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (z == nullptr) throw Error("it is no zip archive that can be read (" + ZipErrorText(code) + ")");
  return TZipArchive(z);
}

TZipArchive TZipArchive::OpenBytes(std::vector<std::uint8_t> bytes) {
  auto held = std::make_shared<std::vector<std::uint8_t>>(std::move(bytes));
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(held->data(), held->size(), 0, &error);
  zip_t* z = source != nullptr ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
  if (z == nullptr) {
    if (source != nullptr) zip_source_free(source);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    throw Error("it is no zip archive that can be read (" + text + ")");
  }
  zip_error_fini(&error);
  return TZipArchive(z, std::move(held));
}

std::vector<std::string> TZipArchive::MemberNames() const {
  std::vector<std::string> names;
  const zip_int64_t count = zip_get_num_entries(zip_.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(zip_.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
    if (name != nullptr) names.emplace_back(name);
  }
  return names;
}

TZipSong TZipArchive::FindSong() const {
  std::vector<std::string> mp3;
  std::vector<std::string> cdg;
  for (const std::string& name : MemberNames()) {
    if (!SafeMemberName(name)) throw Error("it has a member named " + Quoted(name) + ", outside the archive");
    const std::string lower = Lower(name);
    if (lower.ends_with(".mp3")) mp3.push_back(name);
    if (lower.ends_with(".cdg")) cdg.push_back(name);
  }
  std::vector<TZipSong> pairs;
  for (const std::string& a : mp3)
    for (const std::string& c : cdg)
      if (Lower(a.substr(0, a.size() - 4)) == Lower(c.substr(0, c.size() - 4))) pairs.push_back({a, c});
  if (pairs.empty()) throw Error("it holds no MP3 and CDG of the same name");
  if (pairs.size() > 1) throw Error("it holds more than one MP3 and CDG pair");
  return pairs.front();
}

SharedBytes TZipArchive::Read(const std::string& member) const {
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat(zip_.get(), member.c_str(), ZIP_FL_ENC_RAW, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
    throw Error("its member " + Quoted(member) + " cannot be found");
  if (st.size > kMaxMemberSize) throw Error("its member " + Quoted(member) + " is too large for a song");
  if ((st.valid & ZIP_STAT_COMP_SIZE) && st.size > (1u << 20) && st.size / std::max<zip_uint64_t>(st.comp_size, 1) > kMaxRatio)
    throw Error("its member " + Quoted(member) + " unpacks to far more than it holds (a zip bomb)");

  zip_file_t* file = zip_fopen(zip_.get(), member.c_str(), ZIP_FL_ENC_RAW);
  if (file == nullptr) throw Error("its member " + Quoted(member) + " cannot be read (" + zip_strerror(zip_.get()) + ")");
  auto bytes = std::make_shared<std::vector<std::uint8_t>>(static_cast<std::size_t>(st.size) + 1);
  // One byte more than the archive says, so that a member that unpacks
  // to more is caught without reading all of it.
  zip_uint64_t done = 0;
  zip_int64_t n = 0;
  while (done < bytes->size() && (n = zip_fread(file, bytes->data() + done, bytes->size() - done)) > 0)
    done += static_cast<zip_uint64_t>(n);
  std::string why;
  if (n < 0) why = zip_file_strerror(file);
  zip_fclose(file);
  if (n < 0) throw Error("its member " + Quoted(member) + " is damaged (" + why + ")");
  if (done != st.size) throw Error("its member " + Quoted(member) + " does not unpack to the size the archive gives");
  bytes->resize(done);
  return bytes;
}

}  // namespace lyrova
