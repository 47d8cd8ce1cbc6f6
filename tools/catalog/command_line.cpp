#include "tools/catalog/command_line.h"

namespace lyrova::catalog_tool {
namespace {

std::optional<std::string>* OptionSlot(CommandLine& line, const std::string& name) {
  if (name == "--catalog") return &line.catalogDir;
  if (name == "--disc") return &line.discDir;
  if (name == "--library") return &line.libraryDir;
  if (name == "--by") return &line.searchMode;
  return nullptr;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      if (line.command.empty()) line.command = arg;
      else line.operands.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help") {
      line.help = true;
      continue;
    }
    const std::size_t eq = arg.find('=');
    const std::string name = arg.substr(0, eq);
    std::optional<std::string>* slot = OptionSlot(line, name);
    if (slot == nullptr) throw UsageError{"unknown option " + name};
    if (eq != std::string::npos) {
      *slot = arg.substr(eq + 1);
    } else if (i + 1 < args.size()) {
      *slot = args[++i];
    } else {
      throw UsageError{"option " + name + " needs a value"};
    }
  }
  return line;
}

}  // namespace lyrova::catalog_tool
