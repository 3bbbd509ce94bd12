// Addresses of the maker's web pages that the saver and its dialog open in
// the user's browser. Read-only for the whole process.
#pragma once

#include <string>

// The gallery of further scenes ("Get more" on the scenes page).
extern const char* const GalleryUrl;
// The help page (the dialog's Help button).
extern const char* const HelpUrl;
// Where users vote for the saver (the end-of-run vote prompt).
extern const char* const VoteUrl;
// The version-check page; carries this program's version as version=1.0.
extern const char* const VersionCheckUrl;
// The pages of the maker's sibling savers (About page).
extern const char* const BrightwaterPageUrl;
extern const char* const SkyloftPageUrl;
// Fixed start of the author-redirect page; the author's name is appended.
extern const char* const AuthorRedirectUrl;

// What the dialog's Help and "Get more" buttons open: the help page and the
// guide to making scenes installed beside the data directory when they are
// there (they also work offline), else the pages on the web site.
std::string helpPageAddress();
std::string galleryPageAddress();
