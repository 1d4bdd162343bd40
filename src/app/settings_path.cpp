#include "app/settings_path.h"

#include <QStandardPaths>

namespace rekol {

QString DefaultSettingsPath()
{
    const QString chosen = qEnvironmentVariable("REKOL_SETTINGS");
    if (!chosen.isEmpty())
        return chosen;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/rekol/rekol.ini");
}

} // namespace rekol
