#include "cli/cli_settings.h"

#include "app/settings_path.h"

namespace rekol::cli {

QString SettingsPathFor(const CliArgs& args)
{
    return args.values.value(QStringLiteral("--settings"), DefaultSettingsPath());
}

} // namespace rekol::cli
