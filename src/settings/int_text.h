// Reading integers from attribute text the way a "%d" conversion does:
// leading white space skipped, an optional sign, the digits up to the first
// other character. "12abc" gives 12, "7.9" gives 7, " -3" gives -3,
// "0x10" gives 0; "abc" and "" give nothing.
#pragma once

#include <cstdint>

// True when an integer was read into *out; *out is untouched otherwise.
// Values beyond the 32-bit range saturate.
bool readDecimalInt(const char* text, int32_t* out);
