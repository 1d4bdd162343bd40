#pragma once

#include "data/group_data.h"
#include "entry/entry_controls.h"
#include "entry/entry_owner.h"

#include <QString>

#include <array>
#include <cstdint>

namespace rekol {

// The report entry dialog without its widgets: the entry of one publisher's
// report for one month. It works on a private copy of the publisher's record
// and writes it back when the entry is finished; notes go into the group's
// note table at once. Every control's state and the focus are outputs here;
// the dialog (CEntryDlg) renders them and forwards each event to the matching
// method below. Months are 0..11; the year slot is the group's throughout.
class EntryLogic {
public:
    EntryLogic(GroupData& group, EntryOwner& owner, int recordIndex);

    // --- events of the dialog ---
    // Dialog initialisation: copies the record and shows the report month.
    void Open();
    // Clicks (the Space key on a focused check box is a click too).
    void ClickParticipated();
    void ClickAuxPioneer();
    // The OK command: Enter on a control that is not a push button, or
    // button 1. Runs the Enter-key logic in front of FinishEntry.
    void OnEnter();
    // The Enter key as the dialog routes it: a focused push button other than
    // 1 runs its own command, everything else is the OK command.
    void PressEnter();
    // Cancel command (button 2, Escape): ends without storing.
    void Cancel();
    void OpenNoteEditor();  // button 3
    void CloseNoteEditor(); // edit box 163 lost the focus
    void HoursLeft();       // edit box 141 lost the focus
    void OpenMonthList();   // button 129
    void SelectMonth(int m);
    void CloseMonthList();  // list 158 lost the focus, double click, button 160
    // A character typed in one of the number boxes 139..143, through their
    // filter; false when it was dropped.
    bool TypeChar(int id, QChar c);
    // Left (false) or right (true) arrow key in a number box.
    void KeyNav(bool right);
    // The focus moved to control `id`, by the user or by the logic itself;
    // runs the focus-loss handler of the control that had it. An edit box
    // that gets the focus this way has its whole text selected.
    void SetFocus(int id);
    // Tab (forward) or Shift+Tab.
    void Tab(bool forward);
    // The edit box's own processing changed its text (pasting, the Delete
    // key, the note being typed); the caret goes to the end.
    void SetEditText(int id, const QString& text);
    void SetSelection(int id, int start, int length);

    // --- outputs ---
    const EntryControl& Control(int id) const;
    // The tooltip of a control, empty when it has none.
    QString ToolTip(int id) const;
    // The control a move to the next or previous control reaches from `from`.
    int NextInTabOrder(int from, bool forward) const;
    QString caption;
    // The control that has the focus. The dialog gives the focus to it after
    // every event and reports each move the user makes through SetFocus.
    int focus = 0;
    bool ended = false;
    bool stored = false; // ended through FinishEntry

    // --- operations ---
    void LoadMonth();
    void ApplyVisibility();
    void SyncParticipation();
    void ShowStatusLabels();
    void ShowWarnings();
    bool FinishEntry();
    void StoreFields();
    void StoreBack();
    bool StoreNote(int i, int m, int s, int k, const QString& text);
    void ApplyCreditRule(int h);

    // --- state ---
    unsigned videosValue = 0;
    unsigned pubsValue = 0;
    int hoursValue = 0;
    unsigned returnVisitsValue = 0;
    unsigned studiesValue = 0;
    QString note;
    int participated = 0;
    int recordIndex = 0;
    int entryMonth = 0;
    std::uint8_t entrySlot = 0;
    std::uint8_t pioneerFlag = 0;
    int noteNumber = 0;
    std::uint8_t credit = 0;
    int enterState = 0;
    int changed = 0;
    PublisherRecord recordCopy;
    int isLate = 0;
    int notCounted = 0;
    int monthListMode = 0;
    QString creditText;

private:
    EntryControl& Ctl(int id);
    void Show(int id, bool visible);
    void SetText(int id, const QString& text);
    void Check(int id, bool checked);
    bool IsShown(int id) const { return Control(id).visible; }
    bool IsChecked(int id) const { return Control(id).checked; }
    StatusKind MonthStatus(int m) const;
    QString MonthName(int m, bool withArticle) const;
    QString DisplayName() const;
    void ParticipatedChanged();
    void FocusLost(int id);
    bool ReadBox(int id, unsigned low, unsigned high, unsigned& value);
    void FailOn(int id);
    void SelectAll(int id);

    GroupData& group_;
    EntryOwner& owner_;
    std::array<EntryControl, 27> controls_;
};

} // namespace rekol
