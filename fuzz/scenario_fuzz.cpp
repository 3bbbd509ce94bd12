// Feeds arbitrary text to the scene list reader as defaultScenario.xml, in
// a data directory with two readable scene folders. The list must choose
// only listed, enabled scenes, never the same one twice in a row when it
// has a choice, and a save followed by a load must give back the same
// folders and flags.
#include <string>
#include <vector>

#include "catalogue/scenario.h"
#include "memory_files.h"

namespace {

const char* const kListPath = "/fuzz/data//defaultScenario.xml";

void installScenes() {
    auto& f = fuzzing::files();
    f["/fuzz/data/Lake/scene.xml"] =
        "<SCENE><Back file=\"b.jpg\"/><Info Title=\"Lake\" Author=\"A &amp; B\"/></SCENE>";
    f["/fuzz/data/Hills/scene.xml"] = "<SCENE><Info Description=\"d\"/></SCENE>";
}

bool allBoxesAreUnreadableFile() {
    for (const std::string& t : fuzzing::boxTexts())
        if (t != "Error opening file for reading") return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::files().clear();
    installScenes();
    fuzzing::files()[kListPath] = std::string(reinterpret_cast<const char*>(data), size);
    fuzzing::resetBoxes();

    Scenario list;
    list.load("defaultScenario.xml");
    FUZZ_CHECK(allBoxesAreUnreadableFile());
    const int count = list.count();
    FUZZ_CHECK(count >= 0);
    FUZZ_CHECK(list.path(count) == nullptr && list.title(-1) == nullptr);
    for (int i = 0; i < count; ++i) {
        FUZZ_CHECK(list.path(i) && list.title(i) && list.author(i) && list.url(i) && list.description(i));
        if (std::string(list.path(i)) == "Lake") {
            FUZZ_CHECK(std::string(list.title(i)) == "Lake");
            FUZZ_CHECK(std::string(list.author(i)) == "A & B");
        }
    }

    const int enabled = list.countEnabled();
    FUZZ_CHECK(enabled >= 0 && enabled <= count);
    int previous = -1;
    for (int round = 0; round < 4; ++round) {
        const int choice = list.chooseIndex();
        if (enabled == 0) {
            FUZZ_CHECK(choice == 0);
            continue;
        }
        FUZZ_CHECK(choice >= 0 && choice < count && list.isEnabled(choice) != 0);
        if (enabled >= 2) FUZZ_CHECK(choice != previous);
        previous = choice;
    }

    std::vector<std::string> paths;
    std::vector<int> flags;
    for (int i = 0; i < count; ++i) {
        paths.push_back(list.path(i));
        flags.push_back(list.isEnabled(i));
    }
    if (!list.save("defaultScenario.xml")) {
        FUZZ_CHECK(count == 0);
        return 0;
    }
    fuzzing::resetBoxes();
    Scenario reread;
    reread.load("defaultScenario.xml");
    FUZZ_CHECK(reread.count() == count);
    for (int i = 0; i < count; ++i) {
        FUZZ_CHECK(paths[i] == reread.path(i));
        FUZZ_CHECK(flags[i] == reread.isEnabled(i));
    }
    return 0;
}
