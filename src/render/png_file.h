// Pictures of drawn frames as PNG files: 8-bit RGB, no interlacing, each row
// filtered with the filter that suits it best, compressed with zlib.
#pragma once

#include <string>
#include <vector>

// The PNG bytes of a picture given as R, G, B, A bytes with the bottom row
// first (as the GL reads a frame back); alpha is dropped, since a frame is
// opaque. Empty when the size does not match the pixels or is not positive.
std::string encodePng(int width, int height, const std::vector<unsigned char>& rgbaBottomUp);
