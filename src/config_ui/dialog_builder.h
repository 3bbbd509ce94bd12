// Turns a dialog template into widgets: one widget per control, in resource
// order (which FLTK keeps as the keyboard order), placed in pixels from the
// dialog units of the template and drawn in the dialog font.
#pragma once

#include <memory>
#include <vector>

#include "config_ui/notify.h"
#include "resources/dialog_template.h"
#include "resources/dialog_units.h"

class Fl_Image;
class Fl_Widget;

namespace dlg {

struct BuiltControl {
    int id;
    res::ControlKind kind;
    Fl_Widget* widget;
    // Where a button's or check box's callback sends BN_CLICKED; it must
    // live as long as the widget.
    std::unique_ptr<NotifyTarget> clickTarget;
};

// Adds the template's controls to the FLTK group that is current (between
// its begin() and end()), with (originX, originY) as the dialog's top-left
// corner in that group's window. Notifications go to sink.
std::vector<BuiltControl> buildControls(const res::DialogTemplate& dialog, int originX, int originY,
                                        const res::DialogUnits& units, NotifySink* sink);

// The picture of a bitmap resource from the data directory, scaled by the
// desktop scale; null when it cannot be read.
std::unique_ptr<Fl_Image> loadBitmapResource(int bitmapId, double scale);

// The dialog font's FLTK face.
int dialogFontFace();

}  // namespace dlg
