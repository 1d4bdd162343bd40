#pragma once

#include <QApplication>

namespace rekol {

// The application object: one per process. Its title, the caption of every
// message box, is the program file's base name.
class CReportsApp : public QApplication {
    Q_OBJECT

public:
    CReportsApp(int& argc, char** argv);

    // Runs the main window modally; the process ends when it closes.
    int InitInstance();

    QString settingsPath;
};

} // namespace rekol
