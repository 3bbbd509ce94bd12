// Feeds arbitrary text to the settings reader as options.xml. A load shows
// at most its one box; whatever it read, a save followed by a load gives
// back exactly the same record and no box.
#include <cstring>

#include "memory_files.h"
#include "settings/options.h"

namespace {

const char* const kPath = "/fuzz/data//options.xml";

bool sameRecord(const Options& a, const Options& b) {
    return a.SoundsEnabled == b.SoundsEnabled && a.KeepAspect_1_6 == b.KeepAspect_1_6 &&
           a.DoNotUseAccumBuffer == b.DoNotUseAccumBuffer && a.SleepEnabled == b.SleepEnabled &&
           a.IgnoreMouseMove == b.IgnoreMouseMove && a.RunCount == b.RunCount && a.Day == b.Day &&
           a.Month == b.Month && a.xSpeed == b.xSpeed && a.zSpeed == b.zSpeed &&
           a.changeSkyAtStartUp == b.changeSkyAtStartUp && a.changeSkyDuring == b.changeSkyDuring &&
           a.changeFrequency == b.changeFrequency;
}

// A record no load default can produce, so that a field a load skipped is
// told apart from one it set.
Options startRecord(int32_t base) {
    Options o;
    int32_t* fields[] = {&o.SoundsEnabled, &o.KeepAspect_1_6, &o.DoNotUseAccumBuffer, &o.SleepEnabled,
                         &o.IgnoreMouseMove, &o.RunCount, &o.Day, &o.Month, &o.xSpeed, &o.zSpeed,
                         &o.changeSkyAtStartUp, &o.changeSkyDuring, &o.changeFrequency};
    for (int32_t* f : fields) *f = base++;
    return o;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::files().clear();
    fuzzing::files()[kPath] = std::string(reinterpret_cast<const char*>(data), size);
    fuzzing::resetBoxes();

    Options loaded = startRecord(1000);
    loaded.load("options.xml");
    FUZZ_CHECK(fuzzing::boxCount() <= 1);
    if (fuzzing::boxCount() == 1) {
        FUZZ_CHECK(fuzzing::lastBoxText() == "Error opening file for reading");
        FUZZ_CHECK(sameRecord(loaded, startRecord(1000)));
    }

    loaded.save("options.xml");
    fuzzing::resetBoxes();
    Options reread = startRecord(-5000);
    reread.load("options.xml");
    FUZZ_CHECK(fuzzing::boxCount() == 0);
    FUZZ_CHECK(sameRecord(loaded, reread));
    return 0;
}
