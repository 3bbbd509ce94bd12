#include <gtest/gtest.h>

#include <limits.h>
#include <stdlib.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "platform/data_store.h"
#include "platform/files.h"
#include "platform/find_file.h"
#include "platform/install_layout.h"
#include "support/temp_dir.h"

namespace {

std::string readAll(const std::string& path) {
    std::string out;
    return platform::readWholeFile(path, out, 1 << 20) == platform::ReadResult::Ok ? out : "<unreadable>";
}

std::string readThroughStdio(const std::string& path) {
    std::FILE* f = platform::openForReading(path);
    if (!f) return "<unreadable>";
    std::string out;
    char buf[256];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    std::fclose(f);
    return out;
}

// An installed data directory and a user store beside it, in one temporary
// folder. The data directory is treated as read-only by passing the decision
// in (tests often run as root, whom file modes do not stop).
class DataStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        data = tmp.mkdir("inst/data") + "/";
        store = tmp.file("home/flurrydale") + "/";
        tmp.write("inst/data/options.xml", "installed options");
        tmp.write("inst/data/Alpine/scene.xml", "alpine");
        tmp.write("inst/data/Birch/scene.xml", "installed birch");
        tmp.write("inst/data/_snowflakes/sf4.jpg", "flake");
    }
    void TearDown() override { platform::setVirtualizedRoot("", "", false); }
    void redirect() { platform::setVirtualizedRoot(data, store, true); }

    TempDir tmp;
    std::string data;
    std::string store;
};

TEST_F(DataStoreTest, ReadOnlyDataDirSendsWritesToTheUserStore) {
    redirect();
    // Paths as the saver forms them: DataDir already ends with "/" and one
    // more separator is put before the file name.
    EXPECT_TRUE(platform::writeFileAtomically(data + "/options.xml", "mine"));
    EXPECT_TRUE(platform::writeFileAtomically(data + "Deep/er/scene.xml", "nested"));
    EXPECT_EQ(readFileOrEmpty(store + "options.xml"), "mine");
    EXPECT_EQ(readFileOrEmpty(store + "Deep/er/scene.xml"), "nested");
    EXPECT_EQ(readFileOrEmpty(data + "options.xml"), "installed options");
    EXPECT_FALSE(fileExists(data + "Deep"));
}

TEST_F(DataStoreTest, ReadsPreferTheUserCopy) {
    redirect();
    tmp.write("home/flurrydale/Birch/scene.xml", "my birch");
    tmp.write("home/flurrydale/Cabin/scene.xml", "my cabin");
    struct Case {
        std::string path;
        std::string content;
    };
    const Case cases[] = {
        {data + "options.xml", "installed options"},  // no user copy yet
        {data + "Birch/scene.xml", "my birch"},       // user copy shadows
        {data + "/Cabin//scene.xml", "my cabin"},     // only the user has it
        {data + "_snowflakes//sf4.jpg", "flake"},
        {data + "Nowhere/scene.xml", "<unreadable>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readAll(c.path), c.content) << c.path;
        EXPECT_EQ(readThroughStdio(c.path), c.content) << c.path;
        EXPECT_EQ(platform::fileReadable(c.path), c.content != "<unreadable>") << c.path;
    }
    ASSERT_TRUE(platform::writeFileAtomically(data + "options.xml", "saved"));
    EXPECT_EQ(readAll(data + "options.xml"), "saved");
}

TEST_F(DataStoreTest, OnlyPathsInsideTheDataDirAreMapped) {
    redirect();
    const std::string other = tmp.file("inst/data2/options.xml");
    struct Case {
        std::string path;
        std::string written;  // where a write goes
    };
    const std::vector<Case> cases = {
        {data + "options.xml", store + "options.xml"},
        {data + "./x/../options.xml", store + "options.xml"},
        {data + "Birch/./pic.tga", store + "Birch/pic.tga"},
        {other, other},  // a sibling whose name merely starts alike
        {data + "../elsewhere.xml", data + "../elsewhere.xml"},
        {data, data},  // the folder itself
        {"options.xml", "options.xml"},
        {"/etc/flurrydale/registry.ini", "/etc/flurrydale/registry.ini"},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::resolveForWrite(c.path), c.written) << c.path;
}

TEST_F(DataStoreTest, ListingShowsTheUsersScenesBesideTheInstalledOnes) {
    redirect();
    tmp.write("home/flurrydale/Cabin/scene.xml", "my cabin");
    tmp.write("home/flurrydale/Birch/scene.xml", "my birch");
    tmp.write("home/flurrydale/Birch/back.jpg", "my back");
    tmp.write("home/flurrydale/options.xml", "mine");

    std::vector<platform::ListedEntry> entries;
    ASSERT_TRUE(platform::mergedListing(data, entries));
    std::map<std::string, std::string> byName;
    std::size_t cabinAt = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_TRUE(byName.emplace(entries[i].name, entries[i].fullPath).second)
            << entries[i].name << " listed twice";
        if (entries[i].name == "Cabin") cabinAt = i;
    }
    const std::map<std::string, std::string> expected = {
        {".", data + "."},
        {"..", data + ".."},
        {"Alpine", data + "Alpine"},
        {"Birch", store + "Birch"},
        {"_snowflakes", data + "_snowflakes"},
        {"options.xml", store + "options.xml"},
        {"Cabin", store + "Cabin"},
    };
    EXPECT_EQ(byName, expected);
    EXPECT_EQ(cabinAt, entries.size() - 1) << "the user's own entries follow the installed ones";

    // A scene folder present in both shows the files of both.
    ASSERT_TRUE(platform::mergedListing(data + "Birch", entries));
    std::map<std::string, std::string> birch;
    for (const auto& e : entries) birch[e.name] = e.fullPath;
    EXPECT_EQ(birch["scene.xml"], store + "Birch/scene.xml");
    EXPECT_EQ(birch["back.jpg"], store + "Birch/back.jpg");

    EXPECT_FALSE(platform::mergedListing(data + "Missing", entries));
    EXPECT_TRUE(entries.empty());
}

// The directory listing the scene discovery uses sees the user's own scene
// folders, with the attributes of the copy that is read.
TEST_F(DataStoreTest, FindFileListsTheUsersFoldersToo) {
    redirect();
    tmp.write("home/flurrydale/Cabin/scene.xml", "my cabin");
    tmp.write("home/flurrydale/notes.txt", "x");
    std::map<std::string, DWORD> seen;
    WIN32_FIND_DATAA fd;
    HANDLE_FIND h = FindFirstFileA((data + "/*.*").c_str(), &fd);
    ASSERT_NE(h, INVALID_FIND_HANDLE);
    do {
        seen[fd.cFileName] = fd.dwFileAttributes;
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    EXPECT_EQ(seen["Cabin"], FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(seen["Alpine"], FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(seen["notes.txt"], FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(platform::fileReadable(data + "Cabin/scene.xml"));
}

TEST_F(DataStoreTest, AFolderIsNotAReadableFile) {
    tmp.mkdir("inst/data/Odd/scene.xml");
    EXPECT_FALSE(platform::fileReadable(data + "Odd/scene.xml"));
    EXPECT_TRUE(platform::fileReadable(data + "Alpine/scene.xml"));
}

TEST_F(DataStoreTest, WritableOrMissingDataDirIsNotRedirected) {
    // Point the user store into the temporary folder, so a wrong redirection
    // shows there instead of in the real home.
    const char* oldXdg = std::getenv("XDG_DATA_HOME");
    std::string savedXdg = oldXdg ? oldXdg : "";
    ::setenv("XDG_DATA_HOME", tmp.file("home").c_str(), 1);

    const std::string plainFile = tmp.write("inst/not-a-folder", "x");
    for (const std::string& dir : {data, tmp.file("inst/missing/"), plainFile}) {
        platform::setVirtualizedRoot(dir);
        EXPECT_EQ(platform::activeUserStore(), "") << dir;
    }
    platform::setVirtualizedRoot(data);
    EXPECT_TRUE(platform::writeFileAtomically(data + "/options.xml", "direct"));
    EXPECT_EQ(readFileOrEmpty(data + "options.xml"), "direct");
    std::vector<platform::ListedEntry> entries;
    ASSERT_TRUE(platform::mergedListing(data, entries));
    EXPECT_EQ(entries.size(), 6u);  // ".", "..", options.xml and three folders
    EXPECT_FALSE(fileExists(store));

    if (oldXdg)
        ::setenv("XDG_DATA_HOME", savedXdg.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

TEST_F(DataStoreTest, FolderWritable) {
    EXPECT_TRUE(platform::folderWritable(data));
    EXPECT_FALSE(platform::folderWritable(tmp.file("inst/missing")));
    EXPECT_FALSE(platform::folderWritable(data + "options.xml"));
    EXPECT_FALSE(platform::folderWritable(""));
}

TEST(DataStore, UserStoreLocation) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* store;
    };
    const Case cases[] = {
        {"/x/data", "/home/u", "/x/data/flurrydale/"},
        {"/x/data/", "/home/u", "/x/data/flurrydale/"},
        {nullptr, "/home/u", "/home/u/.local/share/flurrydale/"},
        {"", "/home/u/", "/home/u/.local/share/flurrydale/"},
        {"relative/data", "/home/u", "/home/u/.local/share/flurrydale/"},
        {nullptr, nullptr, ""},
        {nullptr, "relative", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::userStoreFor(c.xdg, c.home), c.store)
            << (c.xdg ? c.xdg : "(unset)") << " " << (c.home ? c.home : "(unset)");
}

TEST(InstallLayout, MachineHiveBesideTheProgram) {
    struct Case {
        const char* program;
        const char* hive;
    };
    const Case cases[] = {
        {"/usr/bin/flurrydale", "/etc/flurrydale/registry.ini"},
        {"/bin/flurrydale", "/etc/flurrydale/registry.ini"},
        {"/usr/local/bin/flurrydale", "/usr/local/etc/flurrydale/registry.ini"},
        {"/opt/fd/bin/flurrydale", "/opt/fd/etc/flurrydale/registry.ini"},
        {"/work/build/flurrydale", ""},
        {"/usr/local/sbin/flurrydale", ""},
        {"flurrydale", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::machineHiveForProgram(c.program), c.hive) << c.program;
}

TEST(InstallLayout, HelpPagesOfAnInstallation) {
    TempDir tmp;
    const std::string prefix = tmp.mkdir("my prefix");
    tmp.mkdir("my prefix/share/flurrydale/data");
    tmp.write("my prefix/share/doc/flurrydale/index.html", "<html/>");
    struct Case {
        std::string dataDir;
        const char* page;
        std::string address;
    };
    char real[PATH_MAX];
    ASSERT_TRUE(::realpath(prefix.c_str(), real));
    std::string expected = "file://";
    for (char c : std::string(real) + "/share/doc/flurrydale/index.html")
        expected += c == ' ' ? std::string("%20") : std::string(1, c);
    const std::vector<Case> cases = {
        {prefix + "/share/flurrydale/data/", "index.html", expected},
        {prefix + "/share/flurrydale//data/", "index.html", expected},  // Dir ending with "/"
        {prefix + "/share/flurrydale/data/", "making-scenes.html", ""},  // not installed
        {tmp.file("build/data/"), "index.html", ""},
        {"", "index.html", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::installedHelpPage(c.dataDir, c.page), c.address) << c.dataDir << c.page;
}

}  // namespace
