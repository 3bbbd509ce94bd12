#include "config_ui/page_settings.h"

#include "resources/resource_ids.h"
#include "settings/options.h"

using namespace res;
using namespace dlg;

CPage3::CPage3() : CDialog(IDD_SETTINGS_PAGE) {
    OnCommand(IDC_KEEP_ASPECT, BN_CLICKED, [this] { g_options.KeepAspect_1_6 = m_keepAspect.GetCheck(); });
    OnCommand(IDC_POWER_MANAGEMENT, BN_CLICKED, [this] { g_options.SleepEnabled = m_powerManagement.GetCheck(); });
    OnCommand(IDC_IGNORE_MOUSE, BN_CLICKED, [this] { g_options.IgnoreMouseMove = m_ignoreMouse.GetCheck(); });
}

void CPage3::DoDataExchange() {
    DDX_Control(IDC_PLAY_SOUNDS, m_playSounds);
    DDX_Control(IDC_KEEP_ASPECT, m_keepAspect);
    DDX_Control(IDC_POWER_MANAGEMENT, m_powerManagement);
    DDX_Control(IDC_IGNORE_MOUSE, m_ignoreMouse);
}

BOOL CPage3::OnInitDialog() {
    CDialog::OnInitDialog();
    m_playSounds.SetCheck(BST_UNCHECKED);
    m_playSounds.EnableWindow(FALSE);
    m_keepAspect.SetCheck(g_options.KeepAspect_1_6 ? BST_CHECKED : BST_UNCHECKED);
    m_powerManagement.SetCheck(g_options.SleepEnabled ? BST_CHECKED : BST_UNCHECKED);
    m_ignoreMouse.SetCheck(g_options.IgnoreMouseMove ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}
