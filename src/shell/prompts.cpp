#include "shell/prompts.h"

#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/shell_execute.h"
#include "platform/window.h"
#include "settings/options.h"
#include "shell/web_links.h"

namespace {

const int kVoteRun = 33;

void openLink(const char* url) {
    ShellExecuteA(nullptr, "open", url, nullptr, nullptr, SW_SHOWNORMAL);
}

// The question is answered over the desktop: the saver window must not stay
// above the box. The full-screen window is kept above everything else by the
// X server, so it is hidden as well; the run ends right after the prompts.
void letBoxesAbove(HWND saverWindow) {
    SetWindowPos(saverWindow, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    if (IsWindow(saverWindow)) ShowWindow(saverWindow, SW_HIDE);
}

}  // namespace

void ShowEndOfRunPrompts(HWND saverWindow) {
    PromptVote(saverWindow);
    PromptVersionCheck(saverWindow);
}

void PromptVote(HWND saverWindow) {
    if (g_options.RunCount != kVoteRun) return;
    letBoxesAbove(saverWindow);
    int answer = MessageBoxA(nullptr,
                             "Seems that you like Flurrydale! \nWould you be so kind to vote for "
                             "it? This will help others to find it! ",
                             "Thank you for using Flurrydale", MB_YESNO);
    if (answer == IDYES) openLink(VoteUrl);
}

bool versionCheckDue(int day, int month, int lastDay, int lastMonth) {
    if (day != 3 && day != 21) return false;
    return !(day == lastDay && month == lastMonth);
}

void PromptVersionCheck(HWND saverWindow) {
    int day = 0, month = 0;
    if (!platform::localDate(&day, &month)) return;
    PromptVersionCheckOnDate(saverWindow, day, month);
}

void PromptVersionCheckOnDate(HWND saverWindow, int day, int month) {
    if (!versionCheckDue(day, month, g_options.Day, g_options.Month)) return;
    // Recorded before asking: the day counts as done whatever the answer.
    g_options.Day = day;
    g_options.Month = month;
    g_options.save("options.xml");
    letBoxesAbove(saverWindow);
    int answer = MessageBoxA(nullptr, "Would you like to check if your version of Flurrydale is latest?",
                             "Notification", MB_YESNO);
    if (answer == IDYES) openLink(VersionCheckUrl);
}
