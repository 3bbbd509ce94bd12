// The dialog framework's controls, driven through their widgets and through
// toolkit events delivered to them.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <utility>
#include <vector>

#include "config_ui/widget_check_list.h"
#include "config_ui/widget_tabs.h"
#include "config_ui/widget_track_bar.h"
#include "config_ui/widgets_basic.h"

namespace {

using namespace dlg;

struct Recorder : NotifySink {
    std::vector<std::pair<int, int>> got;
    LRESULT answer = 0;
    LRESULT notify(int id, int code) override {
        got.emplace_back(id, code);
        return answer;
    }
};

// Delivers a toolkit event at a window position straight to a widget.
int sendEvent(Fl_Widget& w, int event, int x, int y, int key = 0) {
    Fl::e_x = x;
    Fl::e_y = y;
    Fl::e_keysym = key ? key : FL_Button + FL_LEFT_MOUSE;
    Fl::e_state = key ? 0 : FL_BUTTON1;
    return w.handle(event);
}

class Widgets : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_GT(Fl::w(), 0) << "needs a display";
        window = new Fl_Window(400, 300);
    }
    void TearDown() override { delete window; }
    Fl_Window* window;
    Recorder rec;
};

TEST_F(Widgets, CheckListSelectsAndTogglesWithNotifications) {
    auto* list = new CheckListWidget(10, 10, 200, 100, NotifyTarget{&rec, 1009});
    window->end();
    EXPECT_EQ(list->addItem("alpine"), 0);
    EXPECT_EQ(list->addItem("birches"), 1);
    list->setChecked(1, true);
    EXPECT_EQ(list->selected(), -1);
    EXPECT_FALSE(list->setSelected(2));
    EXPECT_TRUE(rec.got.empty()) << "changes by the program send nothing";

    list->userSelect(1);
    list->userSelect(1);  // no change, no notification
    list->userToggle(1);
    EXPECT_EQ(list->selected(), 1);
    EXPECT_FALSE(list->checked(1));
    EXPECT_EQ(rec.got, (std::vector<std::pair<int, int>>{{1009, LBN_SELCHANGE}, {1009, CLBN_CHKCHANGE}}));

    rec.got.clear();
    const int rowH = list->textsize() + 5, firstRow = 10 + Fl::box_dy(list->box());
    // A click on the text of entry 0 selects it; a click on its box also checks it.
    sendEvent(*list, FL_PUSH, 150, firstRow + rowH / 2);
    EXPECT_EQ(list->selected(), 0);
    EXPECT_FALSE(list->checked(0));
    sendEvent(*list, FL_PUSH, 10 + Fl::box_dx(list->box()) + 4, firstRow + rowH / 2);
    EXPECT_TRUE(list->checked(0));
    // Keys: Down moves the selection, space flips the selected entry.
    sendEvent(*list, FL_KEYBOARD, 0, 0, FL_Down);
    sendEvent(*list, FL_KEYBOARD, 0, 0, ' ');
    EXPECT_EQ(list->selected(), 1);
    EXPECT_TRUE(list->checked(1));
    EXPECT_EQ(rec.got, (std::vector<std::pair<int, int>>{{1009, LBN_SELCHANGE},
                                                         {1009, CLBN_CHKCHANGE},
                                                         {1009, LBN_SELCHANGE},
                                                         {1009, CLBN_CHKCHANGE}}));
    list->clearItems();
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(list->selected(), -1);
}

TEST_F(Widgets, TrackBarReportsReleaseAndKeyChanges) {
    auto* bar = new TrackBarWidget(10, 10, 200, 20, true, NotifyTarget{&rec, 1057});
    window->end();
    EXPECT_EQ(bar->minimum(), 0);  // the default range
    EXPECT_EQ(bar->maximum(), 100);
    bar->setRange(1, 9);
    bar->setPosition(12);
    EXPECT_EQ(bar->position(), 9);
    bar->setPosition(-3);
    EXPECT_EQ(bar->position(), 1);
    EXPECT_TRUE(rec.got.empty());

    sendEvent(*bar, FL_KEYBOARD, 0, 0, FL_Right);
    EXPECT_EQ(bar->position(), 2);
    sendEvent(*bar, FL_KEYBOARD, 0, 0, FL_End);
    EXPECT_EQ(bar->position(), 9);
    sendEvent(*bar, FL_KEYBOARD, 0, 0, FL_Right);  // already at the end: no change, nothing sent
    // Dragging to the right end and letting go.
    sendEvent(*bar, FL_PUSH, 12, 15);
    sendEvent(*bar, FL_DRAG, 12, 15);
    sendEvent(*bar, FL_RELEASE, 12, 15);
    EXPECT_EQ(bar->position(), 1);
    EXPECT_EQ(rec.got, (std::vector<std::pair<int, int>>{
                           {1057, TRBN_KEYCHANGE}, {1057, TRBN_KEYCHANGE}, {1057, NM_RELEASEDCAPTURE}}));
}

TEST_F(Widgets, TabsAskBeforeChangingAndMayBeRefused) {
    auto* tabs = new TabsWidget(10, 10, 300, 200, true, NotifyTarget{&rec, 1001});
    window->end();
    EXPECT_EQ(tabs->current(), -1);
    tabs->insertItem(0, "First");
    tabs->insertItem(1, "Second");
    tabs->insertItem(2, "Third");
    tabs->setItemData(2, 77);
    EXPECT_EQ(tabs->current(), 0);
    EXPECT_EQ(tabs->itemData(2), 77);
    EXPECT_EQ(tabs->itemData(5), 0);
    RECT a, b;
    ASSERT_TRUE(tabs->itemRect(0, &a));
    ASSERT_TRUE(tabs->itemRect(1, &b));
    EXPECT_EQ(a.right, b.left);
    EXPECT_EQ(a.top, b.top);
    EXPECT_GT(a.bottom, a.top);
    EXPECT_FALSE(tabs->itemRect(3, &a));

    // A click on the second tab.
    sendEvent(*tabs, FL_PUSH, 10 + (b.left + b.right) / 2, 10 + (b.top + b.bottom) / 2);
    EXPECT_EQ(tabs->current(), 1);
    EXPECT_EQ(rec.got, (std::vector<std::pair<int, int>>{{1001, TCN_SELCHANGING}, {1001, TCN_SELCHANGE}}));
    rec.got.clear();
    rec.answer = 1;  // forbid the change
    tabs->userSelect(2);
    EXPECT_EQ(tabs->current(), 1);
    EXPECT_EQ(rec.got, (std::vector<std::pair<int, int>>{{1001, TCN_SELCHANGING}}));
    // Hot tracking follows the mouse over the tab row.
    sendEvent(*tabs, FL_MOVE, 10 + a.left + 2, 10 + a.top + 2);
    EXPECT_EQ(tabs->hotItem(), 0);
    sendEvent(*tabs, FL_LEAVE, 0, 0);
    EXPECT_EQ(tabs->hotItem(), -1);
}

TEST_F(Widgets, ClickableStaticAndDefaultButton) {
    auto* link = new StaticWidget(10, 10, 100, 14, "someone", false);
    link->makeClickable(NotifyTarget{&rec, 1027});
    auto* plain = new StaticWidget(10, 30, 100, 14, "plain", false);
    auto* ok = new PushButtonWidget(10, 60, 80, 24, "OK", true);
    int clicks = 0;
    ok->callback([](Fl_Widget*, void* n) { ++*static_cast<int*>(n); }, &clicks);
    window->end();
    window->show();  // Enter presses only a default button on the screen

    EXPECT_EQ(sendEvent(*plain, FL_PUSH, 20, 35), 0);  // plain text takes no clicks
    EXPECT_EQ(sendEvent(*link, FL_PUSH, 20, 15), 1);
    sendEvent(*link, FL_RELEASE, 20, 15);
    sendEvent(*link, FL_PUSH, 20, 15);
    sendEvent(*link, FL_RELEASE, 300, 200);  // let go elsewhere: no click
    EXPECT_EQ(rec.got, (std::vector<std::pair<int, int>>{{1027, STN_CLICKED}}));

    EXPECT_EQ(sendEvent(*ok, FL_SHORTCUT, 0, 0, FL_Enter), 1);
    EXPECT_EQ(clicks, 1);
    ok->deactivate();
    EXPECT_EQ(sendEvent(*ok, FL_SHORTCUT, 0, 0, FL_Enter), 0);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
