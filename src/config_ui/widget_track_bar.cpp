#include "config_ui/widget_track_bar.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace dlg {

TrackBarWidget::TrackBarWidget(int x, int y, int w, int h, bool ticks, NotifyTarget target)
    : Fl_Slider(x, y, w, h), ticks_(ticks), target_(target) {
    type(FL_HOR_NICE_SLIDER);
    box(FL_FLAT_BOX);
    slider(FL_UP_BOX);
    slider_size(0.08);
    step(1);
    // The framework's default range and position of a track bar.
    Fl_Slider::bounds(0, 100);
    value(0);
}

void TrackBarWidget::setRange(int minimum, int maximum) {
    if (maximum < minimum) std::swap(minimum, maximum);
    Fl_Slider::bounds(minimum, maximum);
    setPosition(position());
    redraw();
}

void TrackBarWidget::setPosition(int p) {
    value(std::clamp(p, minimum(), maximum()));
    redraw();
}

int TrackBarWidget::tickSpace() const { return ticks_ ? std::max(3, h() / 4) : 0; }

int TrackBarWidget::handle(int event) {
    if (event == FL_KEYBOARD) {
        int before = position();
        int r = Fl_Slider::handle(event);
        // Keys that move by a page, or to either end, as a desktop slider does.
        int after = position();
        int page = std::max(1, (maximum() - minimum()) / 5);
        switch (Fl::event_key()) {
            case FL_Page_Up: after = before - page; r = 1; break;
            case FL_Page_Down: after = before + page; r = 1; break;
            case FL_Home: after = minimum(); r = 1; break;
            case FL_End: after = maximum(); r = 1; break;
            default: break;
        }
        setPosition(after);
        if (position() != before) target_.send(TRBN_KEYCHANGE);
        return r;
    }
    int r = Fl_Slider::handle(event, x(), y(), w(), h() - tickSpace());
    if (event == FL_PUSH && Fl::visible_focus()) take_focus();
    if (event == FL_RELEASE) target_.send(NM_RELEASEDCAPTURE);
    return r;
}

void TrackBarWidget::draw() {
    if (damage() & FL_DAMAGE_ALL) draw_box();
    const int space = tickSpace();
    Fl_Slider::draw(x(), y(), w(), h() - space);
    if (!ticks_) return;
    const int span = maximum() - minimum();
    if (span <= 0) return;
    // Ticks under the thumb's travel; the thumb is slider_size() of the width.
    const int thumb = static_cast<int>(slider_size() * w());
    const int left = x() + thumb / 2, travel = w() - thumb;
    fl_color(active_r() ? FL_DARK3 : fl_inactive(FL_DARK3));
    for (int i = 0; i <= span; ++i) {
        int tx = left + travel * i / span;
        fl_yxline(tx, y() + h() - space, y() + h() - 1);
    }
}

}  // namespace dlg
