#pragma once
// Numbers in INI values, read the way the Windows profile functions and the
// settings code have always read them, and written back in the shortest form.

#include <cstdint>
#include <string>
#include <string_view>

namespace lyrova {

// A whole number: decimal with an optional sign, or hexadecimal after "$" or
// after "0x"/"0X" (the latter only when more than two characters long).
// Anything else, an empty text included, gives `def`. A decimal number outside
// the 32-bit range gives `def`; a hexadecimal one is a bit pattern of at most
// 32 bits, so "$FFFFFFFF" is -1 and nine significant digits give `def`.
std::int32_t ParseProfileInt(std::string_view text, std::int32_t def);

// A decimal floating-point number with an optional sign and exponent;
// anything else, infinities and NaN included, gives `def`.
double ParseProfileFloat(std::string_view text, double def);

// The shortest decimal text that reads back as `value` (1.0 gives "1").
std::string FormatProfileFloat(double value);

}  // namespace lyrova
