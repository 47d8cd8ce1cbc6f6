#include "export/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "catalog/errors.h"
#include "export/pcm16.h"

namespace lyrova {
namespace {

void Put(std::vector<char>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}

}  // namespace

TWavWriter::TWavWriter(const std::string& path, int sampleRate)
    : path_(path), file_(path, std::ios::binary | std::ios::trunc), sampleRate_(sampleRate) {
  if (!file_) throw Error("cannot create " + path);
  WriteHeader();
}

TWavWriter::~TWavWriter() {
  if (file_.is_open()) {
    WriteHeader();
    file_.close();
  }
}

void TWavWriter::WriteHeader() {
  const std::uint64_t data = std::min<std::uint64_t>(frames_ * 4, 0xFFFFFFFFu - 36);
  std::vector<char> header = {'R', 'I', 'F', 'F'};
  Put(header, static_cast<std::uint32_t>(36 + data), 4);
  header.insert(header.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  Put(header, 16, 4);
  Put(header, 1, 2);  // PCM
  Put(header, 2, 2);
  Put(header, static_cast<std::uint32_t>(sampleRate_), 4);
  Put(header, static_cast<std::uint32_t>(sampleRate_) * 4, 4);
  Put(header, 4, 2);
  Put(header, 16, 2);
  header.insert(header.end(), {'d', 'a', 't', 'a'});
  Put(header, static_cast<std::uint32_t>(data), 4);
  const auto end = file_.tellp();
  file_.seekp(0);
  file_.write(header.data(), static_cast<std::streamsize>(header.size()));
  if (end > 0) file_.seekp(end);
}

void TWavWriter::Write(std::span<const float> left, std::span<const float> right) {
  pcm_.resize(left.size() * 2);
  for (std::size_t i = 0; i < left.size(); ++i) {
    pcm_[2 * i] = Pcm16(left[i]);
    pcm_[2 * i + 1] = Pcm16(right[i]);
  }
  // WAV is little-endian, as is every machine this builds for.
  file_.write(reinterpret_cast<const char*>(pcm_.data()), static_cast<std::streamsize>(pcm_.size() * 2));
  frames_ += left.size();
}

void TWavWriter::Close() {
  WriteHeader();
  file_.close();
  if (file_.fail()) throw Error("cannot write " + path_);
}

}  // namespace lyrova
