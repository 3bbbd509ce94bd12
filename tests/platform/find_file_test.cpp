#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <string>

#include "platform/find_file.h"
#include "support/temp_dir.h"

namespace {

// Every entry of folder + "/*.*" with its attributes.
std::map<std::string, DWORD> listing(const std::string& folder, int* entries = nullptr) {
    std::map<std::string, DWORD> out;
    WIN32_FIND_DATAA data;
    HANDLE_FIND h = FindFirstFileA((folder + "/*.*").c_str(), &data);
    int count = 0;
    if (h != INVALID_FIND_HANDLE) {
        do {
            out[data.cFileName] = data.dwFileAttributes;
            ++count;
        } while (FindNextFileA(h, &data));
        EXPECT_TRUE(FindClose(h));
    }
    if (entries) *entries = count;
    return out;
}

}  // namespace

TEST(FindFile, ListsEveryEntryWithItsAttributes) {
    TempDir dir;
    dir.mkdir("scene");
    dir.write("scene.xml", "x");
    dir.mkdir(".hidden");
    dir.write(".dotfile", "x");
    dir.write("noext", "x");
    const std::string locked = dir.mkdir("locked");
    ::chmod(locked.c_str(), 0555);
    const std::string ro = dir.write("readonly.txt", "x");
    ::chmod(ro.c_str(), 0444);
    ASSERT_EQ(::symlink("scene", dir.file("link-to-folder").c_str()), 0);
    ASSERT_EQ(::symlink("scene.xml", dir.file("link-to-file").c_str()), 0);
    ASSERT_EQ(::symlink("nowhere", dir.file("dangling").c_str()), 0);
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0644), 0);

    int entries = 0;
    const auto got = listing(dir.path(), &entries);
    const std::map<std::string, DWORD> want = {
        {".", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN},
        {"..", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN},
        {"scene", FILE_ATTRIBUTE_DIRECTORY},
        {"scene.xml", FILE_ATTRIBUTE_NORMAL},
        {"noext", FILE_ATTRIBUTE_NORMAL},
        {".hidden", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN},
        {".dotfile", FILE_ATTRIBUTE_HIDDEN},
        {"locked", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY},
        {"readonly.txt", FILE_ATTRIBUTE_READONLY},
        {"link-to-folder", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT},
        {"link-to-file", FILE_ATTRIBUTE_REPARSE_POINT},
        {"dangling", FILE_ATTRIBUTE_REPARSE_POINT},
        {"pipe", FILE_ATTRIBUTE_SYSTEM},
    };
    EXPECT_EQ(got, want);
    EXPECT_EQ(entries, static_cast<int>(want.size()));  // each entry exactly once
}

TEST(FindFile, MissingFolderAndPatternsThatMatchNothing) {
    TempDir dir;
    dir.write("a.jpg", "x");
    dir.write("b.tga", "x");
    WIN32_FIND_DATAA data;
    EXPECT_EQ(FindFirstFileA(dir.file("absent/*.*").c_str(), &data), INVALID_FIND_HANDLE);
    EXPECT_EQ(FindFirstFileA(dir.file("a.jpg/*.*").c_str(), &data), INVALID_FIND_HANDLE);
    EXPECT_EQ(FindFirstFileA(dir.file("*.png").c_str(), &data), INVALID_FIND_HANDLE);

    HANDLE_FIND h = FindFirstFileA(dir.file("*.jpg").c_str(), &data);
    ASSERT_NE(h, INVALID_FIND_HANDLE);
    EXPECT_STREQ(data.cFileName, "a.jpg");
    EXPECT_FALSE(FindNextFileA(h, &data));
    EXPECT_TRUE(FindClose(h));
    EXPECT_FALSE(FindClose(INVALID_FIND_HANDLE));
}
