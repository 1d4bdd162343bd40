#pragma once

#include "cli/cli_args.h"

namespace rekol::cli {

// The settings file of a command: --settings PATH, else the user's.
QString SettingsPathFor(const CliArgs& args);

} // namespace rekol::cli
