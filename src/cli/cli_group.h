#pragma once

#include "cli/cli_args.h"
#include "data/group_data.h"

#include <QTextStream>

namespace rekol::cli {

// Writes every message on stderr, one line each, and answers Yes or Ok.
class StderrSink : public MessageSink {
public:
    MessageAnswer ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon) override;
};

// Prints one line on stderr.
void PrintError(const QString& text);

// Reads --today (or the clock) into the group's clock and report period, then
// loads FILE as the program does at start-up. Returns 0, or the exit code
// after printing why.
int LoadForCommand(const CliArgs& args, GroupData& group);

// True when FILE ends in ".k09" in any case; otherwise says so on stderr.
bool IsGroupListFile(const CliArgs& args);

// True when record i exists in the group; otherwise says so on stderr.
bool IsRecordInRange(const GroupData& group, int i);

} // namespace rekol::cli
