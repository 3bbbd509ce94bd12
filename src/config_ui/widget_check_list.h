// The check-list box: a single-selection list in which every entry carries a
// check box. Clicking an entry's text selects it (LBN_SELCHANGE); clicking
// its box selects it and flips its check mark (CLBN_CHKCHANGE), as does the
// space bar for the selected entry. The arrow, page and home/end keys move
// the selection. Changes made by the program send nothing.
#pragma once

#include <FL/Fl_Browser_.H>

#include <memory>
#include <string>
#include <vector>

#include "config_ui/notify.h"

namespace dlg {

class CheckListWidget : public Fl_Browser_ {
public:
    CheckListWidget(int x, int y, int w, int h, NotifyTarget target);
    ~CheckListWidget() override;

    void clearItems();
    int addItem(const std::string& text);  // index of the new entry
    int count() const { return static_cast<int>(items_.size()); }
    const std::string& itemText(int index) const;
    bool checked(int index) const;
    void setChecked(int index, bool on);
    int selected() const { return selected_; }  // -1 when nothing is selected
    bool setSelected(int index);               // false (and unchanged) when out of range

    // What the user's clicks and keys do, with their notifications.
    void userSelect(int index);
    void userToggle(int index);

    int handle(int event) override;

protected:
    void* item_first() const override;
    void* item_next(void* item) const override;
    void* item_prev(void* item) const override;
    int item_height(void* item) const override;
    int item_width(void* item) const override;
    void item_draw(void* item, int x, int y, int w, int h) const override;
    void item_select(void* item, int on) override;
    int item_selected(void* item) const override;

private:
    struct Item {
        int index;
        std::string text;
        bool checked;
    };
    int boxSize() const;
    int indexOf(void* item) const { return item ? static_cast<Item*>(item)->index : -1; }
    bool moveSelection(int key);

    std::vector<std::unique_ptr<Item>> items_;
    int selected_ = -1;
    NotifyTarget target_;
};

}  // namespace dlg
