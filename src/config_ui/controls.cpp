#include "config_ui/controls.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>

#include "config_ui/widget_check_list.h"
#include "config_ui/widget_tabs.h"
#include "config_ui/widget_track_bar.h"
#include "config_ui/widgets_basic.h"

namespace dlg {

void CWnd::EnableWindow(BOOL enable) {
    if (!widget_) return;
    if (enable) widget_->activate();
    else widget_->deactivate();
}

BOOL CWnd::IsWindowEnabled() const { return widget_ && widget_->active(); }

void CWnd::ShowWindow(int command) {
    if (!widget_) return;
    if (command == SW_HIDE) widget_->hide();
    else widget_->show();
    if (widget_->parent()) widget_->parent()->redraw();
}

BOOL CWnd::IsWindowVisible() const { return widget_ && widget_->visible_r(); }

void CWnd::SetWindowText(const char* text) {
    if (!widget_) return;
    if (auto* s = dynamic_cast<StaticWidget*>(widget_)) {
        s->setText(text ? text : "");
        return;
    }
    text_ = text ? text : "";
    widget_->label(text_.c_str());
    widget_->redraw();
}

std::string CWnd::GetWindowText() const {
    if (!widget_) return std::string();
    if (auto* s = dynamic_cast<StaticWidget*>(widget_)) return s->text();
    return widget_->label() ? widget_->label() : "";
}

void CWnd::GetClientRect(RECT* rect) const {
    if (!rect) return;
    *rect = RECT{0, 0, widget_ ? widget_->w() : 0, widget_ ? widget_->h() : 0};
}

void CWnd::SetWindowPos(int x, int y, int cx, int cy, UINT flags) {
    if (!widget_) return;
    int nx = (flags & SWP_NOMOVE) ? widget_->x() : x;
    int ny = (flags & SWP_NOMOVE) ? widget_->y() : y;
    int nw = (flags & SWP_NOSIZE) ? widget_->w() : cx;
    int nh = (flags & SWP_NOSIZE) ? widget_->h() : cy;
    if (widget_->parent()) widget_->parent()->redraw();
    widget_->resize(nx, ny, nw, nh);
    widget_->redraw();
}

int CButton::GetCheck() const {
    auto* b = dynamic_cast<Fl_Button*>(widget_);
    return b && b->value() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int state) {
    if (auto* b = dynamic_cast<Fl_Button*>(widget_)) b->value(state ? 1 : 0);
}

StaticWidget* CStatic::text() const { return dynamic_cast<StaticWidget*>(widget_); }

void CStatic::SetTextColor(unsigned char red, unsigned char green, unsigned char blue) {
    if (StaticWidget* s = text()) {
        s->labelcolor(fl_rgb_color(red, green, blue));
        s->redraw();
    }
}

void CStatic::SetHandCursor(bool on) {
    if (StaticWidget* s = text()) s->setHandCursor(on);
}

CheckListWidget* CCheckListBox::list() const { return dynamic_cast<CheckListWidget*>(widget_); }

void CCheckListBox::ResetContent() {
    if (CheckListWidget* l = list()) l->clearItems();
}

int CCheckListBox::AddString(const char* text) {
    CheckListWidget* l = list();
    return l ? l->addItem(text ? text : "") : LB_ERR;
}

int CCheckListBox::GetCount() const { return list() ? list()->count() : 0; }

int CCheckListBox::GetCurSel() const {
    CheckListWidget* l = list();
    return l && l->selected() >= 0 ? l->selected() : LB_ERR;
}

int CCheckListBox::SetCurSel(int index) {
    CheckListWidget* l = list();
    return l && l->setSelected(index) ? index : LB_ERR;
}

int CCheckListBox::GetCheck(int index) const {
    CheckListWidget* l = list();
    return l && l->checked(index) ? BST_CHECKED : BST_UNCHECKED;
}

void CCheckListBox::SetCheck(int index, int state) {
    if (CheckListWidget* l = list()) l->setChecked(index, state != 0);
}

TrackBarWidget* CSliderCtrl::bar() const { return dynamic_cast<TrackBarWidget*>(widget_); }

void CSliderCtrl::SetRange(int minimum, int maximum, BOOL) {
    if (TrackBarWidget* b = bar()) b->setRange(minimum, maximum);
}

int CSliderCtrl::GetRangeMin() const { return bar() ? bar()->minimum() : 0; }
int CSliderCtrl::GetRangeMax() const { return bar() ? bar()->maximum() : 0; }

void CSliderCtrl::SetPos(int position) {
    if (TrackBarWidget* b = bar()) b->setPosition(position);
}

int CSliderCtrl::GetPos() const { return bar() ? bar()->position() : 0; }

TabsWidget* CTabCtrl::tabs() const { return dynamic_cast<TabsWidget*>(widget_); }

int CTabCtrl::InsertItem(int index, const char* text) {
    TabsWidget* t = tabs();
    return t ? t->insertItem(index, text ? text : "") : -1;
}

BOOL CTabCtrl::SetItemData(int index, LPARAM data) {
    TabsWidget* t = tabs();
    if (!t || index < 0 || index >= t->count()) return FALSE;
    t->setItemData(index, data);
    return TRUE;
}

LPARAM CTabCtrl::GetItemData(int index) const { return tabs() ? tabs()->itemData(index) : 0; }

int CTabCtrl::GetCurSel() const { return tabs() ? tabs()->current() : -1; }

int CTabCtrl::SetCurSel(int index) {
    TabsWidget* t = tabs();
    if (!t || index < 0 || index >= t->count()) return -1;
    int before = t->current();
    t->setCurrent(index);
    return before;
}

BOOL CTabCtrl::GetItemRect(int index, RECT* rect) const { return tabs() && tabs()->itemRect(index, rect); }

int CTabCtrl::GetItemCount() const { return tabs() ? tabs()->count() : 0; }

}  // namespace dlg
