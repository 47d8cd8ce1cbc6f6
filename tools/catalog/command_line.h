#pragma once
// The catalogue tool's command line: a command, its options and its operands.

#include <optional>
#include <string>
#include <vector>

namespace lyrova::catalog_tool {

struct CommandLine {
  std::string command;
  std::vector<std::string> operands;
  std::optional<std::string> catalogDir;  // --catalog DIR
  std::optional<std::string> discDir;     // --disc DIR
  std::optional<std::string> libraryDir;  // --library DIR
  std::optional<std::string> searchMode;  // --by MODE
  bool help = false;
};

// Options may stand anywhere after the command, as "--name VALUE" or
// "--name=VALUE"; "--" ends them. Throws UsageError.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

struct UsageError {
  std::string message;
};

}  // namespace lyrova::catalog_tool
