// The data directory: the installation directory recorded in the registry
// (value "Dir" of Software\Quillbrook\Flurrydale, local machine first, then
// the current user), followed by "/data/". Every data file is joined to it.
#pragma once

#include <string>

// Empty until a lookup succeeds; always ends with "/" afterwards.
extern std::string DataDir;

// Looks the directory up again, showing the registry error boxes when the
// keys are missing; a failed lookup leaves DataDir as it was.
void LookUpDataDir();
