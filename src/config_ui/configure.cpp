#include "config_ui/configure.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include "catalogue/current_scenario.h"
#include "catalogue/scenario.h"
#include "platform/message_box.h"
#include "platform/shell_execute.h"
#include "platform/window.h"
#include "render/frame.h"
#include "resources/resource_ids.h"
#include "settings/options.h"
#include "shell/web_links.h"

using namespace res;
using namespace dlg;

namespace {

const char* const kTabTexts[] = {"Snowflakes settings", "General settings", "About"};

const char* const kNoSceneText =
    "At least one sky and scenario must be selected.                         \n\n"
    " Press RETRY to select scenes manually                         \n"
    " or CANCEL to restore default settings.";

}  // namespace

void runConfigurationDialog() {
    Fl::scheme("gtk+");
    Fl::background(240, 240, 240);
    platform::installTerminationHandler();
    CConfigure dialog;
    dialog.DoModal();
}

CConfigure::CConfigure() : CDialog(IDD_CONFIGURE) {
    OnNotify(IDC_TABS, TCN_SELCHANGING, [this] { return OnTabChanging(); });
    OnNotify(IDC_TABS, TCN_SELCHANGE, [this] { return OnTabChanged(); });
    OnCommand(IDC_PREVIEW, BN_CLICKED, [this] { OnPreview(); });
    OnCommand(IDC_HELP, BN_CLICKED, [this] { OnHelp(); });
}

CConfigure::~CConfigure() {
    // The view goes first: its destruction deletes the current scene.
    view_.Destroy();
    pump_.reset();
    page5_.reset();
    page3_.reset();
    page1_.reset();
}

void CConfigure::DoDataExchange() { DDX_Control(IDC_TABS, m_tabs); }

BOOL CConfigure::OnInitDialog() {
    CDialog::OnInitDialog();
    g_options.load("options.xml");
    if (Fl_Window* w = window()) w->copy_label("Flurrydale Screen Saver");
    // Our own windows (the view) are driven from the toolkit's loop.
    pump_.reset(new MessagePump([this](const MSG& msg) { return view_.PreTranslateMessage(msg); }));
    // Before the pages: the scenes page fills its list from the scene list
    // that the view's rendering start-up builds.
    view_.Create(GetSafeHwnd());
    KeepAbove(view_.hwnd());

    for (int i = 0; i < 3; ++i) m_tabs.InsertItem(i, kTabTexts[i]);

    RECT client{}, item{};
    m_tabs.GetClientRect(&client);
    m_tabs.GetItemRect(0, &item);
    const int left = item.left, top = item.top + item.bottom;
    const int width = client.right - client.left - 6, height = client.bottom - client.top - top - 2;

    page1_.reset(new CPage1);
    page3_.reset(new CPage3);
    page5_.reset(new CPage5);
    CDialog* pages[] = {page1_.get(), page3_.get(), page5_.get()};
    for (int i = 0; i < 3; ++i) {
        pages[i]->Create(m_tabs);
        m_tabs.SetItemData(i, reinterpret_cast<LPARAM>(pages[i]));
        pages[i]->MoveWindow(left, top, width, height);
        pages[i]->ShowWindow(i == 0 ? SW_SHOW : SW_HIDE);
    }

    placeViewAtPreviewArea(true, true);
    ::ShowWindow(view_.hwnd(), SW_SHOW);

    const int first = currentScenario ? currentScenario->chooseIndex() : 0;
    page1_->list().SetCurSel(first);
    page1_->OnSceneSelected();
    return TRUE;
}

void CConfigure::placeViewAtPreviewArea(bool storeHome, bool resize) {
    RECT r{};
    if (!page1_ || !page1_->GetControlScreenRect(IDC_PREVIEW_AREA, &r)) return;
    if (storeHome) view_.homeRect = r;
    // While the view covers the screen only its way home is updated.
    if (view_.fullScreenActive) return;
    if (resize) resizeViewport(r.right - r.left, r.bottom - r.top);
    if (view_.hwnd())
        SetWindowPos(view_.hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER);
}

CDialog* CConfigure::pageOfTab(int index) const { return reinterpret_cast<CDialog*>(m_tabs.GetItemData(index)); }

LRESULT CConfigure::OnTabChanging() {
    if (CDialog* page = pageOfTab(m_tabs.GetCurSel())) page->ShowWindow(SW_HIDE);
    return 0;
}

LRESULT CConfigure::OnTabChanged() {
    const int tab = m_tabs.GetCurSel();
    if (CDialog* page = pageOfTab(tab)) page->ShowWindow(SW_SHOW);
    if (g_scenesPageReady && view_.hwnd()) {
        if (tab != 0) {
            ::ShowWindow(view_.hwnd(), SW_HIDE);
        } else {
            placeViewAtPreviewArea(false, true);
            ::ShowWindow(view_.hwnd(), SW_SHOW);
        }
    }
    return 0;
}

void CConfigure::OnMove(int, int) {
    if (g_scenesPageReady) placeViewAtPreviewArea(true, false);
}

void CConfigure::OnShowWindow(BOOL show) {
    if (show && g_scenesPageReady && view_.hwnd()) SetTimer(view_.hwnd(), 1, 10, nullptr);
}

void CConfigure::OnPreview() { view_.ShowFullScreen(m_tabs.GetCurSel() == 0 ? 1 : 0); }

void CConfigure::OnHelp() { ShellExecuteA(GetSafeHwnd(), nullptr, helpPageAddress().c_str(), nullptr, nullptr, 0); }

bool CConfigure::PreTranslateKey(int key) {
    // While the preview covers the screen no key reaches the dialog; Esc and
    // Enter end the preview even when the toolkit still has the focus.
    if (!view_.fullScreenActive) return false;
    if (key == FL_Escape || key == FL_Enter || key == FL_KP_Enter) view_.RestoreHome();
    return true;
}

void CConfigure::OnOK() {
    if (g_scenesPageReady) {
        Scenario* scenes = currentScenario;
        if (!scenes || scenes->countEnabled() == 0) {
            int answer = MessageBoxA(GetSafeHwnd(), kNoSceneText, "Configuration error",
                                     MB_RETRYCANCEL | MB_ICONQUESTION);
            // A termination request closed the box: nobody chose to restore
            // the defaults, so the dialog ends as Cancel does, saving nothing.
            if (platform::terminationRequested()) return;
            if (answer == IDRETRY) return;
            if (scenes && scenes->countEnabled() == 0) page1_->AllOn();
        }
        if (scenes) scenes->save("defaultScenario.xml");
        g_options.save("options.xml");
    }
    EndDialog(IDOK);
}
