#pragma once
// Runs a shell command for a test (ffmpeg making or reading sample files)
// and gives what it printed.

#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace lyrova::testing {

inline std::string RunCommand(const std::string& command) {
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) throw std::runtime_error("cannot run " + command);
  std::string out;
  std::array<char, 4096> buffer;
  std::size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
  if (::pclose(pipe) != 0) throw std::runtime_error("failed: " + command);
  return out;
}

}  // namespace lyrova::testing
