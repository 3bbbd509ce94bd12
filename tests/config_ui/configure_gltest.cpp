// The dialog frame: what it opens with, tabs, OK and Cancel, the preview view
// following the dialog and the full-screen preview.
#include "dialog_fixture.h"

#include <cstdlib>

#include "scene/scene_change.h"
#include "shell/web_links.h"

namespace {

using namespace res;

class Configure : public DialogTest {
protected:
    dlg::TabsWidget* tabWidget() { return widget<dlg::TabsWidget>(dialog.get(), IDC_TABS); }
    void selectTab(int i) {
        tabWidget()->userSelect(i);
        settle(30);
    }
    std::string scenario() { return readFileOrEmpty(listPath()); }
    std::string options() { return readFileOrEmpty(tmp.file("options.xml")); }
};

TEST_F(Configure, OpensWithTabsAndTheLivePreviewOverItsArea) {
    open();
    Fl_Window* w = dialog->window();
    EXPECT_EQ(w->w(), 586);
    EXPECT_EQ(w->h(), 494);
    EXPECT_STREQ(w->label(), "Flurrydale Screen Saver");
    dlg::TabsWidget* t = tabWidget();
    ASSERT_EQ(t->count(), 3);
    EXPECT_EQ(t->itemText(0), "Snowflakes settings");
    EXPECT_EQ(t->itemText(1), "General settings");
    EXPECT_EQ(t->itemText(2), "About");
    EXPECT_EQ(t->current(), 0);
    EXPECT_TRUE(scenes()->IsWindowVisible());
    EXPECT_FALSE(dialog->settingsPage()->IsWindowVisible());
    EXPECT_FALSE(dialog->aboutPage()->IsWindowVisible());
    EXPECT_EQ(g_scenesPageReady, 1);
    // The options file was missing: its box, then the dialog opened anyway.
    EXPECT_GE(boxes.count(), 1u);

    EXPECT_TRUE(viewShown());
    EXPECT_EQ(viewRect(), previewArea());
    EXPECT_EQ(previewArea().right - previewArea().left, 315);
    // The timer draws frames, also while the view is hidden behind a tab.
    int frames = frameCounter;
    settle(150);
    EXPECT_GT(frameCounter, frames);
    selectTab(2);
    frames = frameCounter;
    settle(150);
    EXPECT_GT(frameCounter, frames);
}

TEST_F(Configure, TabsHideAndShowPagesAndThePreview) {
    open();
    selectTab(1);
    EXPECT_FALSE(scenes()->IsWindowVisible());
    EXPECT_TRUE(dialog->settingsPage()->IsWindowVisible());
    EXPECT_FALSE(viewShown());
    selectTab(2);
    EXPECT_TRUE(dialog->aboutPage()->IsWindowVisible());
    EXPECT_FALSE(dialog->settingsPage()->IsWindowVisible());
    EXPECT_FALSE(viewShown());
    selectTab(0);
    EXPECT_TRUE(scenes()->IsWindowVisible());
    EXPECT_FALSE(dialog->aboutPage()->IsWindowVisible());
    EXPECT_TRUE(viewShown());
    EXPECT_EQ(viewRect(), previewArea());
}

TEST_F(Configure, ThePreviewFollowsTheDialogAlsoWhileHidden) {
    open();
    Fl_Window* w = dialog->window();
    w->position(w->x() + 40, w->y() + 30);
    settle(50);
    EXPECT_EQ(viewRect(), previewArea());
    EXPECT_EQ(dialog->view().homeRect, previewArea());
    selectTab(1);
    w->position(w->x() - 100, w->y() - 20);
    settle(50);
    EXPECT_FALSE(viewShown());
    EXPECT_EQ(dialog->view().homeRect, previewArea());
    selectTab(0);
    EXPECT_TRUE(viewShown());
    EXPECT_EQ(viewRect(), previewArea());
}

TEST_F(Configure, OkWritesBothFilesAndCancelNeither) {
    open();
    const std::string listAtOpen = scenario();
    ASSERT_FALSE(listAtOpen.empty()) << "opening rebuilds the scene list";
    list()->userToggle(0);  // one scene off
    click(dialog->settingsPage(), IDC_KEEP_ASPECT);
    click(dialog.get(), IDC_CANCEL);
    EXPECT_TRUE(dialog->modalEnded());
    EXPECT_EQ(dialog->FinishModal(), IDCANCEL);
    EXPECT_EQ(scenario(), listAtOpen);
    EXPECT_FALSE(fileExists(tmp.file("options.xml")));
    close();

    open();
    list()->userToggle(0);
    click(dialog.get(), IDC_OK);
    EXPECT_EQ(dialog->FinishModal(), IDOK);
    EXPECT_NE(scenario(), listAtOpen);
    EXPECT_TRUE(fileExists(tmp.file("options.xml")));
}

TEST_F(Configure, OkWithNoSceneAsksAndRetryKeepsTheDialogOpen) {
    open();
    const std::string listAtOpen = scenario();
    click(scenes(), IDC_ALL_OFF);
    boxes.clear();
    boxes.answerNext(IDRETRY);
    click(dialog.get(), IDC_OK);
    ASSERT_EQ(boxes.count(), 1u);
    const platform::MessageBoxCall& box = boxes.calls()[0];
    EXPECT_EQ(box.caption, "Configuration error");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_RETRYCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(box.owner, dialog->GetSafeHwnd());
    EXPECT_EQ(box.text, "At least one sky and scenario must be selected." + std::string(25, ' ') +
                            "\n\n Press RETRY to select scenes manually" + std::string(25, ' ') +
                            "\n or CANCEL to restore default settings.");
    EXPECT_FALSE(dialog->modalEnded());
    EXPECT_EQ(scenario(), listAtOpen);
    EXPECT_FALSE(fileExists(tmp.file("options.xml")));

    // Cancel in the box turns every scene on, writes both files and closes.
    boxes.answerNext(IDCANCEL);
    click(dialog.get(), IDC_OK);
    EXPECT_EQ(dialog->FinishModal(), IDOK);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(list()->checked(i));
    EXPECT_TRUE(fileExists(tmp.file("options.xml")));
    Scenario saved;
    saved.load("defaultScenario.xml");
    ASSERT_EQ(saved.count(), 3);
    EXPECT_EQ(saved.countEnabled(), 3);
}

TEST_F(Configure, FullScreenPreviewReturnsShownOrHidden) {
    open();
    CRenderView& view = dialog->view();
    struct Case {
        int tab;
        bool shownAfter;
    };
    for (Case c : {Case{0, true}, Case{2, false}}) {
        selectTab(c.tab);
        click(dialog.get(), IDC_PREVIEW);
        settle(100);
        EXPECT_EQ(view.fullScreenActive, 1);
        EXPECT_EQ(viewRect(), (RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
        EXPECT_TRUE(viewShown());
        // Moving the mouse over it does not end it; a click does. The events
        // go to the view itself: other tests may open windows on this server.
        const std::string id = std::to_string(idFromHwnd(view.hwnd()));
        ASSERT_EQ(std::system(("xdotool mousemove --window " + id + " 300 300 sleep 0.1 mousemove --window " +
                               id + " 900 700").c_str()),
                  0);
        settle(100);
        EXPECT_EQ(view.fullScreenActive, 1);
        ASSERT_EQ(std::system(("xdotool click --window " + id + " 1").c_str()), 0);
        settle(150);
        EXPECT_EQ(view.fullScreenActive, 0) << "tab " << c.tab;
        EXPECT_EQ(viewShown(), c.shownAfter) << "tab " << c.tab;
        EXPECT_EQ(viewRect(), view.homeRect);
        EXPECT_FALSE(dialog->modalEnded());
    }
}

TEST_F(Configure, EscAndEnterEndTheFullScreenPreviewWithoutReachingTheDialog) {
    open();
    CRenderView& view = dialog->view();
    // Aimed at the view through our queue, and arriving at the dialog's own
    // window because the toolkit kept the focus.
    click(dialog.get(), IDC_PREVIEW);
    PostMessageA(view.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    settle(50);
    EXPECT_EQ(view.fullScreenActive, 0);
    for (int key : {FL_Escape, FL_Enter}) {
        click(dialog.get(), IDC_PREVIEW);
        Fl::e_keysym = key;
        EXPECT_EQ(Fl::handle(FL_KEYBOARD, dialog->window()), 1);
        EXPECT_EQ(view.fullScreenActive, 0);
    }
    // Other keys do not reach the dialog either: space on the focused OK
    // button would close it.
    dialog->GetDlgItem(IDC_OK)->take_focus();
    click(dialog.get(), IDC_PREVIEW);
    Fl::e_keysym = ' ';
    Fl::handle(FL_KEYBOARD, dialog->window());
    EXPECT_EQ(view.fullScreenActive, 1);
    EXPECT_FALSE(dialog->modalEnded());
    view.RestoreHome();
    // At home the keys are the dialog's again: Enter presses OK.
    Fl::e_keysym = FL_Enter;
    Fl::handle(FL_KEYBOARD, dialog->window());
    EXPECT_TRUE(dialog->modalEnded());
}

TEST_F(Configure, HelpOpensTheHelpPage) {
    open();
    click(dialog.get(), IDC_HELP);
    EXPECT_EQ(opened(1), std::string(HelpUrl) + "\n");
}

}  // namespace
