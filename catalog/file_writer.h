#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace lyrova {

// Creates or replaces the file with exactly these bytes. Throws
// "Cannot create file ..." when it cannot be created, "I/O error N" when
// writing fails.
void WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace lyrova
