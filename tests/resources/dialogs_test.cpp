#include <gtest/gtest.h>

#include <set>

#include "resources/dialog_units.h"
#include "resources/dialogs.h"
#include "resources/resource_ids.h"
#include "resources/strings.h"

namespace {

using namespace res;

const int kDialogs[] = {IDD_CONFIGURE, IDD_SCENES_PAGE, IDD_SETTINGS_PAGE, IDD_RENDER_VIEW, IDD_ABOUT_PAGE};

TEST(DialogTemplates, EveryDialogExistsWithUniqueControlIds) {
    for (int id : kDialogs) {
        const DialogTemplate* t = findDialogTemplate(id);
        ASSERT_NE(t, nullptr) << id;
        EXPECT_EQ(t->id, id);
        std::set<int> seen;
        for (const ControlTemplate& c : t->controls) {
            if (c.id == kNoId) continue;
            EXPECT_TRUE(seen.insert(c.id).second) << "dialog " << id << " repeats control " << c.id;
        }
    }
    EXPECT_EQ(findDialogTemplate(103), nullptr);
}

// The controls the pages look up, with the kind their code expects.
TEST(DialogTemplates, ControlsThePagesUseHaveTheirKinds) {
    struct Case {
        int dialog, control;
        ControlKind kind;
    };
    const Case cases[] = {
        {IDD_CONFIGURE, IDC_OK, ControlKind::PushButton},
        {IDD_CONFIGURE, IDC_CANCEL, ControlKind::PushButton},
        {IDD_CONFIGURE, IDC_TABS, ControlKind::TabControl},
        {IDD_CONFIGURE, IDC_BANNER, ControlKind::Picture},
        {IDD_CONFIGURE, IDC_PREVIEW, ControlKind::PushButton},
        {IDD_CONFIGURE, IDC_HELP, ControlKind::PushButton},
        {IDD_SCENES_PAGE, IDC_SCENE_LIST, ControlKind::CheckListBox},
        {IDD_SCENES_PAGE, IDC_PREVIEW_AREA, ControlKind::PushButton},
        {IDD_SCENES_PAGE, IDC_ALL_ON, ControlKind::PushButton},
        {IDD_SCENES_PAGE, IDC_ALL_OFF, ControlKind::PushButton},
        {IDD_SCENES_PAGE, IDC_GET_MORE, ControlKind::PushButton},
        {IDD_SCENES_PAGE, IDC_TITLE, ControlKind::Static},
        {IDD_SCENES_PAGE, IDC_DESCRIPTION, ControlKind::Static},
        {IDD_SCENES_PAGE, IDC_AUTHOR, ControlKind::Static},
        {IDD_SCENES_PAGE, IDC_WIND, ControlKind::TrackBar},
        {IDD_SCENES_PAGE, IDC_CHANGE_PICTURE, ControlKind::CheckBox},
        {IDD_SCENES_PAGE, IDC_FREQUENCY, ControlKind::TrackBar},
        {IDD_SETTINGS_PAGE, IDC_PLAY_SOUNDS, ControlKind::CheckBox},
        {IDD_SETTINGS_PAGE, IDC_KEEP_ASPECT, ControlKind::CheckBox},
        {IDD_SETTINGS_PAGE, IDC_POWER_MANAGEMENT, ControlKind::CheckBox},
        {IDD_SETTINGS_PAGE, IDC_IGNORE_MOUSE, ControlKind::CheckBox},
        {IDD_ABOUT_PAGE, IDC_CHECK_VERSION, ControlKind::PushButton},
        {IDD_ABOUT_PAGE, IDC_BRIGHTWATER, ControlKind::PushButton},
        {IDD_ABOUT_PAGE, IDC_SKYLOFT, ControlKind::PushButton},
        {IDD_ABOUT_PAGE, IDC_SIDE_PICTURE, ControlKind::Picture},
        {IDD_ABOUT_PAGE, IDC_SIZE_REFERENCE, ControlKind::PushButton},
    };
    for (const Case& c : cases) {
        const ControlTemplate* ct = findDialogTemplate(c.dialog)->control(c.control);
        ASSERT_NE(ct, nullptr) << c.dialog << "/" << c.control;
        EXPECT_EQ(ct->kind, c.kind) << c.dialog << "/" << c.control;
    }
}

TEST(DialogTemplates, FrameTabOrderAndDefaultButton) {
    const DialogTemplate* t = findDialogTemplate(IDD_CONFIGURE);
    std::vector<int> order;
    for (const ControlTemplate& c : t->controls) order.push_back(c.id);
    EXPECT_EQ(order, (std::vector<int>{IDC_OK, IDC_CANCEL, IDC_TABS, IDC_BANNER, IDC_PREVIEW, IDC_HELP}));
    int defaults = 0;
    for (const ControlTemplate& c : t->controls) defaults += (c.style & Default) ? 1 : 0;
    EXPECT_EQ(defaults, 1);
    EXPECT_TRUE(t->control(IDC_OK)->style & Default);
    EXPECT_STREQ(t->caption, "Flurrydale Screen Saver");
}

TEST(DialogTemplates, PixelSizesOfTheDialogAndThePreviewArea) {
    DialogUnits u;
    const DialogTemplate* frame = findDialogTemplate(IDD_CONFIGURE);
    EXPECT_EQ(u.x(frame->cx), 586);
    EXPECT_EQ(u.y(frame->cy), 494);
    const ControlTemplate* area = findDialogTemplate(IDD_SCENES_PAGE)->control(IDC_PREVIEW_AREA);
    PixelRect r = u.rect(area->x, area->y, area->cx, area->cy);
    EXPECT_EQ(r.w, 315);
    EXPECT_EQ(r.h, 215);  // 19.5 .. 234 -> 19 .. 234
    EXPECT_TRUE(area->style & Disabled);
}

TEST(Resources, StringsAndBitmapFiles) {
    EXPECT_STREQ(loadString(IDS_SAVER_NAME), "Flurrydale");
    EXPECT_EQ(loadString(2), nullptr);
    EXPECT_EQ(bitmapFileName(IDB_BANNER), "dialog/bitmap103.bmp");
    EXPECT_EQ(bitmapFileName(IDB_ABOUT_SIDE), "dialog/bitmap113.bmp");
    EXPECT_EQ(bitmapFileName(IDB_SIBLINGS), "dialog/bitmap119.bmp");
    EXPECT_EQ(bitmapFileName(IDC_OK), "");
}

}  // namespace
