// Writes the application icon as PNG files for the desktop:
// make_app_icons OUT_DIR  ->  OUT_DIR/<size>x<size>/apps/rekol.png
#include "res/widgets/app_icon.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_app_icons OUT_DIR\n");
        return 2;
    }
    for (int size : {16, 32, 48, 128}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!QDir().mkpath(folder) || !rekol::DrawAppIcon(size).save(folder + QStringLiteral("/rekol.png"))) {
            std::fprintf(stderr, "make_app_icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
