#include "program/version.h"

namespace lyrova {

std::string_view PackageVersion() { return LYROVA_VERSION; }

std::string_view ProgramTitle() { return "Lyrova v" LYROVA_VERSION " (public beta)"; }

}  // namespace lyrova
