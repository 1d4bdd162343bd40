#pragma once

#include <QString>

namespace rekol {

// The results file beside a group list file: its ".k09" or ".K09" ending
// becomes ".k19". Only the ending is replaced, never a ".k09" inside a folder
// name. Empty when the path does not end in ".k09" in any case.
QString ResultsPath(const QString& groupPath);

// True when the path's last four characters are ".k09", ignoring case.
bool HasGroupExtension(const QString& path);

} // namespace rekol
