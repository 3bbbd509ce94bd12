#include "shell/web_links.h"

#include "platform/install_layout.h"
#include "shell/data_dir.h"

#define QUILLBROOK_SITE "https://www.quillbrook.example/"

const char* const GalleryUrl = QUILLBROOK_SITE "flurrydale/gallery.php";
const char* const HelpUrl = QUILLBROOK_SITE "flurrydale/help.php";
const char* const VoteUrl = QUILLBROOK_SITE "flurrydale/vote.php";
const char* const VersionCheckUrl = QUILLBROOK_SITE "flurrydale/version.php?version=1.0";
const char* const BrightwaterPageUrl = QUILLBROOK_SITE "brightwater/";
const char* const SkyloftPageUrl = QUILLBROOK_SITE "skyloft/";
const char* const AuthorRedirectUrl = QUILLBROOK_SITE "redirect.php?author=";

namespace {
std::string installedOr(const char* page, const char* web) {
    std::string local = platform::installedHelpPage(DataDir, page);
    return local.empty() ? std::string(web) : local;
}
}  // namespace

std::string helpPageAddress() { return installedOr("index.html", HelpUrl); }
std::string galleryPageAddress() { return installedOr("making-scenes.html", GalleryUrl); }
