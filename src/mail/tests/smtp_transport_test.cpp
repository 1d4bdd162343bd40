#include "mail/smtp_transport.h"
#include "testing/smtp_test_server.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace rekol;
using rekol::test::SmtpTestServer;

namespace {

const SmtpTimeouts kBounded{std::chrono::milliseconds(10000), std::chrono::milliseconds(30000)};

MailSettings SettingsFor(const QString& server)
{
    return {server, QStringLiteral("rek@example.org"), QString(), QString()};
}

MailRecipient To(const QString& address)
{
    return {MAPI_TO, address, QStringLiteral("SMTP:") + address};
}

class SmtpTransportTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server = new SmtpTestServer(); }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(server->IsRunning()) << server->Log().toStdString();
        already = server->Messages().size();
        attachmentPath = dir.filePath(QStringLiteral("Grupo.k19"));
        for (int b = 0; b < 256; ++b)
            attachment += static_cast<char>(b);
        attachment += QByteArray(3000, 'x');
        QFile f(attachmentPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(attachment);
    }
    std::vector<QJsonObject> Arrived() const
    {
        const std::vector<QJsonObject> all = server->Messages();
        return {all.begin() + static_cast<std::ptrdiff_t>(already), all.end()};
    }
    MailMessage Message() const
    {
        MailMessage m;
        m.originator.name = QStringLiteral("Rek");
        m.recips = {To(QStringLiteral("secretario@example.org")), To(QStringLiteral("ayudante@example.org"))};
        m.subject = QString::fromUtf8("Año de servicio – envíe");
        m.noteText = QString::fromUtf8("Por favor envíe su informe de Marzo. \nGracias. ");
        m.files = {{attachmentPath, std::nullopt, 47}};
        return m;
    }

    static SmtpTestServer* server;
    std::size_t already = 0;
    QTemporaryDir dir;
    QString attachmentPath;
    QByteArray attachment;
};

SmtpTestServer* SmtpTransportTest::server = nullptr;

TEST_F(SmtpTransportTest, DeliversTheMessageAsComposed)
{
    SmtpTransport transport(SettingsFor(server->Url()), kBounded);
    ASSERT_EQ(transport.Open(), MailOk);
    ASSERT_EQ(transport.SendMail(Message(), MAPI_LOGON_UI), SUCCESS_SUCCESS) << transport.LastError().toStdString();

    const auto arrived = Arrived();
    ASSERT_EQ(arrived.size(), 1u);
    const QJsonObject& m = arrived[0];
    EXPECT_EQ(m[QStringLiteral("mail_from")].toString(), QStringLiteral("rek@example.org"));
    EXPECT_EQ(m[QStringLiteral("rcpt_tos")].toArray(),
              QJsonArray({QStringLiteral("secretario@example.org"), QStringLiteral("ayudante@example.org")}));
    EXPECT_EQ(m[QStringLiteral("subject")].toString(), QString::fromUtf8("Año de servicio – envíe"));
    EXPECT_TRUE(m[QStringLiteral("raw_subject")].toString().startsWith(QStringLiteral("=?UTF-8?Q?")));
    EXPECT_EQ(m[QStringLiteral("from")].toString(), QStringLiteral("Rek <rek@example.org>"));
    EXPECT_EQ(m[QStringLiteral("to")].toString(), QStringLiteral("secretario@example.org, ayudante@example.org"));
    EXPECT_TRUE(m[QStringLiteral("date_ok")].toBool()) << m[QStringLiteral("date")].toString().toStdString();
    EXPECT_TRUE(m[QStringLiteral("message_id")].toString().endsWith(QStringLiteral("@example.org>")));

    EXPECT_EQ(m[QStringLiteral("body_charset")].toString(), QStringLiteral("utf-8"));
    EXPECT_EQ(m[QStringLiteral("body_encoding")].toString(), QStringLiteral("quoted-printable"));
    QString body = m[QStringLiteral("body")].toString();
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(body, QString::fromUtf8("Por favor envíe su informe de Marzo. \nGracias. "));

    const QJsonArray files = m[QStringLiteral("attachments")].toArray();
    ASSERT_EQ(files.size(), 1);
    const QJsonObject file = files[0].toObject();
    EXPECT_EQ(file[QStringLiteral("filename")].toString(), QStringLiteral("Grupo.k19"));
    EXPECT_EQ(file[QStringLiteral("encoding")].toString(), QStringLiteral("base64"));
    EXPECT_EQ(QByteArray::fromBase64(file[QStringLiteral("data")].toString().toLatin1()), attachment);
}

TEST_F(SmtpTransportTest, AttachmentNamesAndMissingSubject)
{
    MailMessage m = Message();
    m.subject.reset();
    m.files[0].fileName = QString::fromUtf8("Resultados Nº5.k19");
    SmtpTransport transport(SettingsFor(server->Url()), kBounded);
    ASSERT_EQ(transport.Open(), MailOk);
    ASSERT_EQ(transport.SendMail(m, 0), SUCCESS_SUCCESS) << transport.LastError().toStdString();
    const auto arrived = Arrived();
    ASSERT_EQ(arrived.size(), 1u);
    EXPECT_TRUE(arrived[0][QStringLiteral("subject")].isNull());
    EXPECT_EQ(arrived[0][QStringLiteral("attachments")].toArray()[0].toObject()[QStringLiteral("filename")].toString(),
              QString::fromUtf8("Resultados Nº5.k19"));
}

TEST_F(SmtpTransportTest, BadRecipientsAndFilesAreRefusedBeforeAnythingIsSent)
{
    struct Case {
        const char* what;
        std::function<void(MailMessage&)> change;
        std::uint32_t status;
    };
    const Case cases[] = {
        {"command injection", [](MailMessage& m) {
             m.recips = {To(QStringLiteral("sec@example.org>\r\nRCPT TO:<evil@example.org"))};
         }, MAPI_E_UNKNOWN_RECIPIENT},
        {"one bad address among good ones", [](MailMessage& m) {
             m.recips.push_back(To(QStringLiteral("no address")));
         }, MAPI_E_UNKNOWN_RECIPIENT},
        {"no recipient", [](MailMessage& m) { m.recips.clear(); }, MAPI_E_INVALID_RECIPS},
        {"missing attachment", [this](MailMessage& m) {
             m.files[0].pathName = dir.filePath(QStringLiteral("gone.k19"));
         }, MAPI_E_ATTACHMENT_NOT_FOUND},
    };
    for (const Case& c : cases) {
        MailMessage m = Message();
        c.change(m);
        SmtpTransport transport(SettingsFor(server->Url()), kBounded);
        ASSERT_EQ(transport.Open(), MailOk);
        EXPECT_EQ(transport.SendMail(m, 0), c.status) << c.what;
        EXPECT_FALSE(transport.LastError().isEmpty()) << c.what;
    }
    MailSettings injected = SettingsFor(server->Url());
    injected.from = QStringLiteral("rek@example.org\r\nBcc: evil@example.org");
    EXPECT_EQ(SmtpTransport(injected, kBounded).SendMail(Message(), 0), MAPI_E_FAILURE) << "even without Open()";
    EXPECT_TRUE(Arrived().empty());
}

TEST_F(SmtpTransportTest, APasswordNeverTravelsInClearText)
{
    MailSettings settings = SettingsFor(server->Url());
    settings.user = QStringLiteral("rek");
    settings.password = QStringLiteral("secreto");
    SmtpTransport transport(settings, kBounded);
    ASSERT_EQ(transport.Open(), MailOk);
    EXPECT_EQ(transport.SendMail(Message(), 0), MAPI_E_FAILURE) << "the test server offers no STARTTLS";
    EXPECT_TRUE(Arrived().empty());
}

TEST(SmtpTransportFailureTest, ServerThatRefusesTheMessage)
{
    SmtpTestServer refusing({QStringLiteral("554 5.7.1 Message refused"), {}, {}});
    ASSERT_TRUE(refusing.IsRunning()) << refusing.Log().toStdString();
    SmtpTransport transport(SettingsFor(refusing.Url()), kBounded);
    ASSERT_EQ(transport.Open(), MailOk);
    MailMessage m;
    m.recips = {To(QStringLiteral("sec@example.org"))};
    EXPECT_EQ(transport.SendMail(m, 0), MAPI_E_FAILURE);
    EXPECT_TRUE(transport.LastError().contains(QStringLiteral("554"))) << transport.LastError().toStdString();
    EXPECT_TRUE(refusing.Messages().empty());
}

TEST(SmtpTransportFailureTest, NoServerListening)
{
    SmtpTransport transport(SettingsFor(QStringLiteral("smtp://127.0.0.1:%1").arg(rekol::test::FreeLoopbackPort())), kBounded);
    ASSERT_EQ(transport.Open(), MailOk);
    MailMessage m;
    m.recips = {To(QStringLiteral("sec@example.org"))};
    EXPECT_EQ(transport.SendMail(m, 0), MAPI_E_FAILURE);
    EXPECT_FALSE(transport.LastError().isEmpty());
}

TEST(SmtpTransportFailureTest, ServerThatNeverAnswersTimesOut)
{
    rekol::test::SilentListener silent;
    ASSERT_NE(silent.Port(), 0);
    SmtpTransport transport(SettingsFor(QStringLiteral("smtp://127.0.0.1:%1").arg(silent.Port())),
                            {std::chrono::milliseconds(1000), std::chrono::milliseconds(2000)});
    ASSERT_EQ(transport.Open(), MailOk);
    MailMessage m;
    m.recips = {To(QStringLiteral("sec@example.org"))};
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(transport.SendMail(m, 0), MAPI_E_FAILURE);
    EXPECT_LT(timer.elapsed(), 8000);
}

TEST(SmtpTransportFailureTest, UntrustedCertificateIsRefused)
{
    QTemporaryDir dir;
    const QString cert = dir.filePath(QStringLiteral("cert.pem"));
    const QString key = dir.filePath(QStringLiteral("key.pem"));
    if (!rekol::test::MakeSelfSignedCertificate(cert, key))
        GTEST_SKIP() << "openssl is not available";
    SmtpTestServer tls({{}, cert, key});
    ASSERT_TRUE(tls.IsRunning()) << tls.Log().toStdString();
    ASSERT_TRUE(tls.Url().startsWith(QStringLiteral("smtps://")));
    SmtpTransport transport(SettingsFor(tls.Url()), kBounded);
    ASSERT_EQ(transport.Open(), MailOk);
    MailMessage m;
    m.recips = {To(QStringLiteral("sec@example.org"))};
    EXPECT_EQ(transport.SendMail(m, 0), MAPI_E_FAILURE);
    EXPECT_TRUE(transport.LastError().contains(QStringLiteral("certificate"), Qt::CaseInsensitive))
        << transport.LastError().toStdString();
    EXPECT_TRUE(tls.Messages().empty());
}

TEST(SmtpTransportOpenTest, NeedsAServerUrlAndASender)
{
    struct Case {
        QString server;
        QString from;
        MailState state;
    };
    const Case cases[] = {
        {QString(), QStringLiteral("rek@example.org"), MailNoLibrary},
        {QStringLiteral("   "), QStringLiteral("rek@example.org"), MailNoLibrary},
        {QStringLiteral("smtp://smtp.example.org:587"), QStringLiteral("rek@example.org"), MailOk},
        {QStringLiteral("SMTPS://smtp.example.org:465"), QStringLiteral(" rek@example.org "), MailOk},
        {QStringLiteral("smtp.example.org"), QStringLiteral("rek@example.org"), MailBadLibrary},
        {QStringLiteral("http://smtp.example.org"), QStringLiteral("rek@example.org"), MailBadLibrary},
        {QStringLiteral("file:///etc/passwd"), QStringLiteral("rek@example.org"), MailBadLibrary},
        {QStringLiteral("smtp://"), QStringLiteral("rek@example.org"), MailBadLibrary},
        {QStringLiteral("smtp://smtp.example.org"), QString(), MailBadLibrary},
        {QStringLiteral("smtp://smtp.example.org"), QStringLiteral("Rek"), MailBadLibrary},
    };
    for (const Case& c : cases) {
        SmtpTransport transport({c.server, c.from, {}, {}});
        EXPECT_EQ(transport.Open(), c.state) << c.server.toStdString() << " " << c.from.toStdString();
    }
}

} // namespace
