#include "tests/media/media_samples.h"

#include <zip.h>

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "tests/media/command.h"
#include "tests/support/temp_dir.h"

namespace lyrova::testing {
namespace {

void Put16(std::string& out, int v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, static_cast<int>(v & 0xFFFF));
  Put16(out, static_cast<int>(v >> 16));
}

}  // namespace

void WriteToneWav(const std::string& path, double hz, double toneSeconds, double silenceSeconds) {
  constexpr int kRate = 44100;
  const auto silence = static_cast<std::uint32_t>(silenceSeconds * kRate);
  const auto frames = silence + static_cast<std::uint32_t>(toneSeconds * kRate);
  std::string out = "RIFF";
  Put32(out, 36 + frames * 4);
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1);
  Put16(out, 2);
  Put32(out, kRate);
  Put32(out, kRate * 4);
  Put16(out, 4);
  Put16(out, 16);
  out += "data";
  Put32(out, frames * 4);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) - silence;
    const int v = i < silence ? 0 : static_cast<int>(std::lround(12000 * std::sin(2 * std::numbers::pi * hz * t / kRate)));
    Put16(out, v);
    Put16(out, v);
  }
  WriteFile(path, out);
}

void Encode(const std::string& wav, const std::string& out, const std::vector<std::string>& tags) {
  std::string command = "ffmpeg -v error -y -i '" + wav + "'";
  for (const std::string& tag : tags) command += " -metadata '" + tag + "'";
  RunCommand(command + " '" + out + "'");
}

std::vector<std::uint8_t> ZipBytes(const std::vector<ZipMember>& members) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_t* z = zip_open_from_source(target, ZIP_TRUNCATE, &error);
  if (z == nullptr) throw std::runtime_error("libzip cannot make an archive");
  zip_source_keep(target);
  for (const ZipMember& m : members) {
    zip_source_t* s = zip_source_buffer(z, m.bytes.data(), m.bytes.size(), 0);
    if (s == nullptr || zip_file_add(z, m.name.c_str(), s, ZIP_FL_ENC_UTF_8) < 0)
      throw std::runtime_error("libzip cannot add " + m.name);
  }
  if (zip_close(z) != 0) throw std::runtime_error("libzip cannot write the archive");
  zip_source_open(target);
  zip_source_seek(target, 0, SEEK_END);
  const zip_int64_t size = zip_source_tell(target);
  zip_source_seek(target, 0, SEEK_SET);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  zip_source_read(target, bytes.data(), bytes.size());
  zip_source_close(target);
  zip_source_free(target);
  zip_error_fini(&error);
  return bytes;
}

double ToneFrequency(const std::vector<float>& mono, int sampleRate, std::size_t from, std::size_t to) {
  double first = -1;
  double last = -1;
  int crossings = 0;
  for (std::size_t i = from + 1; i < to && i < mono.size(); ++i) {
    if (mono[i - 1] < 0 && mono[i] >= 0) {
      const double at = static_cast<double>(i - 1) + mono[i - 1] / (mono[i - 1] - mono[i]);
      if (first < 0) first = at;
      last = at;
      ++crossings;
    }
  }
  if (crossings < 2) return 0;
  return (crossings - 1) * sampleRate / (last - first);
}

}  // namespace lyrova::testing
