#include "entry/decimal_text.h"
#include "entry/entry_logic.h"
#include "entry/num_edit.h"

#include <algorithm>

namespace rekol {

int EntryLogic::NextInTabOrder(int from, bool forward) const
{
    const int n = static_cast<int>(EntryTabOrder.size());
    const auto it = std::find(EntryTabOrder.begin(), EntryTabOrder.end(), from);
    int k = it == EntryTabOrder.end() ? (forward ? -1 : n) : static_cast<int>(it - EntryTabOrder.begin());
    for (int step = 0; step < n; ++step) {
        k = (k + (forward ? 1 : n - 1)) % n;
        if (IsShown(EntryTabOrder[static_cast<std::size_t>(k)]))
            return EntryTabOrder[static_cast<std::size_t>(k)];
    }
    return from;
}

void EntryLogic::SetFocus(int id)
{
    if (ended || id == focus)
        return;
    const int old = focus;
    focus = id;
    SelectAll(id);
    FocusLost(old);
}

void EntryLogic::FocusLost(int id)
{
    switch (id) {
    case IdcHours:
        HoursLeft();
        break;
    case IdcNoteEdit:
        CloseNoteEditor();
        break;
    case IdcMonthList:
        CloseMonthList();
        break;
    default:
        break;
    }
}

void EntryLogic::Tab(bool forward) { SetFocus(NextInTabOrder(focus, forward)); }

void EntryLogic::SelectAll(int id)
{
    if (Control(id).kind != EntryControlKind::Edit)
        return;
    EntryControl& box = Ctl(id);
    box.selectionStart = 0;
    box.selectionLength = static_cast<int>(box.text.size());
}

void EntryLogic::HoursLeft()
{
    if (!ended)
        ApplyCreditRule(DecimalValue(Control(IdcHours).text));
}

void EntryLogic::KeyNav(bool right)
{
    if (ended)
        return;
    const int target = right ? IdcHours : IdcParticipated;
    if (focus != target)
        SetFocus(NextInTabOrder(focus, right));
    else
        SetFocus(right ? IdcParticipated : IdcHours);
}

void EntryLogic::OnEnter()
{
    if (ended)
        return;
    switch (enterState) {
    case 0:
        if (focus == IdcOk || focus == IdcStudies)
            FinishEntry();
        else
            SetFocus(NextInTabOrder(focus, true));
        break;
    case 1:
        enterState = 2;
        ApplyCreditRule(DecimalValue(Control(IdcHours).text));
        recordCopy.SetCell(layout::CreditHours, entryMonth, entrySlot, credit);
        // Leaving the note box closes the editor, which comes back here.
        SetFocus(IdcParticipated);
        break;
    default:
        enterState = 0;
        break;
    }
}

void EntryLogic::PressEnter()
{
    switch (focus) {
    case IdcCancel:
        Cancel();
        break;
    case IdcNotes:
        OpenNoteEditor();
        break;
    case IdcMonthButton:
        OpenMonthList();
        break;
    case IdcMonthListOk:
        CloseMonthList();
        break;
    default:
        OnEnter();
        break;
    }
}

void EntryLogic::Cancel()
{
    // The note editor loses the focus as the dialog closes: a note being
    // typed is stored, whichever way the dialog is cancelled.
    if (!ended && IsShown(IdcNoteEdit))
        CloseNoteEditor();
    ended = true;
    stored = false;
}

bool EntryLogic::TypeChar(int id, QChar c)
{
    if (ended || id < IdcPubs || id > IdcStudies || !IsShown(id))
        return false;
    EntryControl& box = Ctl(id);
    switch (NumEditFilter(c)) {
    case NumEditAction::Drop:
        return false;
    case NumEditAction::Zero:
        box.text = QStringLiteral("0");
        box.selectionStart = 0;
        box.selectionLength = 1;
        return true;
    case NumEditAction::Pass:
        break;
    }
    // The edit control's own processing: a character replaces the selection,
    // backspace deletes it or the character before the caret.
    int start = std::clamp(box.selectionStart, 0, static_cast<int>(box.text.size()));
    int length = std::clamp(box.selectionLength, 0, static_cast<int>(box.text.size()) - start);
    if (c == QChar(8)) {
        if (length == 0 && start > 0) {
            --start;
            length = 1;
        }
        box.text.remove(start, length);
    } else {
        box.text.replace(start, length, c);
        ++start;
    }
    box.selectionStart = start;
    box.selectionLength = 0;
    return true;
}

void EntryLogic::SetEditText(int id, const QString& text)
{
    if (ended || Control(id).kind != EntryControlKind::Edit)
        return;
    EntryControl& box = Ctl(id);
    box.text = text;
    box.selectionStart = static_cast<int>(text.size());
    box.selectionLength = 0;
}

void EntryLogic::SetSelection(int id, int start, int length)
{
    if (Control(id).kind != EntryControlKind::Edit)
        return;
    EntryControl& box = Ctl(id);
    box.selectionStart = std::clamp(start, 0, static_cast<int>(box.text.size()));
    box.selectionLength = std::clamp(length, 0, static_cast<int>(box.text.size()) - box.selectionStart);
}

} // namespace rekol
