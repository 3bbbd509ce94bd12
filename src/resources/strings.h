// The string table and the file names of the bitmap resources.
#pragma once

#include <string>

namespace res {

// The text of string resource id, or nullptr when there is none.
const char* loadString(int id);

// File name of a bitmap resource relative to the data directory
// ("dialog/bitmap103.bmp"); empty for an unknown id.
std::string bitmapFileName(int id);

}  // namespace res
