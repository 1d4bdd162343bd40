#pragma once

#include "data/group_data.h"

#include <QString>

#include <optional>
#include <vector>

namespace rekol {

// One line of the publisher list: the text shown and the record it stands for.
struct PublisherLine {
    QString text;
    int record = 0;
};

// What the controls that follow the selected publisher show.
struct SelectionView {
    QString okText;          // button IDOK
    QString phoneNumber;     // control 1002, empty when hidden
    bool phoneVisible = false;     // 1002 and "Marcar"
    bool nextPhoneVisible = false; // "> > >"
    QString reminderText;    // button 1006
    bool reminderVisible = false;  // 1006 and 1007
};

// Title, count lines and the controls that depend on the group as a whole.
struct StatusView {
    QString title;
    QString notReportedLine; // control 1000
    QString totalLine;       // control 1001
    QString lastRegistered;  // control 133
    bool sendVisible = false;   // buttons 4 and 5
    bool filterVisible = false; // check box 162
};

// The main window without its widgets: the one group of the run, the
// publisher list with its filter and selection, what the status lines and the
// selection-dependent controls show, start-up and leaving with the settings,
// and opening another group file.
class ReportsModel {
public:
    ReportsModel(MessageSink& messages, QString settingsPath);

    // Start-up: the group file named by `commandLine` (double quotes removed)
    // when it ends in ".k09" in any case, else the one remembered in the
    // settings; the last registered publisher; the working folder; the
    // language and report period; the first load. True when a group file was
    // named and read (or could not be opened, which leaves an empty group):
    // the window then shows the list and the status lines.
    bool Start(const QString& commandLine);
    // Leaving: saves the group back in place, releases it and remembers the
    // file and the last registered publisher in the settings.
    void Exit();

    // Rebuilds the lines in record order, only the publishers who have not
    // reported while the filter is on; keeps `selectedIndex` unless it lies
    // past the end, then it moves to the first line.
    const std::vector<PublisherLine>& FillList();
    const std::vector<PublisherLine>& Lines() const { return lines_; }
    // The record shown on line `row`, or 0.
    int RecordAt(int row) const;

    // After the selection moved to `row` (-1: none): refreshes the contact
    // cache and says what the selection-dependent controls show. Nothing when
    // they keep their state (a group of one publisher, an empty list, no
    // selection).
    std::optional<SelectionView> UpdateSelection(int row);
    StatusView Status() const;
    // The record whose report is entered from line `row`, if any.
    std::optional<int> RecordForEntry(int row);

    // The folder the open dialog starts in: that of the open group file while
    // it exists, else the start-up folder.
    QString OpenDialogDirectory() const;
    // Opens another group file. The open group is saved back first, under the
    // same condition as when leaving; when that save fails nothing is loaded
    // and false is returned.
    bool OpenGroup(const QString& path);

    QString HelpText() const;
    MessageSink& Messages() { return messages_; }
    const QString& SettingsPath() const { return settingsPath_; }

    int filterNotReported = 0;
    int selectedIndex = 0;
    QString startDirectory;
    QString lastRegistered;
    GroupData group;

private:
    // Saves the open group back to its file when it came from a group list
    // file and holds more than one publisher; true when nothing needed saving
    // or the save succeeded.
    bool SaveOpenGroup();
    QString Decode(const QByteArray& bytes) const;

    MessageSink& messages_;
    QString settingsPath_;
    std::vector<PublisherLine> lines_;
};

} // namespace rekol
