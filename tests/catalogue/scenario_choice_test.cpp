#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "catalogue/scenario.h"
#include "support/data_dir_test.h"
#include "platform/random.h"

namespace {

class ScenarioChoice : public DataDirTest {
protected:
    // A list of folders "s0", "s1", ... with these enabled flags.
    void loadFlags(Scenario& s, const std::vector<int>& flags) {
        std::string xml = "<SCENARIO><Scenes>";
        for (std::size_t i = 0; i < flags.size(); ++i) {
            writeScene("s" + std::to_string(i), "<Scene/>");
            xml += "<Scene path=\"s" + std::to_string(i) + "\" enabled=\"" + std::to_string(flags[i]) + "\"/>";
        }
        tmp.write("list.xml", xml + "</Scenes></SCENARIO>");
        s.load("list.xml");
        ASSERT_EQ(s.count(), static_cast<int>(flags.size()));
    }
};

}  // namespace

TEST_F(ScenarioChoice, CountEnabledFillsCandidates) {
    Scenario s;
    loadFlags(s, {0, 1, 0, -2, 1});
    EXPECT_EQ(s.candidates(), (std::vector<int>{-1, -1, -1, -1, -1}));
    EXPECT_EQ(s.countEnabled(), 3);
    EXPECT_EQ(s.candidates(), (std::vector<int>{1, 3, 4, -1, -1}));
    s.setEnabled(1, 0);
    s.setEnabled(3, 0);
    EXPECT_EQ(s.countEnabled(), 1);
    EXPECT_EQ(s.candidates(), (std::vector<int>{4, -1, -1, -1, -1}));
}

TEST_F(ScenarioChoice, ChoosesAmongTheEnabledNeverTwiceInARow) {
    struct Case {
        const char* name;
        std::vector<int> flags;
        std::set<int> allowed;
    };
    const Case cases[] = {
        {"one enabled", {0, 1, 0}, {1}},
        {"two enabled alternate", {1, 0, 1}, {0, 2}},
        {"four enabled", {1, 1, 1, 0, 1}, {0, 1, 2, 4}},
    };
    for (const Case& c : cases) {
        for (unsigned seed : {1u, 42u, 2024u}) {
            platform::seedRandom(seed);
            Scenario s;
            loadFlags(s, c.flags);
            std::set<int> seen;
            int previous = -1;
            for (int n = 0; n < 200; ++n) {
                const int i = s.chooseIndex();
                EXPECT_EQ(c.allowed.count(i), 1u) << c.name << " got " << i;
                if (c.allowed.size() > 1) {
                    EXPECT_NE(i, previous) << c.name << " at " << n;
                }
                EXPECT_EQ(s.lastChoice(), i);
                seen.insert(i);
                previous = i;
            }
            EXPECT_EQ(seen, c.allowed) << c.name;
        }
    }
}

TEST_F(ScenarioChoice, OneEnabledDrawsNothingFromTheGenerator) {
    Scenario s;
    loadFlags(s, {0, 1});
    platform::seedRandom(9);
    const int expectedNext = platform::nextRandom();
    platform::seedRandom(9);
    EXPECT_EQ(s.chooseIndex(), 1);
    EXPECT_EQ(platform::nextRandom(), expectedNext);
}

TEST_F(ScenarioChoice, NoneEnabledGivesTheFirstAndKeepsLastChoice) {
    Scenario s;
    loadFlags(s, {1, 1});
    const int first = s.chooseIndex();
    s.setEnabled(0, 0);
    s.setEnabled(1, 0);
    EXPECT_EQ(s.chooseIndex(), 0);
    EXPECT_EQ(s.choosePath(), "s0");
    EXPECT_EQ(s.lastChoice(), first);
}

TEST_F(ScenarioChoice, PathFollowsTheChosenIndex) {
    Scenario s;
    loadFlags(s, {0, 0, 1});
    EXPECT_EQ(s.choosePath(), "s2");
}

TEST_F(ScenarioChoice, EmptyListChoosesAnEmptyName) {
    Scenario never;
    EXPECT_EQ(never.countEnabled(), 0);
    EXPECT_EQ(never.chooseIndex(), 0);
    EXPECT_EQ(never.choosePath(), "");

    Scenario loadedEmpty;
    tmp.write("list.xml", "<SCENARIO><Scenes/></SCENARIO>");
    loadedEmpty.load("list.xml");
    EXPECT_EQ(loadedEmpty.choosePath(), "");
}
