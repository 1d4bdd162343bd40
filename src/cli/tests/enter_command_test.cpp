// rekol-cli enter, run as a separate process on files made by the builder.
#include "data/builder/group_builder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rekol;

namespace {

struct EnterRun {
    int exitCode = -1;
    QJsonObject publisher;
    QString err;
};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class EnterCommandTest : public ::testing::Test {
protected:
    // Ana: a publisher whose record is full of bytes nobody interprets.
    // José: a regular pioneer with a note. Luis: a plain publisher.
    void SetUp() override
    {
        builder.SecretaryEmail("secretario@example.org");
        PublisherRecord& ana = builder.AddPublisher("Ana", "Ruiz").Late(7).record;
        for (std::size_t k : {std::size_t{0}, std::size_t{1}})
            ana.bytes[k] = static_cast<std::uint8_t>(0xC0 + k);
        for (std::size_t k = 170; k <= 180; ++k)
            ana.bytes[k] = static_cast<std::uint8_t>(k);
        for (std::size_t k = 182; k < layout::RecordSize; ++k)
            ana.bytes[k] = static_cast<std::uint8_t>(k * 37 + 11);
        for (int m = 0; m < layout::MonthCount; ++m)
            for (int s = 0; s < 3; ++s)
                ana.SetCell(layout::NoteIndex, m, s, 0);
        ana.bytes[layout::StatusOffset(2, 0)] = 0xA5; // auxiliary pioneer, bits 2..7 set
        ana.bytes[layout::StatusOffset(0, 0)] = 0xA5;
        ana.SetCell(layout::StudyWord, 2, 0, 0xA405); // bits 12..15 and 10 set, studies 5
        ana.SetCell(layout::StudyWord, 0, 0, 0x5000);
        ana.SetCell(layout::Hours, 0, 0, 0);
        ana.SetCell(layout::Hours, 2, 0, 0);
        builder.AddPublisher(QString::fromUtf8("José"), QString::fromUtf8("Muñoz"))
            .StatusAll(StatusRegularPioneer)
            .Report(2, 0, true, 2, 30)
            .NoteLink(2, 0, builder.AddNote("20 escuela"));
        builder.AddPublisher("Luis", "Vega");
        file = dir.filePath("Grupo.k09");
        ASSERT_TRUE(builder.WriteTo(file));
    }

    EnterRun Enter(const QStringList& options)
    {
        QProcess p;
        p.start(QStringLiteral(REKOL_CLI), QStringList{"enter", file, "--today", "2024-04-02"} << options);
        p.waitForFinished(30000);
        return {p.exitCode(), QJsonDocument::fromJson(p.readAllStandardOutput()).object(),
                QString::fromUtf8(p.readAllStandardError())};
    }

    // The builder with the entry `k` (all zero) that showing a month without
    // a note reserves.
    void Reserve(int count)
    {
        for (int k = 0; k < count; ++k)
            builder.notes.push_back(NoteEntry{});
    }

    GroupBuilder builder{5, 2};
    QTemporaryDir dir;
    QString file;
};

} // namespace

TEST_F(EnterCommandTest, StoresOnlyTheMonthEntered)
{
    const EnterRun run = Enter({"--publisher", "1", "--participated", "1", "--hours", "12", "--studies", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QString());

    PublisherRecord& ana = builder.publishers[0];
    ana.SetCell(layout::Hours, 2, 0, 12);
    ana.SetCell(layout::StudyWord, 2, 0, 0xA000 | layout::ParticipatedBit | 3);
    ana.SetCell(layout::CreditHours, 2, 0, 0);
    Reserve(1);
    EXPECT_EQ(ReadAll(file), builder.Build());

    EXPECT_EQ(run.publisher["index"].toInt(), 1);
    EXPECT_EQ(run.publisher["hours"].toInt(), 12);
    EXPECT_EQ(run.publisher["studies"].toInt(), 3);
    EXPECT_TRUE(run.publisher["participated"].toBool());
    EXPECT_EQ(run.publisher["statusByte"].toInt(), 0xA5);
    EXPECT_FALSE(run.publisher["notReported"].toBool());
}

TEST_F(EnterCommandTest, LateReportSetsTheLateFlag)
{
    const EnterRun run = Enter({"--month", "0", "--publisher", "1", "--participated", "1", "--hours", "1.5"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    PublisherRecord& ana = builder.publishers[0];
    ana.SetCell(layout::Hours, 0, 0, 1);
    ana.SetCell(layout::StudyWord, 0, 0, 0x5000 | layout::ParticipatedBit);
    ana.SetCell(layout::CreditHours, 0, 0, 0);
    ana.bytes[layout::LateFlagOffset(0)] = 1;
    Reserve(3); // March at opening, January selected, January again on closing
    EXPECT_EQ(ReadAll(file), builder.Build());

    const QJsonArray late = run.publisher["late"].toArray();
    EXPECT_TRUE(late[0].toBool());
    EXPECT_TRUE(late[7].toBool());
    EXPECT_FALSE(late[2].toBool());
    EXPECT_EQ(run.publisher["hours"].toInt(), 1);
}

TEST_F(EnterCommandTest, NotesAreStored)
{
    const EnterRun luis = Enter({"--publisher", "3", "--note", "de viaje"});
    ASSERT_EQ(luis.exitCode, 0) << luis.err.toStdString();
    EXPECT_EQ(luis.publisher["note"].toString(), QString("de viaje"));
    EXPECT_EQ(luis.publisher["noteIndex"].toInt(), 2);
    EXPECT_FALSE(luis.publisher["notReported"].toBool());
    EXPECT_FALSE(luis.publisher["participated"].toBool());
    // The new note's entry and the one after it are both counted.
    builder.publishers[2].SetCell(layout::NoteIndex, 2, 0, 2);
    builder.AddNote("de viaje");
    Reserve(1);
    EXPECT_EQ(ReadAll(file), builder.Build());

    // A regular pioneer's credit typed at the start of the note.
    const EnterRun jose = Enter({"--publisher", "2", "--note", QString::fromUtf8("12 señal"), "--hours", "50"});
    ASSERT_EQ(jose.exitCode, 0) << jose.err.toStdString();
    EXPECT_EQ(jose.publisher["note"].toString(), QString::fromUtf8("12 señal"));
    EXPECT_EQ(jose.publisher["noteIndex"].toInt(), 1);
    EXPECT_EQ(jose.publisher["credit"].toInt(), 5);
    EXPECT_EQ(jose.publisher["hours"].toInt(), 50);
    EXPECT_EQ(ReadAll(file).mid(4 * 816, 9), QByteArray("12 se\xF1" "al", 9));
}

TEST_F(EnterCommandTest, RefusedEntriesWriteNothing)
{
    struct Case {
        QStringList options;
        QString message;
    };
    const Case cases[] = {
        {{"--publisher", "1", "--participated", "1", "--studies", "64"},
         "Please enter an integer between 0 and 63."},
        {{"--publisher", "1", "--participated", "1", "--studies", "1.5"}, "Please enter a positive integer."},
        {{"--publisher", "1", "--participated", "1", "--hours", "70000"},
         "Please enter an integer between 0 and 65535."},
        {{"--publisher", "3", "--participated", "1", "--hours", "5"},
         "--hours: the box \"Horas\" is not shown for this publisher and month"},
        {{"--publisher", "3", "--studies", "5"},
         "--studies: the box \"Cr.Bi.\" is not shown for this publisher and month"},
        {{"--publisher", "2", "--aux", "1"},
         "--aux: the box \"Precursor Auxiliar\" is not shown for this publisher and month"},
        {{"--publisher", "3", "--note", QString::fromUtf8("visita Ω")},
         QString::fromUtf8("No se puede guardar la nota: el carácter \"Ω\" no existe en el juego de caracteres del "
                           "archivo.")},
    };
    const QByteArray before = ReadAll(file);
    for (const Case& c : cases) {
        const EnterRun run = Enter(c.options);
        EXPECT_EQ(run.exitCode, 4) << c.options.join(' ').toStdString();
        EXPECT_EQ(run.err, c.message + "\n");
        EXPECT_TRUE(run.publisher.isEmpty());
        EXPECT_EQ(ReadAll(file), before);
    }
}

TEST_F(EnterCommandTest, ExitCodes)
{
    GroupBuilder one;
    one.AddPublisher("Ana", "Ruiz");
    const QString small = dir.filePath("uno.k09");
    ASSERT_TRUE(one.WriteTo(small));
    QByteArray outside = builder.Build();
    outside[238] = 12;
    QFile bad(dir.filePath("malo.k09"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(outside);
    bad.close();
    ASSERT_TRUE(QFile::copy(file, dir.filePath("Grupo.txt")));

    struct Case {
        QStringList args;
        int exitCode;
    };
    const Case cases[] = {
        {{file}, 2},
        {{file, "--publisher", "4"}, 2},
        {{file, "--publisher", "0"}, 2},
        {{file, "--publisher", "uno"}, 2},
        {{file, "--publisher", "1", "--participated", "2"}, 2},
        {{file, "--publisher", "1", "--aux", "si"}, 2},
        {{file, "--publisher", "1", "--month", "12"}, 2},
        {{file, "--publisher", "1", "--hours"}, 2},
        {{dir.filePath("Grupo.txt"), "--publisher", "1"}, 2},
        {{dir.filePath("falta.k09"), "--publisher", "1"}, 2},
        {{dir.filePath("malo.k09"), "--publisher", "1"}, 3},
        {{small, "--publisher", "1", "--participated", "1"}, 4},
    };
    const QByteArray before = ReadAll(file);
    const QByteArray smallBefore = ReadAll(small);
    for (const Case& c : cases) {
        QProcess p;
        p.start(QStringLiteral(REKOL_CLI), QStringList{"enter"} << c.args);
        p.waitForFinished(30000);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_EQ(p.exitCode(), c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
        EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
    }
    EXPECT_EQ(ReadAll(file), before);
    EXPECT_EQ(ReadAll(small), smallBefore);

    QProcess p;
    p.start(QStringLiteral(REKOL_CLI), {"enter", small, "--publisher", "1"});
    p.waitForFinished(30000);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()), QString("Group has less than 3 publishers\n"));
}
