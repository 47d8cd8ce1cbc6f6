#pragma once
// Whole numbers typed by the user (a song code in the search box or on the
// catalogue tool's command line).

#include <cstdint>
#include <optional>
#include <string_view>

#include "catalog/errors.h"

namespace lyrova {

// Leading spaces, an optional sign, then decimal digits, or hexadecimal ones
// after "$" or "0x". Nothing may follow the digits. Decimal values must fit a
// signed 32-bit number; hexadecimal ones may use all 32 bits.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// "'text' is not a valid integer value" (text in CP1251).
Error NotAnIntegerError(std::string_view text);

}  // namespace lyrova
