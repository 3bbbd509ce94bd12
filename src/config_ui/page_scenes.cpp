#include "config_ui/page_scenes.h"

#include <string>

#include "catalogue/current_scenario.h"
#include "catalogue/scenario.h"
#include "platform/shell_execute.h"
#include "resources/resource_ids.h"
#include "scene/current_scene.h"
#include "scene/scene.h"
#include "settings/options.h"
#include "shell/web_links.h"

int g_scenesPageReady = 0;
int g_selectedScene = -1;

using namespace res;
using namespace dlg;

namespace {
const char* orEmpty(const char* s) { return s ? s : ""; }
}  // namespace

CPage1::CPage1() : CDialog(IDD_SCENES_PAGE) {
    OnCommand(IDC_SCENE_LIST, LBN_SELCHANGE, [this] { OnSceneSelected(); });
    // A check mark changed without a change of selection (a click on its box
    // or the space bar) reaches the enabled flags at once.
    OnCommand(IDC_SCENE_LIST, CLBN_CHKCHANGE, [this] { SyncEnabledFromChecks(); });
    OnCommand(IDC_ALL_ON, BN_CLICKED, [this] { AllOn(); });
    OnCommand(IDC_ALL_OFF, BN_CLICKED, [this] { AllOff(); });
    // Keyboard moves of the track bars take effect as a mouse release does.
    for (int code : {NM_RELEASEDCAPTURE, TRBN_KEYCHANGE}) {
        OnNotify(IDC_WIND, code, [this] { OnWindChanged(); return LRESULT(0); });
        OnNotify(IDC_FREQUENCY, code, [this] { OnFrequencyChanged(); return LRESULT(0); });
    }
    OnCommand(IDC_CHANGE_PICTURE, BN_CLICKED, [this] { OnChangePicture(); });
    OnCommand(IDC_AUTHOR, STN_CLICKED, [this] { OnAuthorClicked(); });
    OnCommand(IDC_GET_MORE, BN_CLICKED, [this] { OnGetMore(); });
}

void CPage1::DoDataExchange() {
    DDX_Control(IDC_SCENE_LIST, m_list);
    DDX_Control(IDC_PREVIEW_AREA, m_previewArea);
    DDX_Control(IDC_WIND, m_wind);
    DDX_Control(IDC_FREQUENCY, m_frequency);
    DDX_Control(IDC_CHANGE_PICTURE, m_changePicture);
    DDX_Control(IDC_TITLE, m_title);
    DDX_Control(IDC_DESCRIPTION, m_description);
    DDX_Control(IDC_AUTHOR, m_author);
}

BOOL CPage1::OnInitDialog() {
    CDialog::OnInitDialog();
    m_frequency.SetRange(1, 9, TRUE);
    m_frequency.SetPos(g_options.changeFrequency);
    m_changePicture.SetCheck(g_options.changeSkyDuring ? BST_CHECKED : BST_UNCHECKED);
    // The frequency only matters while pictures change.
    m_frequency.EnableWindow(m_changePicture.GetCheck() == BST_CHECKED);
    // The wind opens where the settings have it.
    m_wind.SetRange(0, 100, TRUE);
    m_wind.SetPos(g_options.xSpeed);
    // The author reads as a link: blue, with a hand cursor.
    m_author.SetTextColor(0, 0, 255);
    m_author.SetHandCursor(true);
    g_scenesPageReady = 1;
    FillSceneList();
    return TRUE;
}

void CPage1::FillSceneList() {
    if (!g_scenesPageReady) return;
    m_list.ResetContent();
    Scenario* s = currentScenario;
    if (!s) return;
    for (int i = 0; i < s->count(); ++i) m_list.AddString(orEmpty(s->path(i)));
    for (int i = 0; i < s->count(); ++i) m_list.SetCheck(i, s->isEnabled(i) != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void CPage1::SyncEnabledFromChecks() {
    if (!g_scenesPageReady || !currentScenario) return;
    for (int i = 0; i < currentScenario->count(); ++i) currentScenario->setEnabled(i, m_list.GetCheck(i));
}

void CPage1::OnSceneSelected() {
    if (!g_scenesPageReady || !currentScenario) return;
    const int s = m_list.GetCurSel();
    if (s < 0) return;
    g_selectedScene = s;
    m_title.SetWindowText(orEmpty(currentScenario->title(s)));
    m_description.SetWindowText(orEmpty(currentScenario->description(s)));
    m_author.SetWindowText(orEmpty(currentScenario->author(s)));
    replaceScene(currentScene, orEmpty(currentScenario->path(s)));
    SyncEnabledFromChecks();
}

void CPage1::AllOn() {
    if (!g_scenesPageReady || !currentScenario) return;
    for (int i = 0; i < m_list.GetCount(); ++i) {
        m_list.SetCheck(i, BST_CHECKED);
        currentScenario->setEnabled(i, 1);
    }
}

void CPage1::AllOff() {
    if (!g_scenesPageReady || !currentScenario) return;
    for (int i = 0; i < m_list.GetCount(); ++i) {
        m_list.SetCheck(i, BST_UNCHECKED);
        currentScenario->setEnabled(i, 0);
    }
}

void CPage1::OnWindChanged() {
    g_options.xSpeed = m_wind.GetPos();
    if (currentScene) currentScene->setWindFromSlider(g_options.xSpeed);
}

void CPage1::OnChangePicture() {
    const bool on = m_changePicture.GetCheck() == BST_CHECKED;
    m_frequency.EnableWindow(on);
    g_options.changeSkyDuring = on ? 1 : 0;
}

void CPage1::OnFrequencyChanged() { g_options.changeFrequency = m_frequency.GetPos(); }

void CPage1::OnAuthorClicked() {
    // Before any selection there is no author to go to.
    if (g_selectedScene < 0 || !currentScenario || !currentScenario->author(g_selectedScene)) return;
    std::string address = std::string(AuthorRedirectUrl) + currentScenario->author(g_selectedScene);
    ShellExecuteA(GetSafeHwnd(), nullptr, address.c_str(), nullptr, nullptr, 0);
}

void CPage1::OnGetMore() { ShellExecuteA(nullptr, "open", galleryPageAddress().c_str(), nullptr, nullptr, SW_SHOWNORMAL); }
