#include "app/profile_file.h"
#include "main/command_telephony.h"
#include "main/desktop_telephony.h"
#include "main/modal_mail_transport.h"
#include "testing/fake_transport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

using namespace rekol;

namespace {

class TelHandler : public QObject {
    Q_OBJECT
public slots:
    void Open(const QUrl& url) { urls.append(url); }

public:
    QList<QUrl> urls;
};

TEST(DesktopTelephonyTest, HandsATelLinkToTheDesktop)
{
    TelHandler handler;
    QDesktopServices::setUrlHandler(QStringLiteral("tel"), &handler, "Open");
    DesktopTelephony telephony;
    EXPECT_EQ(telephony.RequestMakeCall(QStringLiteral("+34 555 12%34"), QStringLiteral("Ana Ruiz")), CallRequest::Requested);
    QDesktopServices::unsetUrlHandler(QStringLiteral("tel"));
    ASSERT_EQ(handler.urls.size(), 1);
    EXPECT_EQ(handler.urls[0].scheme(), QStringLiteral("tel"));
    EXPECT_EQ(handler.urls[0].path(), QStringLiteral("+34 555 12%34"));
    EXPECT_EQ(handler.urls[0].toEncoded(), "tel:+34%20555%2012%2534");
}

TEST(DesktopTelephonyTest, SettingsChooseTheCommandOrTheDesktop)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rekol.ini"));
    EXPECT_NE(dynamic_cast<DesktopTelephony*>(ConfiguredTelephony(path).get()), nullptr);
    ProfileFile phone(path);
    phone.WriteString(QStringLiteral("Phone"), QStringLiteral("Command"), QStringLiteral("dialer --now"));
    ASSERT_TRUE(phone.Save());
    EXPECT_NE(dynamic_cast<CommandTelephony*>(ConfiguredTelephony(path).get()), nullptr);
}

// Records the state of the program's window while the message is sent.
class WatchingTransport : public rekol::test::FakeTransport {
public:
    std::uint32_t SendMail(const MailMessage& message, std::uint32_t flags) override
    {
        ownerEnabled = owner->isEnabled();
        cursorOverridden = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        return FakeTransport::SendMail(message, flags);
    }
    QWidget* owner = nullptr;
    bool ownerEnabled = true;
    bool cursorOverridden = false;
};

TEST(ModalMailTransportTest, WindowIsDisabledWithTheWaitCursorWhileSending)
{
    QWidget window;
    WatchingTransport inner;
    inner.owner = &window;
    inner.status = MAPI_E_FAILURE;
    CModalMailTransport modal(inner, &window);
    EXPECT_EQ(modal.Open(), MailOk);
    EXPECT_EQ(modal.SendMail(MailMessage{}, 0), MAPI_E_FAILURE);
    EXPECT_FALSE(inner.ownerEnabled);
    EXPECT_TRUE(inner.cursorOverridden);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace

#include "main_gui_test.moc"
