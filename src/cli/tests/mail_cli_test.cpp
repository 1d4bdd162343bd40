#include "data/builder/group_builder.h"
#include "testing/smtp_test_server.h"

#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rekol;

namespace {

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class MailCliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GroupBuilder b(5, 2);
        b.SecretaryEmail("secretario@example.org;ayudante@example.org");
        b.AddPublisher("Ana", "Ruiz").Email("ana@example.org");
        b.AddPublisher("Luis", "Vega").Email("luis@example.org").Report(2, 0, true, 1);
        b.AddPublisher("Eva", "Sanz");
        file = dir.filePath("Grupo.k09");
        results = dir.filePath("Grupo.k19");
        ASSERT_TRUE(b.WriteTo(file));
        before = ReadAll(file);
    }
    void Configure(const QString& server)
    {
        QFile f(settings);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("[Last]\nPost=Ruiz, Ana\n\n[Mail]\nServer=%1\nFrom=rek@example.org\n").arg(server).toUtf8());
    }
    CliResult Cli(QStringList args)
    {
        args << "--today" << "2024-04-02" << "--settings" << settings;
        QProcess p;
        p.start(QStringLiteral(REKOL_CLI), args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    QTemporaryDir dir;
    QString file;
    QString results;
    QString settings = dir.filePath("rekol.ini");
    QByteArray before;
};

TEST_F(MailCliTest, SendWithYesMailsTheResultsFile)
{
    rekol::test::SmtpTestServer server;
    ASSERT_TRUE(server.IsRunning()) << server.Log().toStdString();
    Configure(server.Url());
    const CliResult run = Cli({"send", file, "--yes"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, results + "\n");
    EXPECT_TRUE(run.err.contains(QString::fromUtf8("Sus archivos puestos al día")));
    EXPECT_EQ(ReadAll(file), before) << "FILE itself never changes";

    const auto arrived = server.Messages();
    ASSERT_EQ(arrived.size(), 1u);
    EXPECT_EQ(arrived[0]["rcpt_tos"].toArray(), QJsonArray({"secretario@example.org", "ayudante@example.org"}));
    EXPECT_EQ(arrived[0]["subject"].toString(), QString("Archivo de Recogidos - Marzo - Grupo 5"));
    const QJsonObject attachment = arrived[0]["attachments"].toArray()[0].toObject();
    EXPECT_EQ(QByteArray::fromBase64(attachment["data"].toString().toLatin1()), ReadAll(results));
}

TEST_F(MailCliTest, SendWithoutYesStopsAfterTheFile)
{
    rekol::test::SmtpTestServer server;
    ASSERT_TRUE(server.IsRunning()) << server.Log().toStdString();
    Configure(server.Url());
    const CliResult run = Cli({"send", file});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, results + "\n");
    EXPECT_TRUE(QFile::exists(results));
    EXPECT_TRUE(server.Messages().empty());
}

TEST_F(MailCliTest, SendFailuresKeepTheResultsFile)
{
    struct Case {
        QString server;
        QString message;
    };
    const Case cases[] = {
        {QString(), "Unable to load mail system support."},
        {"http://127.0.0.1", "Mail system DLL is invalid."},
        {QStringLiteral("smtp://127.0.0.1:%1").arg(rekol::test::FreeLoopbackPort()), "Send Mail failed to send message."},
    };
    for (const Case& c : cases) {
        QFile::remove(results);
        Configure(c.server);
        const CliResult run = Cli({"send", "--yes", file});
        EXPECT_EQ(run.exitCode, 5) << c.server.toStdString();
        EXPECT_TRUE(run.err.trimmed().endsWith(c.message)) << run.err.toStdString();
        EXPECT_EQ(run.out, results + "\n");
        EXPECT_TRUE(QFile::exists(results));
    }
}

TEST_F(MailCliTest, SendRefusesWhatTheProgramWouldNotWrite)
{
    Configure(QString());
    EXPECT_EQ(Cli({"send", dir.filePath("Grupo.k19"), "--yes"}).exitCode, 2);
    GroupBuilder small(5, 2);
    small.AddPublisher("Ana", "Ruiz");
    ASSERT_TRUE(small.WriteTo(file));
    const CliResult run = Cli({"send", file, "--yes"});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.err.trimmed(), QString("Group has less than 3 publishers"));
    EXPECT_FALSE(QFile::exists(results));
}

TEST_F(MailCliTest, RemindMailsThePublisherWhenTheButtonWouldShow)
{
    rekol::test::SmtpTestServer server;
    ASSERT_TRUE(server.IsRunning()) << server.Log().toStdString();
    Configure(server.Url());
    const CliResult run = Cli({"remind", file, "--publisher", "1"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err.trimmed(), QString("ana@example.org")) << "the address box";
    const auto arrived = server.Messages();
    ASSERT_EQ(arrived.size(), 1u);
    EXPECT_EQ(arrived[0]["rcpt_tos"].toArray(), QJsonArray({"ana@example.org"}));
    EXPECT_EQ(arrived[0]["subject"].toString(), QString("Report"));
    EXPECT_TRUE(arrived[0]["body"].toString().startsWith(QString::fromUtf8("Por favor envíe su informe de Marzo.")));
    EXPECT_EQ(ReadAll(file), before);

    struct Case {
        QStringList args;
        int exitCode;
    };
    const Case refused[] = {
        {{"remind", file, "--publisher", "2"}, 4}, // has reported
        {{"remind", file, "--publisher", "3"}, 4}, // no address
        {{"remind", file, "--publisher", "4"}, 2},
        {{"remind", file, "--publisher", "0"}, 2},
        {{"remind", file}, 2},
    };
    for (const Case& c : refused) {
        const CliResult r = Cli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_EQ(server.Messages().size(), 1u);
}

TEST_F(MailCliTest, RemindReportsAFailedMailService)
{
    Configure(QStringLiteral("smtp://127.0.0.1:%1").arg(rekol::test::FreeLoopbackPort()));
    const CliResult run = Cli({"remind", file, "--publisher", "1"});
    EXPECT_EQ(run.exitCode, 5);
    EXPECT_TRUE(run.err.trimmed().endsWith("Send Mail failed to send message.")) << run.err.toStdString();
}

} // namespace
