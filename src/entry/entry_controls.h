#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The controls of the report entry dialog (template 107) and the state the
// entry logic keeps for each of them. The dialog renders that state and
// forwards its events; it decides nothing itself.
namespace rekol {

enum EntryControlId : int {
    IdcOk = 1,
    IdcCancel = 2,
    IdcNotes = 3,
    IdcMonthButton = 129,   // "Cambio de &Mes ( Informe Tardío )"
    IdcPubs = 139,          // never shown
    IdcVideos = 140,        // never shown
    IdcHours = 141,
    IdcReturnVisits = 142,  // never shown
    IdcStudies = 143,
    IdcMonthName = 146,
    IdcLabelPubs = 147,     // labels 147..151 above boxes 139..143
    IdcLabelVideos = 148,
    IdcLabelHours = 149,
    IdcLabelReturnVisits = 150,
    IdcLabelStudies = 151,
    IdcCredit = 152,
    IdcName = 154,
    IdcStatus = 155,
    IdcAppointment = 156,
    IdcMonthList = 158,
    IdcWarnings = 159,
    IdcMonthListOk = 160,
    IdcNoteEdit = 163,
    IdcGroup = 270,
    IdcAuxPioneer = 1050,
    IdcUnderOneHour = 1125, // always hidden, never stored
    IdcParticipated = 1126,
};

enum class EntryControlKind { Static, Edit, CheckBox, PushButton, ListBox };

// What one control shows. `text` is what the control holds (for an edit box
// its contents, for the list box unused); `checked` applies to check boxes,
// the selection to edit boxes, `lines` and `currentRow` to the list box.
struct EntryControl {
    int id = 0;
    EntryControlKind kind = EntryControlKind::Static;
    bool visible = true;
    QString text;
    bool checked = false;
    bool variableFont = false; // drawn in the platform's variable-pitch font
    int selectionStart = 0;
    int selectionLength = 0;
    QStringList lines;
    int currentRow = -1;
};

// The controls with a tab stop, in the template's order. Moving to the next
// or previous control skips hidden ones and wraps around.
constexpr std::array<int, 15> EntryTabOrder = {
    IdcParticipated, IdcPubs,      IdcVideos,      IdcHours,  IdcReturnVisits,
    IdcStudies,      IdcOk,        IdcCancel,      IdcMonthList, IdcMonthButton,
    IdcMonthListOk,  IdcNotes,     IdcNoteEdit,    IdcAuxPioneer, IdcUnderOneHour,
};

} // namespace rekol
