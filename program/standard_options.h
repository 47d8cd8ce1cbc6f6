#pragma once
// --help and --version, answered alike by every program of the package.

#include <ostream>
#include <span>
#include <string_view>

namespace lyrova {

// When `args` (the arguments after the program's name) hold --version,
// prints "PROGRAM (Lyrova) VERSION" to `out` and returns true.
bool AnswerVersion(std::span<char* const> args, std::string_view program, std::ostream& out);

// The same, and for --help or -h prints `usage` to `out` and returns true.
bool AnswerStandardOption(std::span<char* const> args, std::string_view program, std::string_view usage,
                          std::ostream& out);

}  // namespace lyrova
