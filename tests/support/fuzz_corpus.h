// The inputs a fuzz target has been fed without a finding, for tests that
// replay them through the real readers: the committed seeds in
// fuzz/corpus/<target>/, and what scripts/fuzz generated and grew in
// build-fuzz/seeds-<target>/ and build-fuzz/corpus-<target>/ when it has run.
#pragma once

#include <string>
#include <vector>

struct CorpusFile {
    std::string name;  // path relative to the source folder, for messages
    std::string bytes;
};

std::vector<CorpusFile> fuzzCorpus(const std::string& target);
