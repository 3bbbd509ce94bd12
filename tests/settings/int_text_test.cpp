#include <gtest/gtest.h>

#include "settings/int_text.h"

TEST(ReadDecimalInt, ReadsLikeScanfPercentD) {
    struct Case {
        const char* text;
        bool ok;
        int32_t value;
    };
    const Case cases[] = {
        {"12", true, 12},     {"12abc", true, 12},   {"7.9", true, 7},
        {" -3", true, -3},    {"+8", true, 8},       {"0x10", true, 0},
        {"abc", false, 99},   {"", false, 99},       {"-", false, 99},
        {"\t\n42", true, 42}, {"99999999999", true, 2147483647},
        {"-99999999999", true, -2147483647 - 1},
    };
    for (const Case& c : cases) {
        int32_t v = 99;
        EXPECT_EQ(readDecimalInt(c.text, &v), c.ok) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
    int32_t v = 5;
    EXPECT_FALSE(readDecimalInt(nullptr, &v));
    EXPECT_EQ(v, 5);
}
