#include "render/shaders.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

struct TextCase {
    const char* name;
    std::string file;
    std::string text;
};

class TextFile : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextFile, TurnsCrLfPairsIntoLineFeeds) {
    TempDir dir;
    std::optional<std::string> text = readTextFile(dir.write("s.txt", GetParam().file).c_str());
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextFile,
    ::testing::Values(TextCase{"LineFeeds", "a\nb\n", "a\nb\n"},
                      TextCase{"CrLf", "void main()\r\n{\r\n}\r\n", "void main()\n{\n}\n"},
                      TextCase{"LoneCarriageReturnsStay", "a\rb\r", "a\rb\r"},
                      TextCase{"CrBeforeCrLf", "a\r\r\nb", "a\r\nb"},
                      TextCase{"NoLineEnd", "x", "x"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextFile, GivesNoneForNoPathMissingEmptyOrOversizedFiles) {
    TempDir dir;
    EXPECT_FALSE(readTextFile(nullptr));
    EXPECT_FALSE(readTextFile(dir.file("missing.vsh").c_str()));
    EXPECT_FALSE(readTextFile(dir.write("empty.vsh", "").c_str()));
    EXPECT_FALSE(readTextFile(dir.path().c_str()));
    EXPECT_FALSE(readTextFile(dir.write("huge.vsh", std::string((1 << 20) + 1, 'a')).c_str()));
    EXPECT_TRUE(readTextFile(dir.write("limit.vsh", std::string(1 << 20, 'a')).c_str()));
}

}  // namespace
