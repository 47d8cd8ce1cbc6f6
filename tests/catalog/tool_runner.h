#pragma once
// Runs the catalogue tool as a separate program, its output caught in files
// of a test's folder.

#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace lyrova::testing {

struct ToolResult {
  int exitCode;
  std::string out;
  std::string err;
};

inline std::string ShellQuote(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

inline ToolResult RunCatalogTool(const TempDir& dir, const std::vector<std::string>& args) {
  std::string command = ShellQuote(LYROVA_CATALOG_TOOL);
  for (const std::string& a : args) command += " " + ShellQuote(a);
  const std::string out = dir.File("stdout");
  const std::string err = dir.File("stderr");
  const int status = std::system((command + " >" + ShellQuote(out) + " 2>" + ShellQuote(err)).c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
}

// The most memory any program this test ran has held at once, in MiB.
inline long PeakChildMemoryMiB() {
  rusage usage {};
  ::getrusage(RUSAGE_CHILDREN, &usage);
  return usage.ru_maxrss / 1024;
}

}  // namespace lyrova::testing
