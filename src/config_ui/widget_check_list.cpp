#include "config_ui/widget_check_list.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

namespace dlg {

CheckListWidget::CheckListWidget(int x, int y, int w, int h, NotifyTarget target)
    : Fl_Browser_(x, y, w, h), target_(target) {
    type(FL_HOLD_BROWSER);
    box(FL_DOWN_BOX);
    color(FL_BACKGROUND2_COLOR);
    has_scrollbar(VERTICAL);
    // Without FL_WHEN_CHANGED the browser would only report on release of
    // the mouse; our own handling sends every notification itself.
    when(FL_WHEN_CHANGED);
}

CheckListWidget::~CheckListWidget() { new_list(); }

void CheckListWidget::clearItems() {
    new_list();  // forget cached item pointers before the items go
    items_.clear();
    selected_ = -1;
    redraw();
}

int CheckListWidget::addItem(const std::string& text) {
    int index = count();
    items_.push_back(std::unique_ptr<Item>(new Item{index, text, false}));
    redraw_lines();
    redraw();
    return index;
}

const std::string& CheckListWidget::itemText(int index) const {
    static const std::string empty;
    return index >= 0 && index < count() ? items_[index]->text : empty;
}

bool CheckListWidget::checked(int index) const {
    return index >= 0 && index < count() && items_[index]->checked;
}

void CheckListWidget::setChecked(int index, bool on) {
    if (index < 0 || index >= count()) return;
    items_[index]->checked = on;
    redraw_line(items_[index].get());
}

bool CheckListWidget::setSelected(int index) {
    if (index < 0 || index >= count()) return false;
    selected_ = index;
    display(items_[index].get());
    redraw();
    return true;
}

void CheckListWidget::userSelect(int index) {
    if (index < 0 || index >= count() || index == selected_) return;
    setSelected(index);
    target_.send(LBN_SELCHANGE);
}

void CheckListWidget::userToggle(int index) {
    if (index < 0 || index >= count()) return;
    setChecked(index, !items_[index]->checked);
    target_.send(CLBN_CHKCHANGE);
}

bool CheckListWidget::moveSelection(int key) {
    if (count() == 0) return false;
    int rows = std::max(1, (h() - Fl::box_dh(box())) / std::max(1, item_height(nullptr)));
    int s = selected_;
    switch (key) {
        case FL_Up: s = s < 0 ? 0 : s - 1; break;
        case FL_Down: s = s < 0 ? 0 : s + 1; break;
        case FL_Page_Up: s = s < 0 ? 0 : s - rows; break;
        case FL_Page_Down: s = s < 0 ? 0 : s + rows; break;
        case FL_Home: s = 0; break;
        case FL_End: s = count() - 1; break;
        default: return false;
    }
    userSelect(std::clamp(s, 0, count() - 1));
    return true;
}

int CheckListWidget::handle(int event) {
    int bx, by, bw, bh;
    bbox(bx, by, bw, bh);
    switch (event) {
        case FL_PUSH: {
            if (!Fl::event_inside(bx, by, bw, bh)) break;  // the scroll bar
            if (Fl::visible_focus()) take_focus();
            int index = indexOf(find_item(Fl::event_y()));
            if (index < 0) return 1;
            userSelect(index);
            if (Fl::event_x() < bx + boxSize() + 4) userToggle(index);
            return 1;
        }
        case FL_DRAG:
        case FL_RELEASE:
            if (Fl::event_inside(bx, by, bw, bh) && !Fl::pushed()) return 1;
            break;
        case FL_KEYBOARD:
            if (Fl::event_key() == ' ' && selected_ >= 0) {
                userToggle(selected_);
                return 1;
            }
            if (moveSelection(Fl::event_key())) return 1;
            break;
        default: break;
    }
    return Fl_Browser_::handle(event);
}

void* CheckListWidget::item_first() const { return items_.empty() ? nullptr : items_.front().get(); }

void* CheckListWidget::item_next(void* item) const {
    int i = indexOf(item) + 1;
    return i > 0 && i < count() ? items_[i].get() : nullptr;
}

void* CheckListWidget::item_prev(void* item) const {
    int i = indexOf(item) - 1;
    return i >= 0 && i < count() ? items_[i].get() : nullptr;
}

int CheckListWidget::boxSize() const { return textsize() + 2; }

int CheckListWidget::item_height(void*) const { return textsize() + 5; }

int CheckListWidget::item_width(void* item) const {
    fl_font(textfont(), textsize());
    return boxSize() + 8 + static_cast<int>(fl_width(static_cast<Item*>(item)->text.c_str()));
}

void CheckListWidget::item_draw(void* item, int x, int y, int w, int h) const {
    const Item* it = static_cast<const Item*>(item);
    const int size = boxSize() - 2;
    const int bx = x + 2, by = y + (h - size) / 2;
    fl_draw_box(FL_DOWN_BOX, bx, by, size, size, FL_BACKGROUND2_COLOR);
    if (it->checked) {
        // A tick drawn with two thick strokes.
        fl_color(FL_FOREGROUND_COLOR);
        fl_line_style(FL_SOLID, std::max(2, size / 6));
        fl_line(bx + size / 4, by + size / 2, bx + size * 5 / 12, by + size * 3 / 4);
        fl_line(bx + size * 5 / 12, by + size * 3 / 4, bx + size * 3 / 4, by + size / 4);
        fl_line_style(0);
    }
    const bool sel = it->index == selected_;
    Fl_Color text = sel ? fl_contrast(textcolor(), selection_color()) : textcolor();
    fl_color(active_r() ? text : fl_inactive(text));
    fl_font(textfont(), textsize());
    int tx = x + boxSize() + 6;
    fl_draw(it->text.c_str(), tx, y, w - (tx - x), h, FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP,
            nullptr, 0);
}

void CheckListWidget::item_select(void* item, int on) {
    int i = indexOf(item);
    if (on) selected_ = i;
    else if (selected_ == i) selected_ = -1;
}

int CheckListWidget::item_selected(void* item) const { return indexOf(item) == selected_ && selected_ >= 0; }

}  // namespace dlg
