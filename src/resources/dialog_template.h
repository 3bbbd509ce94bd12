// The format of dialog resources: a dialog with its caption, font and size
// in dialog units, and its controls in resource order, which is also the
// keyboard tab order. The templates themselves are data (dialogs.cpp); the
// dialog framework turns them into widgets.
#pragma once

#include <cstdint>
#include <vector>

namespace res {

enum class ControlKind {
    PushButton,    // text button; with Default it is the dialog's default button
    CheckBox,      // automatic check box: toggles itself when clicked
    GroupBox,      // etched frame with an optional caption on its top edge
    Static,        // one or more lines of text
    Picture,       // a bitmap resource, shown at its own size
    EtchedLine,    // etched horizontal separator
    CheckListBox,  // list of strings, each with its own check box
    TrackBar,      // horizontal slider with integer positions
    TabControl,    // row of tabs over a frame that hosts the pages
};

// Style bits of a control.
enum ControlStyle : uint32_t {
    Disabled = 1u << 0,
    TabStop = 1u << 1,
    Default = 1u << 2,          // push button: the default button (Enter)
    Flat = 1u << 3,             // push button: flat look
    Notify = 1u << 4,           // static: sends click notifications
    Border = 1u << 5,
    VScroll = 1u << 6,
    NoIntegralHeight = 1u << 7,  // list box: keeps its exact height
    OwnerDrawFixed = 1u << 8,    // list box: entries of one fixed height
    HasStrings = 1u << 9,        // list box: entries carry strings
    NoTicks = 1u << 10,          // track bar: no tick marks
    AutoTicks = 1u << 11,        // track bar: a tick mark at every position
    HotTrack = 1u << 12,         // tab control: the tab under the mouse lights up
    WordWrap = 1u << 13,         // static: long text wraps onto further lines
    RealSizeImage = 1u << 14,    // picture: drawn at the bitmap's size, clipped
};

// Style bits of a dialog.
enum DialogStyle : uint32_t {
    Popup = 1u << 0,
    Caption = 1u << 1,
    SysMenu = 1u << 2,
    ModalFrame = 1u << 3,
    CenterOnScreen = 1u << 4,
    Child = 1u << 5,
    Visible = 1u << 6,
};

// No id: the control is never looked up (frames, labels, separators).
constexpr int kNoId = -1;

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;  // caption text; for pictures unused
    int x, y, cx, cy;  // dialog units; a picture with cx == cy == 0 takes its bitmap's size
    uint32_t style;    // ControlStyle bits
    int bitmap;        // pictures: the bitmap resource id, else 0
};

struct DialogTemplate {
    int id;
    const char* caption;  // nullptr for pages without a caption
    uint32_t style;       // DialogStyle bits
    const char* fontName;
    int fontPoints;
    int cx, cy;  // dialog units
    std::vector<ControlTemplate> controls;

    // The control with this id, or nullptr.
    const ControlTemplate* control(int controlId) const;
};

}  // namespace res
