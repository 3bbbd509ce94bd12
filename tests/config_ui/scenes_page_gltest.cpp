// The scenes page driven through its widgets: the list, the buttons, the
// track bars, the check box and the author link.
#include "dialog_fixture.h"

#include <cmath>

#include "scene/scene.h"
#include "scene/snowflake.h"
#include "shell/web_links.h"

namespace {

using namespace res;

class ScenesPage : public DialogTest {};

TEST_F(ScenesPage, OpensWithEveryFolderCheckedAndTheChosenSceneShown) {
    open();
    ASSERT_NE(currentScenario, nullptr);
    dlg::CheckListWidget* l = list();
    ASSERT_EQ(l->count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(l->itemText(i), currentScenario->path(i));
        EXPECT_EQ(l->checked(i), currentScenario->isEnabled(i) != 0);
    }
    const int s = l->selected();
    ASSERT_GE(s, 0);
    EXPECT_EQ(g_selectedScene, s);
    EXPECT_EQ(text(IDC_TITLE), currentScenario->title(s));
    EXPECT_EQ(text(IDC_AUTHOR), currentScenario->author(s));
    EXPECT_EQ(text(IDC_DESCRIPTION), currentScenario->description(s));
    ASSERT_NE(currentScene, nullptr);
    EXPECT_EQ(currentScene->folder(), currentScenario->path(s));
    // The author reads as a link.
    auto* author = widget<dlg::StaticWidget>(scenes(), IDC_AUTHOR);
    EXPECT_EQ(author->labelcolor(), fl_rgb_color(0, 0, 255));
    EXPECT_TRUE(author->handCursor());
}

TEST_F(ScenesPage, SelectingASceneShowsItAndTakesTheCheckMarks) {
    open();
    const int birches = indexOf("Birches"), coast = indexOf("Coast");
    dlg::CheckListWidget* l = list();
    if (l->selected() == birches) l->userSelect(coast);
    ASSERT_NE(currentScene, nullptr);
    ASSERT_NE(currentScene->folder(), "Birches");
    // A check mark set by the program reaches the flags only with the selection.
    l->setChecked(coast, false);
    EXPECT_EQ(currentScenario->isEnabled(coast), 1);
    l->userSelect(birches);
    EXPECT_EQ(g_selectedScene, birches);
    EXPECT_EQ(text(IDC_TITLE), "Birch Wood");
    EXPECT_EQ(text(IDC_AUTHOR), "Bo & Co");
    EXPECT_EQ(text(IDC_DESCRIPTION), "About Birch Wood");
    ASSERT_NE(currentScene, nullptr);
    EXPECT_EQ(currentScene->folder(), "Birches");
    EXPECT_EQ(currentScenario->isEnabled(coast), 0);
    // A click on an entry's box (or space) takes effect at once.
    l->userToggle(coast);
    EXPECT_EQ(currentScenario->isEnabled(coast), 1);
}

TEST_F(ScenesPage, AllOnAndAllOffSetEveryMarkAndFlag) {
    open();
    dlg::CheckListWidget* l = list();
    Scene* shown = currentScene;
    click(scenes(), IDC_ALL_OFF);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(l->checked(i));
        EXPECT_EQ(currentScenario->isEnabled(i), 0);
    }
    EXPECT_EQ(currentScenario->countEnabled(), 0);
    EXPECT_EQ(currentScene, shown) << "the preview keeps its scene";
    click(scenes(), IDC_ALL_ON);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(l->checked(i));
        EXPECT_EQ(currentScenario->isEnabled(i), 1);
    }
}

TEST_F(ScenesPage, WindOpensAtTheSettingAndTakesEffectAtOnce) {
    g_options.xSpeed = 70;
    tmp.write("options.xml", "<OPTIONS><xSpeed v=\"70\"/></OPTIONS>");
    open();
    auto* wind = widget<dlg::TrackBarWidget>(scenes(), IDC_WIND);
    EXPECT_EQ(wind->position(), 70);
    EXPECT_EQ(wind->minimum(), 0);
    EXPECT_EQ(wind->maximum(), 100);
    ASSERT_NE(currentScene, nullptr);
    ASSERT_NE(currentScene->snowflake(0), nullptr);
    const float fall = currentScene->snowflake(0)->vy;

    struct Case {
        int position;
        float drift;  // (position - 50) * |fall| / 100
    };
    const Case cases[] = {{0, -0.5f}, {50, 0.0f}, {100, 0.5f}};
    for (const Case& c : cases) {
        wind->setPosition(c.position);
        wind->handle(FL_RELEASE);
        EXPECT_EQ(g_options.xSpeed, c.position);
        EXPECT_FLOAT_EQ(currentScene->snowflake(0)->vx, c.drift * std::fabs(fall)) << c.position;
    }
    // A key moves it as well.
    Fl::e_keysym = FL_Left;
    wind->handle(FL_KEYBOARD);
    EXPECT_EQ(g_options.xSpeed, 99);
}

TEST_F(ScenesPage, ChangePictureEnablesTheFrequencyWhichStaysInItsRange) {
    tmp.write("options.xml", "<OPTIONS><changeSkyDuring v=\"0\"/><changeFrequency v=\"12\"/></OPTIONS>");
    open();
    auto* freq = widget<dlg::TrackBarWidget>(scenes(), IDC_FREQUENCY);
    auto* change = widget<Fl_Button>(scenes(), IDC_CHANGE_PICTURE);
    EXPECT_EQ(freq->minimum(), 1);
    EXPECT_EQ(freq->maximum(), 9);
    EXPECT_EQ(freq->position(), 9);
    EXPECT_EQ(g_options.changeFrequency, 12) << "unchanged until the bar is moved";
    EXPECT_FALSE(change->value());
    EXPECT_FALSE(freq->active()) << "opens disabled while pictures do not change";

    change->value(1);
    change->do_callback();
    EXPECT_TRUE(freq->active());
    EXPECT_EQ(g_options.changeSkyDuring, 1);
    change->value(0);
    change->do_callback();
    EXPECT_FALSE(freq->active());
    EXPECT_EQ(g_options.changeSkyDuring, 0);

    freq->setPosition(3);
    freq->handle(FL_RELEASE);
    EXPECT_EQ(g_options.changeFrequency, 3);
}

TEST_F(ScenesPage, AuthorAndGalleryOpenTheirPages) {
    open();
    list()->userSelect(indexOf("Birches"));
    widget<dlg::StaticWidget>(scenes(), IDC_AUTHOR)->handle(FL_PUSH);
    Fl::e_x = widget<dlg::StaticWidget>(scenes(), IDC_AUTHOR)->x() + 1;
    Fl::e_y = widget<dlg::StaticWidget>(scenes(), IDC_AUTHOR)->y() + 1;
    widget<dlg::StaticWidget>(scenes(), IDC_AUTHOR)->handle(FL_RELEASE);
    std::string log = opened(1);
    EXPECT_EQ(log, std::string(AuthorRedirectUrl) + "Bo & Co\n");
    click(scenes(), IDC_GET_MORE);
    EXPECT_EQ(opened(2), log + GalleryUrl + "\n");
}

}  // namespace
