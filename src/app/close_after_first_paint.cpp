#include "app/close_after_first_paint.h"

#include <QDialog>
#include <QEvent>
#include <QTimer>

namespace rekol {
namespace {

class FirstPaintWatcher : public QObject {
public:
    explicit FirstPaintWatcher(QDialog& dialog)
        : QObject(&dialog)
        , dialog_(dialog)
    {
        dialog.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &dialog_ && event->type() == QEvent::Paint) {
            dialog_.removeEventFilter(this);
            // After this paint has reached the screen.
            QTimer::singleShot(0, &dialog_, [this] { dialog_.done(QDialog::Rejected); });
        }
        return false;
    }

private:
    QDialog& dialog_;
};

} // namespace

void CloseAfterFirstPaint(QDialog& dialog) { new FirstPaintWatcher(dialog); }

} // namespace rekol
