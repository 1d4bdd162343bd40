// Actions whose features are not part of this build yet. Each says so
// instead of pretending to work; the features replace these bodies.
#include "data/code_page.h"
#include "main/widgets/reports_dlg.h"
#include "res/string_table.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace rekol {
namespace {

const QString kNotYetAvailable = QStringLiteral("Esta función aún no está disponible en esta versión.");
const QString kNoTelephony = QStringLiteral("Telephone service not available");

} // namespace

void CReportsDlg::RunEntryDialog(int recordIndex)
{
    QDialog entry(this);
    entry.setWindowTitle(DecodeAnsi(Group().GetDisplayName(recordIndex, false), Group().language));
    auto* layout = new QVBoxLayout(&entry);
    layout->addWidget(new QLabel(QStringLiteral("La entrada de informes aún no está disponible en esta versión.")));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, &entry, &QDialog::accept);
    layout->addWidget(buttons);
    entry.exec();
}

void CReportsDlg::SendResults() { Messages().ShowMessage(kNotYetAvailable); }

void CReportsDlg::ViewCollectionForm() { Messages().ShowMessage(kNotYetAvailable); }

void CReportsDlg::DialSelected() { Messages().ShowMessage(kNoTelephony); }

void CReportsDlg::NextPhone() { Messages().ShowMessage(kNoTelephony); }

void CReportsDlg::SendReminder() { Messages().ShowMessage(LoadResString(IDS_MAIL_LOAD_FAILED)); }

void CReportsDlg::PreviewReminder() { Messages().ShowMessage(LoadResString(IDS_MAIL_LOAD_FAILED)); }

} // namespace rekol
