#include "config_ui/widgets_basic.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

namespace dlg {

PushButtonWidget::PushButtonWidget(int x, int y, int w, int h, const char* text, bool isDefault)
    : Fl_Button(x, y, w, h), text_(text ? text : ""), default_(isDefault) {
    label(text_.c_str());
    clear_flag(SHORTCUT_LABEL);
}

int PushButtonWidget::handle(int event) {
    if (event == FL_SHORTCUT && default_ && active_r() && visible_r() &&
        (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter)) {
        do_callback();
        return 1;
    }
    return Fl_Button::handle(event);
}

void PushButtonWidget::draw() {
    Fl_Button::draw();
    if (default_ && active_r()) {
        fl_color(FL_DARK3);
        fl_rect(x(), y(), w(), h());
    }
}

StaticWidget::StaticWidget(int x, int y, int w, int h, const char* text, bool wordWrap)
    : Fl_Box(x, y, w, h), text_(text ? text : ""), wrap_(wordWrap) {
    box(FL_NO_BOX);
}

void StaticWidget::setText(const std::string& text) {
    text_ = text;
    // The parent paints the background under a transparent text.
    if (parent()) parent()->damage(FL_DAMAGE_ALL, x(), y(), w(), h());
    redraw();
}

void StaticWidget::draw() {
    fl_font(labelfont(), labelsize());
    fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
    Fl_Align align = FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE;
    if (wrap_) align |= FL_ALIGN_WRAP;
    if (clipped_) fl_push_clip(x(), y(), w(), h());
    // No symbols: "@" in a scene's texts is shown as it stands.
    fl_draw(text_.c_str(), x(), y(), w(), h(), align, nullptr, 0);
    if (clipped_) fl_pop_clip();
}

int StaticWidget::handle(int event) {
    switch (event) {
        case FL_ENTER:
            if (handCursor_ && window()) window()->cursor(FL_CURSOR_HAND);
            return clickable_ || handCursor_ ? 1 : 0;
        case FL_LEAVE:
            if (handCursor_ && window()) window()->cursor(FL_CURSOR_DEFAULT);
            return clickable_ || handCursor_ ? 1 : 0;
        case FL_MOVE: return clickable_ || handCursor_ ? 1 : 0;
        case FL_PUSH: return clickable_ && Fl::event_button() == FL_LEFT_MOUSE ? 1 : 0;
        case FL_RELEASE:
            if (clickable_ && Fl::event_inside(this)) clickTarget_.send(STN_CLICKED);
            return clickable_ ? 1 : 0;
        default: return 0;
    }
}

GroupBoxWidget::GroupBoxWidget(int x, int y, int w, int h, const char* text)
    : Fl_Box(x, y, w, h), text_(text ? text : "") {
    box(FL_NO_BOX);
}

void GroupBoxWidget::draw() {
    fl_font(labelfont(), labelsize());
    const int half = text_.empty() ? 0 : fl_height() / 2;
    draw_box(FL_ENGRAVED_FRAME, x(), y() + half, w(), h() - half, color());
    if (text_.empty()) return;
    int tw = static_cast<int>(fl_width(text_.c_str())) + 4;
    int tx = x() + 8;
    fl_color(color());
    fl_rectf(tx, y(), tw, fl_height());
    fl_color(labelcolor());
    fl_draw(text_.c_str(), tx + 2, y(), tw, fl_height(), FL_ALIGN_LEFT | FL_ALIGN_INSIDE, nullptr, 0);
}

EtchedLineWidget::EtchedLineWidget(int x, int y, int w, int h) : Fl_Box(x, y, w, h < 2 ? 2 : h) {
    box(FL_NO_BOX);
}

void EtchedLineWidget::draw() {
    fl_color(FL_DARK2);
    fl_xyline(x(), y(), x() + w() - 1);
    fl_color(FL_LIGHT3);
    fl_xyline(x(), y() + 1, x() + w() - 1);
}

PictureWidget::PictureWidget(int x, int y, int w, int h, std::unique_ptr<Fl_Image> image)
    : Fl_Box(x, y, w, h), image_(std::move(image)) {
    box(FL_NO_BOX);
}

void PictureWidget::draw() {
    if (!image_) return;
    fl_push_clip(x(), y(), w(), h());
    image_->draw(x(), y());
    fl_pop_clip();
}

}  // namespace dlg
