// The general settings page and the About page.
#include "dialog_fixture.h"

#include "shell/web_links.h"

namespace {

using namespace res;

class OtherPages : public DialogTest {};

TEST_F(OtherPages, SettingsShowTheirFlagsAndSoundsStayAsStored) {
    tmp.write("options.xml",
              "<OPTIONS><SoundsEnabled v=\"1\"/><KeepAspect_1_6 v=\"1\"/><SleepEnabled v=\"0\"/>"
              "<IgnoreMouseMove v=\"0\"/></OPTIONS>");
    open();
    CPage3* page = dialog->settingsPage();
    auto* sounds = widget<Fl_Button>(page, IDC_PLAY_SOUNDS);
    EXPECT_FALSE(sounds->value());
    EXPECT_FALSE(sounds->active());

    struct Case {
        int id;
        int32_t Options::*field;
        int opened;
    };
    const Case cases[] = {{IDC_KEEP_ASPECT, &Options::KeepAspect_1_6, 1},
                          {IDC_POWER_MANAGEMENT, &Options::SleepEnabled, 0},
                          {IDC_IGNORE_MOUSE, &Options::IgnoreMouseMove, 0}};
    for (const Case& c : cases) {
        auto* box = widget<Fl_Button>(page, c.id);
        EXPECT_EQ(box->value(), c.opened) << c.id;
        box->value(!c.opened);
        box->do_callback();
        EXPECT_EQ(g_options.*c.field, !c.opened) << c.id;
    }
    click(dialog.get(), IDC_OK);
    Options saved;
    saved.load("options.xml");
    EXPECT_EQ(saved.SoundsEnabled, 1);
    EXPECT_EQ(saved.KeepAspect_1_6, 0);
    EXPECT_EQ(saved.SleepEnabled, 1);
    EXPECT_EQ(saved.IgnoreMouseMove, 1);
}

TEST_F(OtherPages, AboutClipsItsPictureAndOpensThreePages) {
    open();
    CPage5* page = dialog->aboutPage();
    Fl_Widget* reference = page->GetDlgItem(IDC_SIZE_REFERENCE);
    Fl_Widget* picture = page->GetDlgItem(IDC_SIDE_PICTURE);
    ASSERT_TRUE(reference && picture);
    EXPECT_FALSE(reference->visible());
    EXPECT_EQ(picture->w(), reference->w());
    EXPECT_EQ(picture->h(), reference->h());
    EXPECT_EQ(picture->x(), reference->x());

    click(page, IDC_CHECK_VERSION);
    opened(1);
    click(page, IDC_BRIGHTWATER);
    opened(2);
    click(page, IDC_SKYLOFT);
    EXPECT_EQ(opened(3), std::string(VersionCheckUrl) + "\n" + BrightwaterPageUrl + "\n" + SkyloftPageUrl + "\n");
}

}  // namespace
