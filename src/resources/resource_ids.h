// Numbers of the program's resources: dialogs, their controls, bitmaps and
// strings. Controls keep one number across all dialogs.
#pragma once

namespace res {

// Dialogs.
enum : int {
    IDD_CONFIGURE = 101,
    IDD_SCENES_PAGE = 102,
    IDD_SETTINGS_PAGE = 104,
    IDD_RENDER_VIEW = 107,
    IDD_ABOUT_PAGE = 108,
};

// Bitmaps.
enum : int {
    IDB_BANNER = 103,
    IDB_ABOUT_SIDE = 113,
    IDB_SIBLINGS = 119,
};

// Strings.
enum : int { IDS_SAVER_NAME = 1 };

// Controls.
enum : int {
    IDC_OK = 1,
    IDC_CANCEL = 2,
    IDC_BANNER = 103,
    IDC_TABS = 1001,
    IDC_SCENE_LIST = 1009,
    IDC_PREVIEW_AREA = 1010,
    IDC_ALL_ON = 1016,
    IDC_ALL_OFF = 1017,
    IDC_GET_MORE = 1018,
    IDC_PLAY_SOUNDS = 1023,
    IDC_KEEP_ASPECT = 1024,
    IDC_TITLE = 1025,
    IDC_DESCRIPTION = 1026,
    IDC_AUTHOR = 1027,
    IDC_PREVIEW = 1034,
    IDC_POWER_MANAGEMENT = 1035,
    IDC_SIZE_REFERENCE = 1042,
    IDC_SIDE_PICTURE = 1044,
    IDC_HELP = 1048,
    IDC_IGNORE_MOUSE = 1051,
    IDC_CHECK_VERSION = 1052,
    IDC_WIND = 1054,
    IDC_CHANGE_PICTURE = 1056,
    IDC_FREQUENCY = 1057,
    IDC_BRIGHTWATER = 1058,
    IDC_SKYLOFT = 1059,
};

}  // namespace res
