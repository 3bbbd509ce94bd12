// Shared by the XML fuzz targets: the data directory lives in memory. Files
// are read from and written to a map keyed by full path, message boxes are
// counted (the box functions of fuzz_support.h), and DataDir is set here.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "fuzz_support.h"

namespace fuzzing {

// Every file the program can see, by full path. Reads of any other path
// fail as a missing file does; writes replace the entry.
std::map<std::string, std::string>& files();

// The text of every box shown since the last resetBoxes, in order.
const std::vector<std::string>& boxTexts();

}  // namespace fuzzing
