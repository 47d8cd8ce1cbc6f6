#include "program/standard_options.h"

#include <algorithm>

#include "program/version.h"

namespace lyrova {

namespace {

bool Holds(std::span<char* const> args, std::string_view option) {
  return std::any_of(args.begin(), args.end(), [&](const char* arg) { return option == arg; });
}

}  // namespace

bool AnswerVersion(std::span<char* const> args, std::string_view program, std::ostream& out) {
  if (!Holds(args, "--version")) return false;
  out << program << " (Lyrova) " << PackageVersion() << '\n';
  return true;
}

bool AnswerStandardOption(std::span<char* const> args, std::string_view program, std::string_view usage,
                          std::ostream& out) {
  if (AnswerVersion(args, program, out)) return true;
  if (!Holds(args, "--help") && !Holds(args, "-h")) return false;
  out << usage;
  return true;
}

}  // namespace lyrova
