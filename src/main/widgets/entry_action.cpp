// The report entry, opened for one publisher.
#include "entry/widgets/entry_dlg.h"
#include "main/widgets/reports_dlg.h"

namespace rekol {

void CReportsDlg::RunEntryDialog(int recordIndex)
{
    // The entry tells its owner who reported last and when to refresh.
    struct Owner : EntryOwner {
        explicit Owner(CReportsDlg& w) : window(w) {}
        void SetLastRegistered(const QString& name) override { window.SetLastRegistered(name); }
        void UpdateStatus() override { window.UpdateStatus(); }
        CReportsDlg& window;
    } owner(*this);
    CEntryDlg entry(Group(), owner, recordIndex, this);
    entry.exec();
}

} // namespace rekol
