// The tab control: a row of tabs over a frame. Pages are child groups that
// the dialog places, shows and hides itself. A click on another tab (or
// Ctrl+Tab, Ctrl+Shift+Tab) sends TCN_SELCHANGING, and unless the answer
// forbids it makes that tab current and sends TCN_SELCHANGE. With hot
// tracking the tab under the mouse is highlighted.
#pragma once

#include <FL/Fl_Group.H>

#include <string>
#include <vector>

#include "config_ui/notify.h"

namespace dlg {

class TabsWidget : public Fl_Group {
public:
    TabsWidget(int x, int y, int w, int h, bool hotTrack, NotifyTarget target);

    int insertItem(int index, const std::string& text);  // index of the new tab, -1 when refused
    int count() const { return static_cast<int>(items_.size()); }
    void setItemData(int index, LPARAM data);
    LPARAM itemData(int index) const;  // 0 for an unknown tab
    const std::string& itemText(int index) const;
    int current() const { return current_; }  // -1 while there are no tabs
    void setCurrent(int index);                // no notifications
    // A tab's rectangle in the control's own coordinates (left, top, right,
    // bottom); false for an unknown tab.
    bool itemRect(int index, RECT* out) const;

    // What a click on tab index does, with its notifications.
    void userSelect(int index);
    int hotItem() const { return hot_; }

    int handle(int event) override;
    void draw() override;

private:
    struct Item {
        std::string text;
        LPARAM data;
    };
    int tabHeight() const;
    int itemWidth(int index) const;
    int itemAt(int localX, int localY) const;

    std::vector<Item> items_;
    int current_ = -1;
    int hot_ = -1;
    bool hotTrack_;
    NotifyTarget target_;
};

}  // namespace dlg
