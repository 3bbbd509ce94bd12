#include "config_ui/widget_tabs.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

namespace dlg {

namespace {
constexpr int kEdge = 2;  // tabs start this far in from the control's corner
}

TabsWidget::TabsWidget(int x, int y, int w, int h, bool hotTrack, NotifyTarget target)
    : Fl_Group(x, y, w, h), hotTrack_(hotTrack), target_(target) {
    box(FL_NO_BOX);
    resizable(nullptr);
    end();
}

int TabsWidget::insertItem(int index, const std::string& text) {
    if (index < 0) return -1;
    if (index > count()) index = count();
    items_.insert(items_.begin() + index, Item{text, 0});
    if (current_ < 0) current_ = 0;
    else if (index <= current_) ++current_;
    redraw();
    return index;
}

void TabsWidget::setItemData(int index, LPARAM data) {
    if (index >= 0 && index < count()) items_[index].data = data;
}

LPARAM TabsWidget::itemData(int index) const { return index >= 0 && index < count() ? items_[index].data : 0; }

const std::string& TabsWidget::itemText(int index) const {
    static const std::string empty;
    return index >= 0 && index < count() ? items_[index].text : empty;
}

void TabsWidget::setCurrent(int index) {
    if (index < 0 || index >= count()) return;
    current_ = index;
    redraw();
}

int TabsWidget::tabHeight() const { return labelsize() + 9; }

int TabsWidget::itemWidth(int index) const {
    fl_font(labelfont(), labelsize());
    return static_cast<int>(fl_width(items_[index].text.c_str())) + 2 * labelsize();
}

bool TabsWidget::itemRect(int index, RECT* out) const {
    if (index < 0 || index >= count() || !out) return false;
    int left = kEdge;
    for (int i = 0; i < index; ++i) left += itemWidth(i);
    *out = RECT{left, kEdge, left + itemWidth(index), kEdge + tabHeight()};
    return true;
}

int TabsWidget::itemAt(int localX, int localY) const {
    for (int i = 0; i < count(); ++i) {
        RECT r;
        itemRect(i, &r);
        if (localX >= r.left && localX < r.right && localY >= r.top - kEdge && localY < r.bottom) return i;
    }
    return -1;
}

void TabsWidget::userSelect(int index) {
    if (index < 0 || index >= count() || index == current_) return;
    if (target_.send(TCN_SELCHANGING) != 0) return;
    current_ = index;
    redraw();
    target_.send(TCN_SELCHANGE);
}

int TabsWidget::handle(int event) {
    const int lx = Fl::event_x() - x(), ly = Fl::event_y() - y();
    switch (event) {
        case FL_PUSH: {
            int i = itemAt(lx, ly);
            if (i >= 0) {
                if (Fl::visible_focus()) take_focus();
                userSelect(i);
                return 1;
            }
            break;
        }
        case FL_ENTER:
        case FL_MOVE:
        case FL_LEAVE: {
            int hot = event == FL_LEAVE || !hotTrack_ ? -1 : itemAt(lx, ly);
            if (hot != hot_) {
                hot_ = hot;
                damage(FL_DAMAGE_ALL, x(), y(), w(), tabHeight() + kEdge);
            }
            Fl_Group::handle(event);
            return 1;  // keep receiving moves over the tab row
        }
        case FL_SHORTCUT:
            if (Fl::event_key() == FL_Tab && Fl::event_state(FL_CTRL) && count() > 1 && visible_r()) {
                int step = Fl::event_state(FL_SHIFT) ? count() - 1 : 1;
                userSelect((current_ + step) % count());
                return 1;
            }
            break;
        default: break;
    }
    return Fl_Group::handle(event);
}

void TabsWidget::draw() {
    const int th = tabHeight();
    const int frameTop = y() + kEdge + th;
    fl_font(labelfont(), labelsize());
    if (damage() & ~FL_DAMAGE_CHILD) {
        fl_color(color());
        fl_rectf(x(), y(), w(), frameTop - y());
        draw_box(FL_UP_FRAME, x(), frameTop, w(), h() - (frameTop - y()), color());
        for (int i = 0; i < count(); ++i) {
            if (i == current_) continue;
            RECT r;
            itemRect(i, &r);
            Fl_Color c = i == hot_ ? fl_lighter(color()) : fl_darker(color());
            draw_box(FL_UP_BOX, x() + r.left, y() + r.top + 2, r.right - r.left, th - 1, c);
            fl_color(labelcolor());
            fl_draw(items_[i].text.c_str(), x() + r.left, y() + r.top + 2, r.right - r.left, th - 2,
                    FL_ALIGN_CENTER, nullptr, 0);
        }
        RECT r;
        if (itemRect(current_, &r)) {
            // The current tab stands out and merges into the frame below it.
            int cx = x() + r.left - kEdge, cw = r.right - r.left + 2 * kEdge;
            draw_box(FL_UP_BOX, cx, y(), cw, th + kEdge + 2, color());
            fl_color(color());
            fl_rectf(cx + 2, frameTop - 1, cw - 4, 4);
            fl_color(labelcolor());
            fl_draw(items_[current_].text.c_str(), cx, y(), cw, th + kEdge, FL_ALIGN_CENTER, nullptr, 0);
            if (Fl::focus() == this) draw_focus(FL_UP_BOX, cx + 1, y() + 1, cw - 2, th);
        }
    }
    // Pages are drawn by the group (each is shown or hidden by the dialog).
    if (damage() & ~FL_DAMAGE_CHILD) {
        for (int i = 0; i < children(); ++i) draw_child(*child(i));
    } else {
        for (int i = 0; i < children(); ++i) update_child(*child(i));
    }
}

}  // namespace dlg
