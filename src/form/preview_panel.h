#pragma once

#include "form/device_context.h"

#include <QWidget>

namespace rekol {

class CCollectDlg;

// Control 130 of dialog 115: a flat owner-drawn area without tab stop whose
// only behaviour is painting the dialog's table. Its rectangle is measured
// at the first paint and kept, as the dialog cannot be resized.
class CPreviewPanel : public QWidget {
    Q_OBJECT

public:
    CPreviewPanel(CCollectDlg& dialog, QWidget* parent);

    bool IsMeasured() const { return measured_; }
    const Rect& ClientRect() const { return rect_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CCollectDlg& dialog_;
    Rect rect_;
    bool measured_ = false;
};

} // namespace rekol
