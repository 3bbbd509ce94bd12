#include "resources/dialogs.h"

#include "resources/resource_ids.h"

namespace res {

const ControlTemplate* DialogTemplate::control(int controlId) const {
    for (const ControlTemplate& c : controls)
        if (c.id == controlId) return &c;
    return nullptr;
}

namespace {

using K = ControlKind;

const DialogTemplate kConfigure{
    IDD_CONFIGURE,
    "Flurrydale Screen Saver",
    Popup | Caption | SysMenu | ModalFrame | CenterOnScreen,
    "MS Shell Dlg",
    8,
    391,
    304,
    {
        {IDC_OK, K::PushButton, "OK", 330, 282, 50, 14, Default | TabStop, 0},
        {IDC_CANCEL, K::PushButton, "Cancel", 270, 282, 50, 14, TabStop, 0},
        {IDC_TABS, K::TabControl, "", 6, 42, 378, 234, HotTrack | TabStop, 0},
        {IDC_BANNER, K::Picture, "", 0, 0, 0, 0, RealSizeImage, IDB_BANNER},
        {IDC_PREVIEW, K::PushButton, "Preview", 210, 282, 50, 14, TabStop, 0},
        {IDC_HELP, K::PushButton, "Help", 12, 282, 50, 14, TabStop, 0},
    },
};

const DialogTemplate kScenesPage{
    IDD_SCENES_PAGE,
    nullptr,
    Child,
    "MS Shell Dlg",
    8,
    375,
    237,
    {
        {kNoId, K::GroupBox, "", 0, 0, 366, 216, 0, 0},
        {IDC_SCENE_LIST, K::CheckListBox, "", 234, 30, 132, 72,
         OwnerDrawFixed | HasStrings | Notify | VScroll | Border | NoIntegralHeight | TabStop, 0},
        {IDC_PREVIEW_AREA, K::PushButton, "Preview", 12, 12, 210, 132, Disabled | Flat, 0},
        {IDC_ALL_ON, K::PushButton, "All ON", 268, 12, 34, 14, TabStop, 0},
        {IDC_ALL_OFF, K::PushButton, "All OFF", 234, 12, 34, 14, TabStop, 0},
        {kNoId, K::GroupBox, "Info", 12, 144, 210, 66, 0, 0},
        {kNoId, K::Static, "Titile:", 18, 154, 20, 8, 0, 0},
        {kNoId, K::Static, "Description:", 18, 172, 40, 8, 0, 0},
        {kNoId, K::Static, "Author:", 18, 163, 26, 8, 0, 0},
        {IDC_TITLE, K::Static, "<TITLE>", 60, 154, 156, 8, 0, 0},
        {IDC_DESCRIPTION, K::Static, "<DESCRIPTION>", 60, 172, 156, 38, WordWrap, 0},
        {IDC_AUTHOR, K::Static, "<AUTHOR>", 60, 163, 156, 8, Notify, 0},
        {kNoId, K::Static, "Wind direction:", 231, 149, 95, 8, 0, 0},
        {IDC_WIND, K::TrackBar, "", 231, 160, 132, 15, NoTicks | TabStop, 0},
        {IDC_CHANGE_PICTURE, K::CheckBox, "Change picture", 231, 177, 65, 10, TabStop, 0},
        {IDC_FREQUENCY, K::TrackBar, "", 231, 190, 133, 12, AutoTicks | TabStop, 0},
        {kNoId, K::Static, "Often", 234, 202, 19, 8, 0, 0},
        {kNoId, K::Static, "Rare", 347, 203, 16, 8, 0, 0},
        {IDC_GET_MORE, K::PushButton, "Get more", 316, 12, 46, 14, TabStop, 0},
    },
};

const DialogTemplate kSettingsPage{
    IDD_SETTINGS_PAGE,
    nullptr,
    Child,
    "MS Shell Dlg",
    8,
    381,
    237,
    {
        {kNoId, K::GroupBox, "Options", 6, 0, 366, 216, 0, 0},
        {IDC_PLAY_SOUNDS, K::CheckBox, "Play sounds", 24, 24, 54, 10, TabStop, 0},
        {IDC_KEEP_ASPECT, K::CheckBox, "Keep 1:1.6 aspect ratio", 24, 42, 92, 10, TabStop, 0},
        {IDC_POWER_MANAGEMENT, K::CheckBox, "Enable power management", 24, 60, 106, 10, TabStop, 0},
        {IDC_IGNORE_MOUSE, K::CheckBox, "Ignore mouse moving", 24, 78, 87, 10, TabStop, 0},
    },
};

const DialogTemplate kRenderView{
    IDD_RENDER_VIEW, nullptr, Popup | SysMenu, "MS Shell Dlg", 8, 317, 185, {},
};

const DialogTemplate kAboutPage{
    IDD_ABOUT_PAGE,
    nullptr,
    Child,
    "MS Shell Dlg",
    8,
    375,
    225,
    {
        {kNoId, K::Static, "Flurrydale Screen Saver v1.0 build 05.12.09", 144, 12, 165, 8, 0, 0},
        {kNoId, K::Static, "Copyright \xC2\xA9 2005-2009 Quillbrook. All rights reserved.", 144, 24,
         216, 8, 0, 0},
        {kNoId, K::Static, "Free to use and to share; please do not sell it.", 144, 36, 216, 8, 0, 0},
        {kNoId, K::Static, "Scene pictures remain the work of their authors.", 144, 48, 216, 8, 0,
         0},
        {kNoId, K::GroupBox, "", 132, 0, 234, 210, 0, 0},
        {IDC_CHECK_VERSION, K::PushButton, "Check latest version", 144, 66, 92, 14, TabStop, 0},
        {kNoId, K::Picture, "", 144, 114, 213, 47, RealSizeImage, IDB_SIBLINGS},
        {kNoId, K::Static, "Feel free to try our screensavers: \n BRIGHTWATER and SKYLOFT \n", 144,
         96, 216, 18, 0, 0},
        {IDC_BRIGHTWATER, K::PushButton, "Brightwater", 144, 164, 102, 14, TabStop, 0},
        {kNoId, K::EtchedLine, "", 132, 88, 234, 1, 0, 0},
        {kNoId, K::EtchedLine, "", 132, 182, 234, 1, 0, 0},
        {IDC_SIDE_PICTURE, K::Picture, "", 0, 0, 147, 258, RealSizeImage, IDB_ABOUT_SIDE},
        {IDC_SIZE_REFERENCE, K::PushButton, "", 0, 0, 132, 219, Disabled, 0},
        {IDC_SKYLOFT, K::PushButton, "Skyloft", 251, 164, 102, 14, TabStop, 0},
    },
};

}  // namespace

const DialogTemplate* findDialogTemplate(int id) {
    for (const DialogTemplate* t : {&kConfigure, &kScenesPage, &kSettingsPage, &kRenderView, &kAboutPage})
        if (t->id == id) return t;
    return nullptr;
}

}  // namespace res
