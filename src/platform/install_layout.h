// Where an installed program finds the local-machine registry hive that its
// installation wrote. The installation records the data directory in
// <sysconfdir>/flurrydale/registry.ini, where <sysconfdir> is /etc for the
// prefixes /usr and /, and <prefix>/etc for every other prefix; the program
// itself lies in <prefix>/bin (the xscreensaver hack is a symbolic link to
// it), so the hive can be found from the program's own location.
#pragma once

#include <string>

namespace platform {

// The hive an installation with the program at programPath wrote; empty when
// programPath does not lie in a folder named "bin".
std::string machineHiveForProgram(const std::string& programPath);

// The local-machine hive to read when FLURRYDALE_HKLM names none: the one
// beside this running program when that file exists, else
// "/etc/flurrydale/registry.ini".
std::string defaultMachineHive();

// The address of an installed help page ("index.html", "making-scenes.html")
// for the data directory <prefix>/share/flurrydale/data/: a file:// address
// of <prefix>/share/doc/flurrydale/<page>, or empty when that file is not
// there (a data directory in a build folder), so the caller can fall back to
// the web site.
std::string installedHelpPage(const std::string& dataDir, const std::string& page);

}  // namespace platform
