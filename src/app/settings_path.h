#pragma once

#include <QString>

namespace rekol {

// The settings file of the desktop program and of rekol-cli: the file named
// by the environment variable REKOL_SETTINGS when it is set, otherwise
// "rekol/rekol.ini" in the user's configuration folder (a program's own
// folder is not writable here).
QString DefaultSettingsPath();

} // namespace rekol
