#include "resources/strings.h"

#include "resources/resource_ids.h"

namespace res {

const char* loadString(int id) {
    switch (id) {
        case IDS_SAVER_NAME: return "Flurrydale";
        default: return nullptr;
    }
}

std::string bitmapFileName(int id) {
    switch (id) {
        case IDB_BANNER:
        case IDB_ABOUT_SIDE:
        case IDB_SIBLINGS: return "dialog/bitmap" + std::to_string(id) + ".bmp";
        default: return std::string();
    }
}

}  // namespace res
