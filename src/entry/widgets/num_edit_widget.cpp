#include "entry/widgets/num_edit_widget.h"

#include <QKeyEvent>

namespace rekol {

CNumEdit::CNumEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

void CNumEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        emit arrowKey(key == Qt::Key_Right);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // The dialog's keys.
        event->ignore();
        return;
    case Qt::Key_Backspace:
        emit charTyped(QChar(8));
        return;
    default:
        break;
    }
    // Ctrl with a letter types a control character (Ctrl+V is 22), which the
    // filter drops: the clipboard keys do nothing in these boxes.
    if ((event->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        emit charTyped(QChar(key - Qt::Key_A + 1));
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier))) {
        // A mnemonic the dialog did not take types nothing.
        event->ignore();
        return;
    }
    if (!text.isEmpty()) {
        for (QChar c : text)
            emit charTyped(c);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace rekol
