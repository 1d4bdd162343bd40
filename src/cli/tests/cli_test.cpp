#include "data/builder/group_builder.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rekol;

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

CliRun RunCli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(REKOL_CLI), args);
    p.waitForFinished(30000);
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

GroupBuilder SampleGroup()
{
    GroupBuilder b(5, 2);
    b.SecretaryEmail("secretario@example.org");
    b.AddPublisher("Ana", "Ruiz").Email("ana@example.org").Phones("5551234", "123", "5559999");
    b.AddPublisher(QString::fromUtf8("José"), QString::fromUtf8("Muñoz"))
        .StatusAll(StatusRegularPioneer)
        .Appointment(6)
        .Group(-3)
        .Report(2, 0, true, 2, 30)
        .Credit(2, 0, 0x1214)
        .NoteLink(2, 0, b.AddNote("20 escuela"))
        .Late(7);
    b.AddPublisher("Luis", "Vega").Report(1, 0, true, 1).Report(2, 1, true, 4);
    return b;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        file = dir.filePath("Grupo.k09");
        ASSERT_TRUE(SampleGroup().WriteTo(file));
    }

    QJsonObject Show(const QStringList& extra)
    {
        const CliRun run = RunCli(QStringList{"show"} << extra);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return QJsonDocument::fromJson(run.out).object();
    }

    QTemporaryDir dir;
    QString file;
};

} // namespace

TEST_F(CliTest, ShowPrintsTheGroupForTheReportPeriod)
{
    const QByteArray before = ReadAll(file);
    const QJsonObject o = Show({file, "--today", "2024-04-02"});
    EXPECT_EQ(o["groupNumber"].toInt(), 5);
    EXPECT_EQ(o["reportMonth"].toInt(), 2);
    EXPECT_EQ(o["yearSlot"].toInt(), 0);
    EXPECT_EQ(o["month"].toInt(), 2);
    EXPECT_EQ(o["publisherCount"].toInt(), 3);
    EXPECT_EQ(o["noteCount"].toInt(), 1);
    EXPECT_EQ(o["secretaryEmail"].toString(), QString("secretario@example.org"));
    EXPECT_EQ(o["notReportedCount"].toInt(), 2);

    const QJsonArray publishers = o["publishers"].toArray();
    ASSERT_EQ(publishers.size(), 3);
    const QJsonObject ana = publishers[0].toObject();
    EXPECT_EQ(ana["index"].toInt(), 1);
    EXPECT_EQ(ana["phones"].toArray(), (QJsonArray{"5551234", "5559999"}));
    EXPECT_EQ(ana["formPhones"].toArray(), (QJsonArray{"5551234", "5559999"}));
    EXPECT_EQ(ana["phone2"].toString(), QString("123"));
    EXPECT_TRUE(ana["notReported"].toBool());
    EXPECT_EQ(ana["note"].toString(), QString(""));

    const QJsonObject jose = publishers[1].toObject();
    EXPECT_EQ(jose["displayName"].toString(), QString::fromUtf8("José Muñoz"));
    EXPECT_EQ(jose["listName"].toString(), QString::fromUtf8("Muñoz, José"));
    EXPECT_EQ(jose["group"].toInt(), -3);
    EXPECT_EQ(jose["appointment"].toInt(), 2);
    EXPECT_EQ(jose["status"].toInt(), 2);
    EXPECT_EQ(jose["statusByte"].toInt(), 2);
    EXPECT_TRUE(jose["participated"].toBool());
    EXPECT_EQ(jose["studies"].toInt(), 2);
    EXPECT_EQ(jose["hours"].toInt(), 30);
    EXPECT_EQ(jose["credit"].toInt(), 0x14);
    EXPECT_EQ(jose["noteIndex"].toInt(), 1);
    EXPECT_EQ(jose["note"].toString(), QString("20 escuela"));
    EXPECT_EQ(jose["phones"].toArray(), QJsonArray());
    EXPECT_EQ(jose["formPhones"].toArray(), (QJsonArray{"", ""}));
    const QJsonArray late = jose["late"].toArray();
    ASSERT_EQ(late.size(), 12);
    EXPECT_TRUE(late[7].toBool());
    EXPECT_FALSE(late[6].toBool());
    EXPECT_FALSE(jose["notReported"].toBool());

    EXPECT_EQ(ReadAll(file), before);
}

TEST_F(CliTest, ShowTakesMonthAndDateOptionsAnywhere)
{
    const QJsonObject february = Show({"--month", "1", file, "--today", "2024-04-02"});
    EXPECT_EQ(february["month"].toInt(), 1);
    EXPECT_EQ(february["notReportedCount"].toInt(), 2);
    EXPECT_TRUE(february["publishers"].toArray()[2].toObject()["participated"].toBool());

    // Odd report year: slot 1, where only Luis has reported for March.
    const QJsonObject odd = Show({file, "--today", "2025-04-02"});
    EXPECT_EQ(odd["yearSlot"].toInt(), 1);
    EXPECT_EQ(odd["notReportedCount"].toInt(), 2);
    EXPECT_EQ(odd["publishers"].toArray()[2].toObject()["studies"].toInt(), 4);
}

TEST_F(CliTest, ExitCodesOfRefusals)
{
    struct Case {
        QStringList args;
        int exitCode;
    };
    QByteArray outside = SampleGroup().Build();
    outside[180] = char(0x90);
    QFile f(dir.filePath("bad.k09"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(outside);
    f.close();
    ASSERT_TRUE(QFile::copy(file, dir.filePath("Grupo.txt")));

    const Case cases[] = {
        {{"show", dir.filePath("missing.k09")}, 2},
        {{"show", file, "--month", "12"}, 2},
        {{"show", file, "--today", "2024-13-01"}, 2},
        {{"show", file, "--bogus"}, 2},
        {{"show"}, 2},
        {{"frobnicate", file}, 2},
        {{"show", dir.filePath("bad.k09")}, 3},
        {{"results", dir.filePath("bad.k09")}, 3},
        {{"results", dir.filePath("Grupo.txt")}, 2},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
}

TEST_F(CliTest, ResultsWritesTheK19BesideTheFile)
{
    const QString folder = dir.filePath("Grupos.k09");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString upper = folder + "/Grupo.K09";
    ASSERT_TRUE(QFile::copy(file, upper));
    const CliRun run = RunCli({"results", upper, "--today", "2024-04-02"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString results = folder + "/Grupo.k19";
    EXPECT_EQ(run.out.trimmed(), results.toUtf8());
    EXPECT_EQ(ReadAll(results), ReadAll(upper));
}

TEST_F(CliTest, ResultsOfAOnePublisherGroupIsRefused)
{
    GroupBuilder one;
    one.AddPublisher("Ana", "Ruiz");
    ASSERT_TRUE(one.WriteTo(dir.filePath("one.k09")));
    const CliRun run = RunCli({"results", dir.filePath("one.k09")});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.err, QString("Group has less than 3 publishers\n"));
    EXPECT_FALSE(QFile::exists(dir.filePath("one.k19")));
}
