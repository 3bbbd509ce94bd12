#include "config_ui/page_about.h"

#include "platform/shell_execute.h"
#include "resources/resource_ids.h"
#include "shell/web_links.h"

using namespace res;
using namespace dlg;

CPage5::CPage5() : CDialog(IDD_ABOUT_PAGE) {
    OnCommand(IDC_CHECK_VERSION, BN_CLICKED, [this] { Open(VersionCheckUrl); });
    OnCommand(IDC_BRIGHTWATER, BN_CLICKED, [this] { Open(BrightwaterPageUrl); });
    OnCommand(IDC_SKYLOFT, BN_CLICKED, [this] { Open(SkyloftPageUrl); });
}

BOOL CPage5::OnInitDialog() {
    CDialog::OnInitDialog();
    CWnd reference, picture;
    reference.Attach(GetDlgItem(IDC_SIZE_REFERENCE));
    picture.Attach(GetDlgItem(IDC_SIDE_PICTURE));
    RECT r{};
    reference.GetClientRect(&r);
    reference.ShowWindow(SW_HIDE);
    // The side picture is clipped to the reference's size.
    picture.SetWindowPos(0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
    return TRUE;
}

void CPage5::Open(const char* address) { ShellExecuteA(GetSafeHwnd(), nullptr, address, nullptr, nullptr, 0); }
