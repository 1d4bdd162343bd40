// The toolkit's floor for start-up: a dialog with one button, shown and
// closed after its first paint, as rekol is when measured.
#include "app/close_after_first_paint.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Informes del Servicio del Campo"));
    auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
    button->setGeometry(10, 10, 80, 26);
    rekol::CloseAfterFirstPaint(dialog);
    dialog.exec();
    return 0;
}
