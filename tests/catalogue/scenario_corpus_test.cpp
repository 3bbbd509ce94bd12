// Replays the scene list fuzz corpus through real files, in a data folder
// with two scenes: every list loads with only "unreadable file" boxes,
// chooses only enabled scenes, and survives a save and a load with the same
// folders and flags.
#include <gtest/gtest.h>

#include "catalogue/scenario.h"
#include "support/data_dir_test.h"
#include "support/fuzz_corpus.h"

namespace {

using ScenarioCorpus = DataDirTest;

TEST_F(ScenarioCorpus, EveryListLoadsChoosesEnabledScenesAndSurvivesASave) {
    writeScene("Lake", "<SCENE><Info Title=\"Lake\" Author=\"A &amp; B\"/></SCENE>");
    writeScene("Hills", "<SCENE><Info Description=\"d\"/></SCENE>");
    const std::vector<CorpusFile> corpus = fuzzCorpus("scenario");
    ASSERT_FALSE(corpus.empty());
    for (const CorpusFile& input : corpus) {
        SCOPED_TRACE(input.name);
        tmp.write("defaultScenario.xml", input.bytes);
        boxes.clear();
        Scenario list;
        list.load("defaultScenario.xml");
        for (const auto& call : boxes.calls()) EXPECT_EQ(call.text, "Error opening file for reading");
        std::vector<std::string> paths;
        std::vector<int> flags;
        for (int i = 0; i < list.count(); ++i) {
            paths.push_back(list.path(i));
            flags.push_back(list.isEnabled(i));
            if (paths.back() == "Lake") {
                EXPECT_STREQ(list.author(i), "A & B");
            }
        }
        const int enabled = list.countEnabled();
        for (int round = 0, previous = -1; round < 4 && enabled > 0; ++round) {
            const int choice = list.chooseIndex();
            ASSERT_TRUE(choice >= 0 && choice < list.count());
            EXPECT_NE(list.isEnabled(choice), 0);
            if (enabled >= 2) {
                EXPECT_NE(choice, previous);
            }
            previous = choice;
        }
        if (!list.save("defaultScenario.xml")) {
            EXPECT_EQ(list.count(), 0);
            continue;
        }
        boxes.clear();
        Scenario reread;
        reread.load("defaultScenario.xml");
        ASSERT_EQ(reread.count(), list.count());
        for (int i = 0; i < reread.count(); ++i) {
            EXPECT_EQ(reread.path(i), paths[i]);
            EXPECT_EQ(reread.isEnabled(i), flags[i]);
        }
    }
}

}  // namespace
