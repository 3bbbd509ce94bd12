#include "support/fuzz_corpus.h"

#include <algorithm>
#include <filesystem>

#include "support/temp_dir.h"

std::vector<CorpusFile> fuzzCorpus(const std::string& target) {
    namespace fs = std::filesystem;
    const std::string source = FLURRY_SOURCE_DIR;
    std::vector<CorpusFile> files;
    for (const std::string& dir :
         {"fuzz/corpus/" + target, "build-fuzz/seeds-" + target, "build-fuzz/corpus-" + target}) {
        std::error_code ec;
        std::vector<std::string> names;
        for (const fs::directory_entry& e : fs::directory_iterator(source + "/" + dir, ec))
            if (e.is_regular_file(ec)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        for (const std::string& n : names)
            files.push_back({dir + "/" + n, readFileOrEmpty(source + "/" + dir + "/" + n)});
    }
    return files;
}
