// The questions a full-screen run may ask when the user ends it by input: a
// vote request on the 33rd run and, on the 3rd and the 21st of a month, an
// offer to check for a newer version. A Yes opens the page in the browser.
#pragma once

#include "platform/win_types.h"

// Both prompts, the vote first; each decides for itself whether to show.
void ShowEndOfRunPrompts(HWND saverWindow);

// Asks for a vote when g_options.RunCount is exactly 33.
void PromptVote(HWND saverWindow);

// Offers the version check on a prompt day of today's local date, at most
// once that day; records the day in options.xml before asking.
void PromptVersionCheck(HWND saverWindow);

// The same for a given local date (day 1..31, month 1..12).
void PromptVersionCheckOnDate(HWND saverWindow, int day, int month);

// The day and month on which the saver would offer the version check, given
// the day and month it last did.
bool versionCheckDue(int day, int month, int lastDay, int lastMonth);
