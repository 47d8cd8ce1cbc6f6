#pragma once
// The package's version, from the build (the project's version in CMake):
// the one text that the window's title, the error-report mail and every
// program's --version show.

#include <string_view>

namespace lyrova {

std::string_view PackageVersion();
// "Lyrova vVERSION (public beta)": the program's name in its window's title.
std::string_view ProgramTitle();

}  // namespace lyrova
