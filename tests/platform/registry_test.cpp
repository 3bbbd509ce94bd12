#include <gtest/gtest.h>

#include <string>

#include "platform/registry.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace {

const char* kKey = "Software\\Quillbrook\\Flurrydale";

// Opens kKey in the hive whose file holds text and reads "Dir"; the result
// is the value, or "<no key>" / "<no value>".
std::string readDirFromHive(const std::string& text) {
    TempDir dir;
    ScopedEnv hive("FLURRYDALE_HKLM", dir.write("hklm.ini", text));
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return key ? "<handle left behind>" : "<no key>";
    char buf[512];
    DWORD size = sizeof buf;
    DWORD type = 0;
    LONG rc = RegQueryValueExA(key, "Dir", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    if (rc != ERROR_SUCCESS) return "<no value>";
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, std::string(buf).size() + 1);
    return buf;
}

}  // namespace

TEST(Registry, ReadsHiveFilesAndRefusesGarbage) {
    struct Case {
        const char* name;
        std::string text;
        const char* dir;
    };
    const Case cases[] = {
        {"plain", "[Software\\Quillbrook\\Flurrydale]\nDir=/opt/flurry\n", "/opt/flurry"},
        {"crlf, comments, blanks", "; installed\r\n\r\n[Software\\Quillbrook\\Flurrydale]\r\n# x\r\nDir = /a b/c \r\n",
         "/a b/c "},
        {"names ignore case", "[software\\QUILLBROOK\\flurrydale]\ndir=/x\n", "/x"},
        {"other sections around", "[Other]\nDir=/wrong\n[Software\\Quillbrook\\Flurrydale]\nDir=/right\n[Next]\nDir=/no\n",
         "/right"},
        {"no final line end", "[Software\\Quillbrook\\Flurrydale]\nDir=/x", "/x"},
        {"empty value", "[Software\\Quillbrook\\Flurrydale]\nDir=\n", ""},
        {"key without the value", "[Software\\Quillbrook\\Flurrydale]\nOther=1\n", "<no value>"},
        {"other key only", "[Software\\Quillbrook]\nDir=/x\n", "<no key>"},
        {"empty file", "", "<no key>"},
        {"value before any section", "Dir=/x\n[Software\\Quillbrook\\Flurrydale]\nDir=/y\n", "<no key>"},
        {"line that is no value", "[Software\\Quillbrook\\Flurrydale]\nDir=/x\nrubbish\n", "<no key>"},
        {"unclosed section", "[Software\\Quillbrook\\Flurrydale\nDir=/x\n", "<no key>"},
        {"NUL byte", std::string("[Software\\Quillbrook\\Flurrydale]\nDir=/x\0y\n", 42), "<no key>"},
        {"binary garbage", "[Software\\Quillbrook\\Flurrydale]\nDir=/x\n\x89PNG\x1a\xff\n", "<no key>"},
        {"over 64 KiB", "[Software\\Quillbrook\\Flurrydale]\nDir=/x\n" + std::string(70000, ';') + "\n",
         "<no key>"},
    };
    for (const Case& c : cases) EXPECT_EQ(readDirFromHive(c.text), c.dir) << c.name;
}

TEST(Registry, MissingOrUnreadableHiveIsAMissingKey) {
    TempDir dir;
    const std::string folderInstead = dir.mkdir("a-folder");
    for (const std::string& path : {dir.file("absent.ini"), folderInstead}) {
        ScopedEnv hive("FLURRYDALE_HKCU", path);
        HKEY key = reinterpret_cast<HKEY>(1);
        EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS) << path;
        EXPECT_EQ(key, nullptr);
    }
}

TEST(Registry, QueryReportsSizesLikeTheDesktopRegistry) {
    TempDir dir;
    ScopedEnv hive("FLURRYDALE_HKCU", dir.write("hkcu.ini", "[Software\\Quillbrook\\Flurrydale]\nDir=/abcd\n"));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);

    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Dir", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 6u);

    char small[5] = "....";
    size = sizeof small;
    EXPECT_EQ(RegQueryValueExA(key, "Dir", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(std::string(small), "....");  // nothing copied

    char exact[6];
    size = sizeof exact;
    EXPECT_EQ(RegQueryValueExA(key, "Dir", nullptr, nullptr, reinterpret_cast<BYTE*>(exact), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::string(exact), "/abcd");

    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    // A closed key, or something that never was one, is refused.
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExA(key, "Dir", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExA(HKEY_CURRENT_USER, "Dir", nullptr, nullptr, nullptr, &size),
              ERROR_INVALID_HANDLE);
}

TEST(Registry, HivePathsFollowTheEnvironment) {
    ScopedEnv hklm("FLURRYDALE_HKLM", nullptr);
    ScopedEnv hkcu("FLURRYDALE_HKCU", nullptr);
    ScopedEnv home("HOME", "/home/snow");
    EXPECT_EQ(platform::hivePath(HKEY_LOCAL_MACHINE), "/etc/flurrydale/registry.ini");
    struct Case {
        const char* xdg;
        const char* path;
    };
    const Case cases[] = {
        {nullptr, "/home/snow/.config/flurrydale/registry.ini"},
        {"", "/home/snow/.config/flurrydale/registry.ini"},
        {"relative/cfg", "/home/snow/.config/flurrydale/registry.ini"},
        {"/srv/cfg", "/srv/cfg/flurrydale/registry.ini"},
    };
    for (const Case& c : cases) {
        ScopedEnv xdg("XDG_CONFIG_HOME", c.xdg);
        EXPECT_EQ(platform::hivePath(HKEY_CURRENT_USER), c.path) << (c.xdg ? c.xdg : "(unset)");
    }
    ScopedEnv named("FLURRYDALE_HKCU", "/tmp/mine.ini");
    EXPECT_EQ(platform::hivePath(HKEY_CURRENT_USER), "/tmp/mine.ini");
}
