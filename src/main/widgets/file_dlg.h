#pragma once

#include <QFileDialog>

namespace rekol {

// The dialog in which a group list file is chosen.
class CFileDlg : public QFileDialog {
    Q_OBJECT

public:
    using QFileDialog::QFileDialog;
};

} // namespace rekol
