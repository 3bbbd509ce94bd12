#include "config_ui/dialog_builder.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_BMP_Image.H>
#include <FL/Fl_Check_Button.H>

#include "config_ui/widget_check_list.h"
#include "config_ui/widget_tabs.h"
#include "config_ui/widget_track_bar.h"
#include "config_ui/widgets_basic.h"
#include "platform/files.h"
#include "resources/strings.h"
#include "shell/data_dir.h"

namespace dlg {

namespace {

void sendClicked(Fl_Widget*, void* data) {
    static_cast<NotifyTarget*>(data)->send(BN_CLICKED);
}

Fl_Widget* makeWidget(const res::ControlTemplate& c, const res::PixelRect& r, const res::DialogUnits& units,
                      NotifyTarget target) {
    using K = res::ControlKind;
    switch (c.kind) {
        case K::PushButton: return new PushButtonWidget(r.x, r.y, r.w, r.h, c.text, (c.style & res::Default) != 0);
        case K::CheckBox: {
            auto* b = new Fl_Check_Button(r.x, r.y, r.w, r.h);
            b->copy_label(c.text);
            return b;
        }
        case K::GroupBox: return new GroupBoxWidget(r.x, r.y, r.w, r.h, c.text);
        case K::Static: {
            auto* s = new StaticWidget(r.x, r.y, r.w, r.h, c.text, (c.style & res::WordWrap) != 0);
            if (c.style & res::Notify) s->makeClickable(target);
            s->setClipped(c.id != res::kNoId || (c.style & res::WordWrap));
            return s;
        }
        case K::Picture: {
            std::unique_ptr<Fl_Image> image = loadBitmapResource(c.bitmap, units.scale());
            int w = r.w, h = r.h;
            if (c.cx == 0 && c.cy == 0) {  // natural size of the bitmap
                w = image ? image->w() : 0;
                h = image ? image->h() : 0;
            }
            return new PictureWidget(r.x, r.y, w, h, std::move(image));
        }
        case K::EtchedLine: return new EtchedLineWidget(r.x, r.y, r.w, r.h);
        case K::CheckListBox: return new CheckListWidget(r.x, r.y, r.w, r.h, target);
        case K::TrackBar: return new TrackBarWidget(r.x, r.y, r.w, r.h, (c.style & res::AutoTicks) != 0, target);
        case K::TabControl: return new TabsWidget(r.x, r.y, r.w, r.h, (c.style & res::HotTrack) != 0, target);
    }
    return nullptr;
}

}  // namespace

int dialogFontFace() {
    // A condensed sans face comes closest to the width of the dialog font
    // the templates were measured in; fontconfig substitutes the desktop's
    // sans face where it is missing.
    static bool registered = false;
    if (!registered) {
        Fl::set_font(FL_FREE_FONT, " DejaVu Sans Condensed");
        registered = true;
    }
    return FL_FREE_FONT;
}

std::unique_ptr<Fl_Image> loadBitmapResource(int bitmapId, double scale) {
    std::string name = res::bitmapFileName(bitmapId);
    if (name.empty() || DataDir.empty()) return nullptr;
    std::string path = DataDir + name;
    if (!platform::fileReadable(path.c_str())) return nullptr;
    std::unique_ptr<Fl_Image> image(new Fl_BMP_Image(path.c_str()));
    if (image->fail() || image->w() <= 0 || image->h() <= 0) return nullptr;
    if (scale != 1.0) {
        int w = static_cast<int>(image->w() * scale), h = static_cast<int>(image->h() * scale);
        image.reset(image->copy(w, h));
    }
    return image;
}

std::vector<BuiltControl> buildControls(const res::DialogTemplate& dialog, int originX, int originY,
                                        const res::DialogUnits& units, NotifySink* sink) {
    std::vector<BuiltControl> built;
    const int font = units.fontPixels();
    for (const res::ControlTemplate& c : dialog.controls) {
        res::PixelRect r = units.rect(c.x, c.y, c.cx, c.cy);
        r.x += originX;
        r.y += originY;
        NotifyTarget target{sink, c.id};
        Fl_Widget* w = makeWidget(c, r, units, target);
        if (!w) continue;
        w->labelfont(dialogFontFace());
        w->labelsize(font);
        if (auto* list = dynamic_cast<CheckListWidget*>(w)) {
            list->textfont(dialogFontFace());
            list->textsize(font);
        }
        std::unique_ptr<NotifyTarget> click;
        if (c.kind == res::ControlKind::PushButton || c.kind == res::ControlKind::CheckBox) {
            click.reset(new NotifyTarget(target));
            w->callback(sendClicked, click.get());
        }
        if (c.style & res::Disabled) w->deactivate();
        if (!(c.style & res::TabStop)) w->clear_visible_focus();
        built.push_back(BuiltControl{c.id, c.kind, w, std::move(click)});
    }
    return built;
}

}  // namespace dlg
