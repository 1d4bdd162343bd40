#include "main/widgets/about_dlg.h"

#include <QPushButton>

namespace rekol {

CAboutDlg::CAboutDlg(QWidget* parent)
    : CTemplateDialog(IDD_ABOUTBOX, parent)
{
    connect(Button(IDOK), &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace rekol
