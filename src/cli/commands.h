#pragma once

#include <QStringList>

namespace rekol::cli {

// Each subcommand takes the words after its name and returns the exit code.
int RunShow(const QStringList& words);
int RunResults(const QStringList& words);
int RunEnter(const QStringList& words);
int RunForm(const QStringList& words);
int RunSend(const QStringList& words);
int RunRemind(const QStringList& words);

} // namespace rekol::cli
