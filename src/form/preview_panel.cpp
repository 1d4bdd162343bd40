#include "form/preview_panel.h"

#include "form/collect_dlg.h"
#include "form/painter_device.h"

#include <QPaintEvent>
#include <QPainter>

namespace rekol {

CPreviewPanel::CPreviewPanel(CCollectDlg& dialog, QWidget* parent) : QWidget(parent), dialog_(dialog)
{
    setFocusPolicy(Qt::NoFocus);
}

void CPreviewPanel::paintEvent(QPaintEvent* event)
{
    if (event->region().isEmpty())
        return;
    if (!measured_) {
        rect_ = Rect{0, 0, width(), height()};
        measured_ = true;
    }
    QPainter painter(this);
    PainterDevice dc(painter);
    dialog_.PaintTable(rect_, dc);
}

} // namespace rekol
