#include "entry/entry_logic.h"

namespace rekol {

void EntryLogic::OpenMonthList()
{
    if (ended || monthListMode == 1 || !IsShown(IdcMonthButton))
        return;
    monthListMode = 1;
    Show(IdcMonthList, true);
    for (int id : {IdcNotes, IdcCredit, IdcOk, IdcCancel, IdcMonthButton, IdcGroup})
        Show(id, false);
    Show(IdcMonthListOk, true);
    SetFocus(IdcMonthList);
}

void EntryLogic::SelectMonth(int m)
{
    if (ended || monthListMode == 0 || m < 0 || m >= layout::MonthCount)
        return;
    Ctl(IdcMonthList).currentRow = m;
    entryMonth = m;
    LoadMonth();
    // The hours and studies boxes follow the participation of the month now
    // shown, whichever month it is.
    ApplyVisibility();
}

void EntryLogic::CloseMonthList()
{
    if (ended || monthListMode == 0)
        return;
    monthListMode = 0;
    Show(IdcMonthList, false);
    Show(IdcMonthListOk, false);
    for (int id : {IdcNotes, IdcOk, IdcCancel, IdcMonthButton, IdcGroup})
        Show(id, true);
    SetFocus(IdcParticipated);
    LoadMonth();
}

} // namespace rekol
