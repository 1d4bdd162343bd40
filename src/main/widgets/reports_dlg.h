#pragma once

#include "main/reports_model.h"
#include "res/widgets/template_dialog.h"

class QListWidget;

namespace rekol {

// The main window (template IDD_REKOL_DIALOG): the publisher list of the
// open group with its filter, the status lines, and the buttons from which
// every other function starts. Its rules live in ReportsModel; this class
// binds them to the controls.
//
// Dialogs opened from here take the main window as their owner and reach
// through it the group (Group()), the last registered publisher
// (SetLastRegistered()), the status lines (UpdateStatus()) and the message
// sink (Messages()).
class CReportsDlg : public CTemplateDialog {
    Q_OBJECT

public:
    CReportsDlg(MessageSink& messages, const QString& settingsPath, QWidget* parent = nullptr);
    ~CReportsDlg() override;

    // Start-up of the window before it is shown: the group file from
    // `commandLine` or the settings, the report period, the first load.
    void OnInitDialog(const QString& commandLine);

    GroupData& Group() { return model_.group; }
    MessageSink& Messages() { return model_.Messages(); }
    const QString& LastRegistered() const { return model_.lastRegistered; }
    void SetLastRegistered(const QString& name) { model_.lastRegistered = name; }
    ReportsModel& Model() { return model_; }
    QListWidget* PublisherList() const { return list_; }

    // Rebuilds the list, keeps the selection at its position, focuses the
    // list and updates the selection-dependent controls.
    void FillPublisherList();
    void UpdateSelection();
    // Title, count lines, last registered publisher, and the controls that
    // need a group.
    void UpdateStatus();

    // The actions of the window's controls.
    void EnterReport();           // IDOK, Enter, double click
    void OpenGroupFile();         // 3
    void SendResults();           // 4
    void ViewCollectionForm();    // 5
    void ToggleFilter();          // 162
    void DialSelected();          // 1003
    void NextPhone();             // 1004
    void ShowHelp();              // 1005
    void SendReminder();          // 1006
    void PreviewReminder();       // 1007
    void OnSysCommand(int command); // the About item
    void OpenMailSettings();        // the mail settings item beside it
    // Saves the group, writes the settings and closes the window (IDCANCEL,
    // Escape, the window's close button).
    void ExitApplication();

protected:
    void reject() override;

private:
    // Runs the report entry of one publisher modally.
    void RunEntryDialog(int recordIndex);
    void FocusList();
    void ConnectControls();
    void AddAboutItem();

    ReportsModel model_;
    QListWidget* list_;
};

} // namespace rekol
