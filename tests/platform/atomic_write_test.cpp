// Replacing a data file: temporary files that killed saves left behind are
// cleared by the next save of the same file once they are a minute old;
// anything that may be another process's save in progress, or is not such a
// temporary file at all, stays.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <utime.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace {

void makeOld(const std::string& path, std::time_t secondsAgo) {
    const std::time_t then = std::time(nullptr) - secondsAgo;
    utimbuf times{then, then};
    ASSERT_EQ(::utime(path.c_str(), &times), 0) << path;
}

TEST(AtomicWrite, ClearsWhatKilledSavesOfTheSameFileLeftBehind) {
    TempDir tmp;
    struct Case {
        const char* name;
        std::time_t age;
        bool removed;
    };
    const Case cases[] = {
        {"options.xml.tmpAb12Cd", 3600, true},   // a save killed an hour ago
        {"options.xml.tmpZZZZZZ", 120, true},
        {"options.xml.tmpQw3rty", 5, false},      // may be a save in progress
        {"options.xml.tmpabc", 3600, false},      // not what mkstemp makes
        {"options.xml.tmpab-cde", 3600, false},
        {"options.xml.tmpAb12Cd7", 3600, false},
        {"defaultScenario.xml.tmpAb12Cd", 3600, false},  // another file's save
        {"options.xml.bak", 3600, false},
    };
    for (const Case& c : cases) {
        tmp.write(c.name, "old");
        makeOld(tmp.file(c.name), c.age);
    }
    ASSERT_EQ(::mkdir(tmp.file("options.xml.tmpFolder").c_str(), 0755), 0);
    makeOld(tmp.file("options.xml.tmpFolder"), 3600);

    ASSERT_TRUE(platform::writeFileAtomically(tmp.file("options.xml"), "new"));
    EXPECT_EQ(readFileOrEmpty(tmp.file("options.xml")), "new");
    for (const Case& c : cases) EXPECT_EQ(fileExists(tmp.file(c.name)), !c.removed) << c.name;
    EXPECT_TRUE(fileExists(tmp.file("options.xml.tmpFolder")));
}

TEST(AtomicWrite, AFailedSaveLeavesNoTemporaryFile) {
    TempDir tmp;
    // A folder that is not empty stands where the file goes: the rename fails.
    tmp.write("busy.xml/inside", "x");
    EXPECT_FALSE(platform::writeFileAtomically(tmp.file("busy.xml"), "new"));
    DIR* dir = ::opendir(tmp.path().c_str());
    ASSERT_NE(dir, nullptr);
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) names.push_back(entry->d_name);
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "busy.xml"}));
    EXPECT_EQ(readFileOrEmpty(tmp.file("busy.xml/inside")), "x");
}

}  // namespace
