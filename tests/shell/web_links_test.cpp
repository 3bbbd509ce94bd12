#include <gtest/gtest.h>

#include <string>

#include "shell/data_dir.h"
#include "shell/web_links.h"
#include "support/temp_dir.h"

// Help and the scene guide open the pages installed beside the data directory
// when they are there, and the web site otherwise.
TEST(WebLinks, InstalledHelpPagesWinOverTheWebSite) {
    TempDir tmp;
    const std::string saved = DataDir;
    DataDir = tmp.mkdir("share/flurrydale/data") + "/";
    EXPECT_EQ(helpPageAddress(), HelpUrl);
    EXPECT_EQ(galleryPageAddress(), GalleryUrl);

    tmp.write("share/doc/flurrydale/index.html", "<html/>");
    tmp.write("share/doc/flurrydale/making-scenes.html", "<html/>");
    EXPECT_EQ(helpPageAddress(), "file://" + tmp.path() + "/share/doc/flurrydale/index.html");
    EXPECT_EQ(galleryPageAddress(), "file://" + tmp.path() + "/share/doc/flurrydale/making-scenes.html");
    DataDir = saved;
}

TEST(WebLinks, VersionCheckCarriesTheVersion) {
    EXPECT_NE(std::string(VersionCheckUrl).find("version=1.0"), std::string::npos);
    EXPECT_EQ(std::string(AuthorRedirectUrl).substr(std::string(AuthorRedirectUrl).size() - 20),
              "redirect.php?author=");
}
