#include "cli/cli_group.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/publisher_json.h"
#include "entry/entry_logic.h"
#include "res/string_table.h"

#include <QJsonDocument>

#include <cstdio>

namespace rekol::cli {
namespace {

// The main window's side of an entry; without a window there are no status
// lines to refresh.
class CliEntryOwner : public EntryOwner {
public:
    void SetLastRegistered(const QString& name) override { lastRegistered = name; }
    void UpdateStatus() override {}

    QString lastRegistered;
};

int Refuse(const QString& why)
{
    PrintError(why);
    return ExitRefused;
}

QString NotShown(const QString& option, const QString& box)
{
    return QStringLiteral("%1: the box \"%2\" is not shown for this publisher and month").arg(option, box);
}

// Sets a check box to `state` by clicking it when it differs, as a person
// would; false when the box is not shown.
bool SetCheckBox(EntryLogic& entry, int id, bool state)
{
    if (!entry.Control(id).visible)
        return false;
    if (entry.Control(id).checked != state) {
        entry.SetFocus(id);
        if (id == IdcAuxPioneer)
            entry.ClickAuxPioneer();
        else
            entry.ClickParticipated();
    }
    return true;
}

// Goes into a number box as Tab does (its text selected), types `text`
// through the box's filter and leaves it as Tab does; false when the box is
// not shown.
bool TypeInto(EntryLogic& entry, int id, const QString& text)
{
    if (!entry.Control(id).visible)
        return false;
    entry.SetFocus(id);
    for (QChar c : text)
        entry.TypeChar(id, c);
    entry.Tab(true);
    return true;
}

} // namespace

int RunEnter(const QStringList& words)
{
    const QString publisherOption = QStringLiteral("--publisher");
    const QString monthOption = QStringLiteral("--month");
    const QString participatedOption = QStringLiteral("--participated");
    const QString auxOption = QStringLiteral("--aux");
    const QString hoursOption = QStringLiteral("--hours");
    const QString studiesOption = QStringLiteral("--studies");
    const QString noteOption = QStringLiteral("--note");

    QString error;
    const auto args = ParseArgs(words,
                                {publisherOption, monthOption, participatedOption, auxOption, hoursOption,
                                 studiesOption, noteOption},
                                {}, error);
    if (!args) {
        PrintError(error);
        return ExitUsage;
    }
    bool ok = true;
    const std::optional<int> publisher = args->Int(publisherOption, 1, layout::MaxPublishers, ok);
    const std::optional<int> month = args->Int(monthOption, 0, 11, ok);
    const std::optional<int> participated = args->Int(participatedOption, 0, 1, ok);
    const std::optional<int> aux = args->Int(auxOption, 0, 1, ok);
    if (!ok || !publisher) {
        PrintError(QStringLiteral("enter needs --publisher I, and --month 0..11, --participated 0|1, --aux 0|1 "
                                  "when given"));
        return ExitUsage;
    }
    if (!IsGroupListFile(*args))
        return ExitUsage;

    StderrSink sink;
    GroupData group(sink);
    if (const int code = LoadForCommand(*args, group); code != ExitOk)
        return code;
    const int i = *publisher;
    if (!IsRecordInRange(group, i))
        return ExitUsage;

    CliEntryOwner owner;
    EntryLogic entry(group, owner, i);
    entry.Open();
    if (month && *month != entry.entryMonth) {
        entry.OpenMonthList();
        entry.SelectMonth(*month);
        entry.CloseMonthList();
    }
    if (aux && !SetCheckBox(entry, IdcAuxPioneer, *aux == 1))
        return Refuse(NotShown(auxOption, entry.Control(IdcAuxPioneer).text));
    if (participated)
        SetCheckBox(entry, IdcParticipated, *participated == 1);
    if (args->values.contains(hoursOption) && !TypeInto(entry, IdcHours, args->values.value(hoursOption)))
        return Refuse(NotShown(hoursOption, entry.Control(IdcLabelHours).text));
    if (args->values.contains(studiesOption) && !TypeInto(entry, IdcStudies, args->values.value(studiesOption)))
        return Refuse(NotShown(studiesOption, entry.Control(IdcLabelStudies).text));
    if (args->values.contains(noteOption)) {
        entry.OpenNoteEditor();
        entry.SetEditText(IdcNoteEdit, args->values.value(noteOption));
        entry.PressEnter();
        // The editor stays open when the note was refused (message shown).
        if (entry.Control(IdcNoteEdit).visible)
            return ExitRefused;
    }
    // The OK button, clicked.
    entry.SetFocus(IdcOk);
    entry.OnEnter();
    if (!entry.stored)
        return ExitRefused;

    if (!group.SaveGroupFile(args->file))
        return ExitRefused;
    const QByteArray json = QJsonDocument(PublisherJson(group, i, entry.entryMonth)).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    return ExitOk;
}

} // namespace rekol::cli
