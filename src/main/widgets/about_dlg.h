#pragma once

#include "res/widgets/template_dialog.h"

namespace rekol {

// The About box (template IDD_ABOUTBOX); OK closes it.
class CAboutDlg : public CTemplateDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace rekol
