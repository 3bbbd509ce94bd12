#include "settings/int_text.h"

#include <cctype>
#include <cstdint>
#include <limits>

bool readDecimalInt(const char* text, int32_t* out) {
    if (!text) return false;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (std::isspace(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = (*p == '-');
        ++p;
    }
    if (!std::isdigit(*p)) return false;
    int64_t value = 0;
    const int64_t limit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
    for (; std::isdigit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > limit) value = limit;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    *out = static_cast<int32_t>(value);
    return true;
}
