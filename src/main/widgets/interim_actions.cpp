// The report entry, opened for one publisher.
#include "data/code_page.h"
#include "main/widgets/reports_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace rekol {
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

} // namespace rekol
