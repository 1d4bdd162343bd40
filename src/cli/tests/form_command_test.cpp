#include "data/builder/group_builder.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rekol;

namespace {

struct CliRun {
    int exitCode = -1;
    QString err;
};

CliRun RunCli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(REKOL_CLI), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The text of a PDF, or nothing when poppler's pdftotext is missing.
std::optional<QString> PdfText(const QString& pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess p;
    p.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class FormCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        file = dir.filePath(QStringLiteral("Grupo.k09"));
        GroupBuilder b(7, 2);
        b.AddPublisher(QString::fromUtf8("José"), QString::fromUtf8("Muñoz"))
            .Phones(QStringLiteral("555 1234"), QStringLiteral("555 9876"))
            .Report(2, 0, true, 2, 30)
            .Report(2, 1, true, 2, 30)
            .Report(0, 0, true, 1, 0)
            .Report(0, 1, true, 1, 0);
        for (int i = 2; i <= 33; ++i)
            b.AddPublisher(QStringLiteral("P%1").arg(i), QStringLiteral("X"));
        ASSERT_TRUE(b.WriteTo(file));
    }

    QStringList Args(const QStringList& more) const
    {
        return QStringList{QStringLiteral("form"), file, QStringLiteral("--today"), QStringLiteral("2024-04-10")} +
               more;
    }

    QTemporaryDir dir;
    QString file;
};

TEST_F(FormCommandTest, WritesThePdfAndLeavesTheGroupFileAlone)
{
    const QByteArray before = ReadAll(file);
    const QString pdf = dir.filePath(QStringLiteral("form.pdf"));
    const CliRun run = RunCli(Args({QStringLiteral("-o"), pdf}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QString());
    EXPECT_TRUE(ReadAll(pdf).startsWith("%PDF-"));
    EXPECT_EQ(ReadAll(file), before);
    const std::optional<QString> text = PdfText(pdf);
    if (!text)
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(text->contains(QStringLiteral("Report Collection Form - Marzo")));
    EXPECT_TRUE(text->contains(QStringLiteral("Grupo #7")));
    EXPECT_TRUE(text->contains(QString::fromUtf8("José Muñoz")));
    EXPECT_TRUE(text->contains(QStringLiteral("555 9876")));
    EXPECT_TRUE(text->contains(QStringLiteral("P33 X")));
    EXPECT_EQ(text->count(QLatin1Char('\f')), 2); // two pages
}

TEST_F(FormCommandTest, TraceHoldsTheDrawingCallsInDevicePixels)
{
    const QString pdf = dir.filePath(QStringLiteral("form.pdf"));
    const QString trace = dir.filePath(QStringLiteral("form.txt"));
    const CliRun run = RunCli(Args({QStringLiteral("--dpi"), QStringLiteral("96"), QStringLiteral("-o"), pdf,
                                    QStringLiteral("--trace"), trace, QStringLiteral("--month"), QStringLiteral("0")}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<QByteArray> lines = ReadAll(trace).split('\n');
    ASSERT_GT(lines.size(), 12);
    EXPECT_EQ(lines[0], "page");
    EXPECT_EQ(lines[1], "text 48 48 left 140 bold \"Report Collection Form - Enero\"");
    EXPECT_EQ(lines[2], "text 48 80 left 120 bold \"Grupo #7  \"");
    EXPECT_EQ(lines[10], "text 48 147 left 100 normal \"Jos\xC3\xA9 Mu\xC3\xB1oz\"");
    EXPECT_EQ(lines[11], "text 240 141 left 80 normal \"555 1234\"");
    EXPECT_EQ(lines[12], "text 259 152 left 80 normal \"555 9876\"");
    EXPECT_TRUE(lines.contains("text 451 147 right 100 normal \"1\""));
    EXPECT_TRUE(lines.contains("line 44 908 737 908 2"));
    EXPECT_EQ(lines.count("page"), 2);
}

TEST_F(FormCommandTest, RefusesBadRequests)
{
    const QString pdf = dir.filePath(QStringLiteral("form.pdf"));
    struct Case {
        QStringList args;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{QStringLiteral("form"), file}, 2, "-o"},
        {Args({QStringLiteral("-o"), pdf, QStringLiteral("--dpi"), QStringLiteral("0")}), 2, "--dpi"},
        {Args({QStringLiteral("-o"), pdf, QStringLiteral("--month"), QStringLiteral("12")}), 2, "--month"},
        {{QStringLiteral("form"), dir.filePath(QStringLiteral("none.k09")), QStringLiteral("-o"), pdf}, 2, "cannot open"},
        {Args({QStringLiteral("-o"), dir.filePath(QStringLiteral("no/such/dir/form.pdf"))}), 2, "no hdc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.contains(QLatin1String(c.message))) << run.err.toStdString();
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

} // namespace
