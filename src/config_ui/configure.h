// The configuration dialog: constructed with no owner window and run
// modally; its result is not used.
#pragma once

void runConfigurationDialog();
