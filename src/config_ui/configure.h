// The configuration dialog: the banner, three pages in tabs (scenes, general
// settings, About), the live preview over the scenes page, and OK, Cancel,
// Preview and Help. It loads the settings when it opens; only OK writes the
// scene list and the settings, after checking that a scene is enabled.
#pragma once

#include <memory>

#include "config_ui/controls.h"
#include "config_ui/dialog.h"
#include "config_ui/message_pump.h"
#include "config_ui/page_about.h"
#include "config_ui/page_scenes.h"
#include "config_ui/page_settings.h"
#include "config_ui/render_view.h"

// Constructs the dialog with no owner window, runs it modally and destroys
// it; the configuration run ends there.
void runConfigurationDialog();

class CConfigure : public dlg::CDialog {
public:
    CConfigure();
    ~CConfigure() override;

    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    void OnOK() override;
    void OnMove(int x, int y) override;
    void OnShowWindow(BOOL show) override;
    bool PreTranslateKey(int key) override;

    CPage1* scenesPage() const { return page1_.get(); }
    CPage3* settingsPage() const { return page3_.get(); }
    CPage5* aboutPage() const { return page5_.get(); }
    CRenderView& view() { return view_; }
    dlg::CTabCtrl& tabs() { return m_tabs; }

private:
    LRESULT OnTabChanging();
    LRESULT OnTabChanged();
    void OnPreview();
    void OnHelp();
    dlg::CDialog* pageOfTab(int index) const;
    // Lays the view over the scenes page's preview area and sizes the
    // viewport to it.
    void placeViewAtPreviewArea(bool storeHome, bool resize);

    dlg::CTabCtrl m_tabs;
    std::unique_ptr<CPage1> page1_;
    std::unique_ptr<CPage3> page3_;
    std::unique_ptr<CPage5> page5_;
    CRenderView view_;
    std::unique_ptr<dlg::MessagePump> pump_;
};
