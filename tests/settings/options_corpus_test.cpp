// Replays the settings fuzz corpus through the real file: every input loads
// with at most its one box, and whatever it gave survives a save and a load
// unchanged.
#include <gtest/gtest.h>

#include "settings/options.h"
#include "support/data_dir_test.h"
#include "support/fuzz_corpus.h"

namespace {

std::vector<int32_t> fields(const Options& o) {
    return {o.KeepAspect_1_6, o.SoundsEnabled, o.DoNotUseAccumBuffer, o.SleepEnabled, o.IgnoreMouseMove,
            o.RunCount, o.xSpeed, o.zSpeed, o.changeSkyAtStartUp, o.changeSkyDuring, o.changeFrequency,
            o.Day, o.Month};
}

Options startRecord(int32_t base) {
    Options o;
    for (int32_t* f : {&o.KeepAspect_1_6, &o.SoundsEnabled, &o.DoNotUseAccumBuffer, &o.SleepEnabled,
                       &o.IgnoreMouseMove, &o.RunCount, &o.xSpeed, &o.zSpeed, &o.changeSkyAtStartUp,
                       &o.changeSkyDuring, &o.changeFrequency, &o.Day, &o.Month})
        *f = base++;
    return o;
}

using OptionsCorpus = DataDirTest;

TEST_F(OptionsCorpus, EveryInputLoadsAndSurvivesASaveUnchanged) {
    const std::vector<CorpusFile> corpus = fuzzCorpus("options");
    ASSERT_FALSE(corpus.empty());
    for (const CorpusFile& input : corpus) {
        SCOPED_TRACE(input.name);
        tmp.write("options.xml", input.bytes);
        boxes.clear();
        Options loaded = startRecord(1000);
        loaded.load("options.xml");
        ASSERT_LE(boxes.count(), 1u);
        if (boxes.count() == 1) {
            EXPECT_EQ(boxes.calls()[0].text, "Error opening file for reading");
            EXPECT_EQ(fields(loaded), fields(startRecord(1000)));
        }
        loaded.save("options.xml");
        boxes.clear();
        Options reread = startRecord(-5000);
        reread.load("options.xml");
        EXPECT_EQ(boxes.count(), 0u);
        EXPECT_EQ(fields(reread), fields(loaded));
    }
}

}  // namespace
