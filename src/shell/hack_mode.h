// The saver as an xscreensaver "hack": it draws like the preview run, into
// a window it is given (or one of its own), with no message box and no
// input of its own, until SIGTERM or until the window goes away.
#pragma once

#include "shell/hack_options.h"
#include "shell/screensaver_app.h"

// Runs the hack through the application's preview operations and returns
// the process's exit status: 0 for a run that ended normally (SIGTERM, the
// window vanishing or our own window closed), 1 when there was nothing to
// draw into. The run's settings are in g_options for its length only.
int RunHack(CScreensaverApp& app, const HackOptions& options);
