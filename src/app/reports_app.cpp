#include "app/reports_app.h"
#include "app/close_after_first_paint.h"
#include "app/settings_path.h"
#include "main/widgets/message_box_sink.h"
#include "main/widgets/reports_dlg.h"

#include <QStringList>

namespace rekol {

CReportsApp::CReportsApp(int& argc, char** argv)
    : QApplication(argc, argv)
    , settingsPath(DefaultSettingsPath())
{
    // Windows without an icon of their own take the desktop entry's.
    setDesktopFileName(QStringLiteral("rekol"));
}

int CReportsApp::InitInstance()
{
    MessageBoxSink messages;
    CReportsDlg dialog(messages, settingsPath);
    // The words after the program name, as the one text they were typed as.
    dialog.OnInitDialog(arguments().mid(1).join(QLatin1Char(' ')));
    // Start-up measurements stop once the filled window is on screen.
    if (qEnvironmentVariableIsSet("REKOL_QUIT_WHEN_SHOWN"))
        CloseAfterFirstPaint(dialog);
    dialog.exec();
    return 0;
}

} // namespace rekol
