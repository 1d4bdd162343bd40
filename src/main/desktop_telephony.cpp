#include "main/desktop_telephony.h"

#include "app/profile_file.h"
#include "main/command_telephony.h"

#include <QDesktopServices>
#include <QUrl>

namespace rekol {

CallRequest DesktopTelephony::RequestMakeCall(const QString& destAddress, const QString&)
{
    QUrl url;
    url.setScheme(QStringLiteral("tel"));
    url.setPath(destAddress, QUrl::DecodedMode);
    return QDesktopServices::openUrl(url) ? CallRequest::Requested : CallRequest::NotAvailable;
}

std::unique_ptr<Telephony> ConfiguredTelephony(const QString& settingsPath)
{
    const QString command =
        ProfileFile(settingsPath).ReadString(QStringLiteral("Phone"), QStringLiteral("Command")).trimmed();
    if (!command.isEmpty())
        return std::make_unique<CommandTelephony>(command);
    return std::make_unique<DesktopTelephony>();
}

} // namespace rekol
