#include "data/builder/group_builder.h"
#include "data/group_data.h"
#include "mail/smtp_transport.h"
#include "main/send_results.h"
#include "testing/fake_transport.h"
#include "testing/recording_sink.h"
#include "testing/smtp_test_server.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rekol;
using rekol::test::FakeTransport;
using rekol::test::RecordingSink;

namespace {

const QString kSaved = QString::fromUtf8("Sus archivos puestos al día se resguardaron en el archivo %1");
const QString kQuestion = QString::fromUtf8(
    "Sus archivos puestos al día se resguardaron en el archivo %1\n\n"
    "Haga Clic en 'Yes' para enviar e-mail del archivo .k19 a %2,\n\n       o\n\n"
    "Haga Clic en No para enviar el archivo al secretario más tarde.");

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class SendResultsTest : public ::testing::Test {
protected:
    // Writes a group of `publishers` publishers with the secretary's address
    // to `name` in the temporary folder and loads it.
    void Load(const QByteArray& secretary, int publishers = 3, const QString& name = QStringLiteral("Grupo.k09"))
    {
        GroupBuilder b(5, 2);
        b.SecretaryEmail(secretary);
        const QString names[] = {QStringLiteral("Ana"), QStringLiteral("Luis"), QStringLiteral("Eva")};
        for (int i = 0; i < publishers; ++i)
            b.AddPublisher(names[i % 3], QStringLiteral("Ruiz"));
        groupPath = dir.filePath(name);
        QDir().mkpath(QFileInfo(groupPath).absolutePath());
        ASSERT_TRUE(b.WriteTo(groupPath));
        ASSERT_EQ(group.LoadGroupFile(groupPath), LoadStatus::Loaded);
        ASSERT_EQ(group.groupPath, groupPath);
    }
    QString Results() const { return groupPath.left(groupPath.size() - 4) + QStringLiteral(".k19"); }

    QTemporaryDir dir;
    RecordingSink sink;
    GroupData group{sink};
    QString groupPath;
    FakeTransport transport;
};

TEST_F(SendResultsTest, WritesAsksAndMailsTheResultsFile)
{
    Load("secretario@example.org");
    const QByteArray groupBefore = ReadAll(groupPath);
    EXPECT_EQ(SendResults(group, transport, sink), SendOutcome::Mailed);

    EXPECT_EQ(ReadAll(Results()), group.SerializeGroup());
    EXPECT_EQ(ReadAll(groupPath), groupBefore) << "the group list file is written only at exit";
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_EQ(sink.messages[0], kQuestion.arg(Results(), QStringLiteral("secretario@example.org")));
    EXPECT_EQ(sink.lastIcon, MessageIcon::Question);

    ASSERT_EQ(transport.sent.size(), 1u);
    const MailMessage& m = transport.sent[0];
    EXPECT_EQ(m.originator.name, QStringLiteral("Rek"));
    ASSERT_EQ(m.recips.size(), 1u);
    EXPECT_EQ(m.recips[0].address, QStringLiteral("SMTP:secretario@example.org"));
    EXPECT_EQ(m.subject, QStringLiteral("Archivo de Recogidos - Marzo - Grupo 5"));
    EXPECT_EQ(m.noteText, QStringLiteral("Marzo archivo .k19 para Grupo 5 "));
    ASSERT_EQ(m.files.size(), 1u);
    EXPECT_EQ(m.files[0].pathName, Results());
    EXPECT_FALSE(m.files[0].fileName.has_value());
    EXPECT_EQ(m.files[0].position, 31u);
    EXPECT_EQ(transport.sentFlags[0], MAPI_LOGON_UI);
}

TEST_F(SendResultsTest, AnsweringNoKeepsTheFileForLaterAndAsksAgainNextTime)
{
    Load("secretario@example.org");
    sink.answers = {MessageAnswer::No, MessageAnswer::No};
    EXPECT_EQ(SendResults(group, transport, sink), SendOutcome::SavedDeclined);
    ASSERT_TRUE(QFile::exists(Results()));
    QFile::remove(Results());
    EXPECT_EQ(SendResults(group, transport, sink), SendOutcome::SavedDeclined);
    EXPECT_TRUE(QFile::exists(Results())) << "written again";
    EXPECT_EQ(sink.messages.size(), 2);
    EXPECT_EQ(transport.opens, 0);
    EXPECT_TRUE(transport.sent.empty());
}

TEST_F(SendResultsTest, WithoutAnAtSignOnlyTellsWhereTheFileIs)
{
    struct Case {
        QByteArray address;
        bool asks;
    };
    const Case cases[] = {{"", false}, {"secretario.example.org", false}, {"@", true}, {"@example.org", true}};
    for (const Case& c : cases) {
        RecordingSink messages;
        FakeTransport mail;
        Load(c.address);
        sink.messages.clear();
        const SendOutcome outcome = SendResults(group, mail, messages);
        ASSERT_EQ(messages.messages.size(), 1) << c.address.toStdString();
        if (c.asks) {
            EXPECT_EQ(outcome, SendOutcome::Mailed) << c.address.toStdString();
        } else {
            EXPECT_EQ(outcome, SendOutcome::SavedNoAddress);
            EXPECT_EQ(messages.messages[0], kSaved.arg(Results()));
            EXPECT_EQ(mail.opens, 0);
        }
    }
}

TEST_F(SendResultsTest, EveryAddressOfTheListIsARecipientOfOneMessage)
{
    Load("secretario@example.org;ayudante@example.org;");
    EXPECT_EQ(SendResults(group, transport, sink), SendOutcome::Mailed);
    ASSERT_EQ(transport.sent.size(), 1u);
    ASSERT_EQ(transport.sent[0].recips.size(), 2u);
    EXPECT_EQ(transport.sent[0].recips[1].name, QStringLiteral("ayudante@example.org"));
}

TEST_F(SendResultsTest, ResultsFileNameChangesOnlyTheEnding)
{
    Load("", 3, QStringLiteral("Grupos.k09/Grupo.K09"));
    EXPECT_EQ(SendResults(group, transport, sink), SendOutcome::SavedNoAddress);
    const QString results = dir.filePath(QStringLiteral("Grupos.k09/Grupo.k19"));
    EXPECT_TRUE(QFile::exists(results));
    EXPECT_EQ(sink.messages, QStringList{kSaved.arg(results)});
}

TEST_F(SendResultsTest, NothingHappensWithoutAGroupListFile)
{
    Load("secretario@example.org");
    group.groupPath = dir.filePath(QStringLiteral("Grupo.k19"));
    EXPECT_EQ(SendResults(group, transport, sink), SendOutcome::NotGroupFile);
    group.groupPath.clear();
    EXPECT_EQ(SendResults(group, transport, sink), SendOutcome::NotGroupFile);
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(Results()));
}

TEST_F(SendResultsTest, AGroupTooSmallIsNotWrittenNorMailed)
{
    Load("secretario@example.org", 1);
    EXPECT_EQ(SendResults(group, transport, sink), SendOutcome::NotSaved);
    EXPECT_EQ(sink.messages, QStringList{QStringLiteral("Group has less than 3 publishers")});
    EXPECT_FALSE(QFile::exists(Results()));
    EXPECT_EQ(transport.opens, 0);
}

TEST_F(SendResultsTest, MailFailuresLeaveTheResultsFileWritten)
{
    struct Case {
        MailState open;
        std::uint32_t status;
        SendOutcome outcome;
        QString message;
    };
    const Case cases[] = {
        {MailNoLibrary, SUCCESS_SUCCESS, SendOutcome::MailUnavailable, QStringLiteral("Unable to load mail system support.")},
        {MailBadLibrary, SUCCESS_SUCCESS, SendOutcome::MailUnavailable, QStringLiteral("Mail system DLL is invalid.")},
        {MailOk, MAPI_E_FAILURE, SendOutcome::MailFailed, QStringLiteral("Send Mail failed to send message.")},
        {MailOk, MAPI_USER_ABORT, SendOutcome::Mailed, QString()},
    };
    Load("secretario@example.org");
    for (const Case& c : cases) {
        QFile::remove(Results());
        RecordingSink messages;
        FakeTransport mail;
        mail.openState = c.open;
        mail.status = c.status;
        EXPECT_EQ(SendResults(group, mail, messages), c.outcome);
        EXPECT_EQ(messages.messages.size(), c.message.isEmpty() ? 1 : 2);
        EXPECT_EQ(messages.messages.last(), c.message.isEmpty() ? messages.messages.first() : c.message);
        EXPECT_EQ(ReadAll(Results()), group.SerializeGroup());
    }
}

// Against a real SMTP server.
class SendResultsSmtpTest : public SendResultsTest {
protected:
    static SmtpTransport Transport(const QString& server)
    {
        return SmtpTransport({server, QStringLiteral("rek@example.org"), {}, {}},
                             {std::chrono::milliseconds(10000), std::chrono::milliseconds(30000)});
    }
};

TEST_F(SendResultsSmtpTest, TheSecretaryReceivesTheResultsFile)
{
    rekol::test::SmtpTestServer server;
    ASSERT_TRUE(server.IsRunning()) << server.Log().toStdString();
    Load("secretario@example.org; ayudante@example.org");
    SmtpTransport smtp = Transport(server.Url());
    ASSERT_EQ(SendResults(group, smtp, sink), SendOutcome::Mailed) << smtp.LastError().toStdString();

    const auto arrived = server.Messages();
    ASSERT_EQ(arrived.size(), 1u);
    const QJsonObject& m = arrived[0];
    EXPECT_EQ(m[QStringLiteral("rcpt_tos")].toArray(),
              QJsonArray({QStringLiteral("secretario@example.org"), QStringLiteral("ayudante@example.org")}));
    EXPECT_EQ(m[QStringLiteral("subject")].toString(), QStringLiteral("Archivo de Recogidos - Marzo - Grupo 5"));
    EXPECT_EQ(m[QStringLiteral("from")].toString(), QStringLiteral("Rek <rek@example.org>"));
    EXPECT_EQ(m[QStringLiteral("body")].toString().trimmed(), QStringLiteral("Marzo archivo .k19 para Grupo 5"));
    const QJsonObject file = m[QStringLiteral("attachments")].toArray()[0].toObject();
    EXPECT_EQ(file[QStringLiteral("filename")].toString(), QStringLiteral("Grupo.k19"));
    EXPECT_EQ(QByteArray::fromBase64(file[QStringLiteral("data")].toString().toLatin1()), ReadAll(Results()));
    EXPECT_EQ(sink.messages.size(), 1) << "only the question";
}

TEST_F(SendResultsSmtpTest, EveryFailureIsReportedAndKeepsTheResultsFile)
{
    rekol::test::SmtpTestServer refusing({QStringLiteral("554 5.7.1 Message refused"), {}, {}});
    ASSERT_TRUE(refusing.IsRunning()) << refusing.Log().toStdString();
    rekol::test::SmtpTestServer running;
    ASSERT_TRUE(running.IsRunning()) << running.Log().toStdString();
    QString stopped;
    {
        rekol::test::SmtpTestServer down;
        ASSERT_TRUE(down.IsRunning());
        stopped = down.Url();
    }
    struct Case {
        const char* what;
        QString server;
        QByteArray secretary;
        QString message;
    };
    const QString failed = QStringLiteral("Send Mail failed to send message.");
    const Case cases[] = {
        {"server refuses", refusing.Url(), "secretario@example.org", failed},
        {"server down", stopped, "secretario@example.org", failed},
        {"wrong port", QStringLiteral("smtp://127.0.0.1:%1").arg(rekol::test::FreeLoopbackPort()), "secretario@example.org", failed},
        {"bad address list", running.Url(), "secretario@example.org;secretario en example.org", failed},
        {"no server configured", QString(), "secretario@example.org", QStringLiteral("Unable to load mail system support.")},
    };
    for (const Case& c : cases) {
        Load(c.secretary);
        QFile::remove(Results());
        RecordingSink messages;
        SmtpTransport smtp = Transport(c.server);
        const SendOutcome outcome = SendResults(group, smtp, messages);
        EXPECT_TRUE(outcome == SendOutcome::MailFailed || outcome == SendOutcome::MailUnavailable) << c.what;
        EXPECT_EQ(messages.messages.last(), c.message) << c.what;
        EXPECT_EQ(ReadAll(Results()), group.SerializeGroup()) << c.what;
    }
    EXPECT_TRUE(running.Messages().empty()) << "a list with a bad address sends nothing";
}

} // namespace
