// The scenes page ("Snowflakes settings"): the scene list with a check mark
// per scene, the selected scene's texts, the wind, and whether and how often
// the picture changes during a run. Selecting a scene shows it in the
// preview at once.
#pragma once

#include "config_ui/controls.h"
#include "config_ui/dialog.h"

// 1 from the end of the scenes page's initialisation on; until then nothing
// touches the preview or the scene list.
extern int g_scenesPageReady;
// The scene last selected in the list; -1 before the first selection.
extern int g_selectedScene;

class CPage1 : public dlg::CDialog {
public:
    CPage1();

    BOOL OnInitDialog() override;
    void DoDataExchange() override;

    void FillSceneList();
    void SyncEnabledFromChecks();
    void OnSceneSelected();
    void AllOn();
    void AllOff();

    dlg::CCheckListBox& list() { return m_list; }

private:
    void OnWindChanged();
    void OnChangePicture();
    void OnFrequencyChanged();
    void OnAuthorClicked();
    void OnGetMore();

    dlg::CCheckListBox m_list;
    dlg::CButton m_previewArea;
    dlg::CSliderCtrl m_wind;
    dlg::CSliderCtrl m_frequency;
    dlg::CButton m_changePicture;
    dlg::CStatic m_title;
    dlg::CStatic m_description;
    dlg::CStatic m_author;
};
