#include "app/profile_file.h"
#include "data/builder/group_builder.h"
#include "main/reports_model.h"
#include "res/string_table.h"
#include "testing/recording_sink.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rekol;

namespace {

// April 2024: the report month is March, year slot 0.
const QDate kToday(2024, 4, 10);

// Five publishers, not in alphabetical order; 2 and 4 have reported March.
GroupBuilder FiveOfGroupSeven()
{
    GroupBuilder b(7, 2);
    b.AddPublisher("Zoe", "Zamora");
    b.AddPublisher("Ana", "Ruiz").Report(2, 0, true, 1);
    b.AddPublisher("Luis", "Abad");
    b.AddPublisher("Eva", "Soto").NoteLink(2, 0, b.AddNote("Enferma"));
    b.AddPublisher("Pablo", "Mora");
    return b;
}

class ReportsModelTest : public ::testing::Test {
protected:
    ReportsModelTest() { model.group.clock = [] { return kToday; }; }

    QString WriteGroup(const QString& name, const GroupBuilder& builder)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(builder.WriteTo(path));
        return path;
    }
    void Remember(const QString& loadPath, const QString& post = {})
    {
        ProfileFile settings(settingsPath);
        settings.WriteString("Last", "LoadPath", loadPath);
        settings.WriteString("Last", "Post", post);
        ASSERT_TRUE(settings.Save());
    }
    QString Setting(const char* key) const { return ProfileFile(settingsPath).ReadString("Last", key, "<none>"); }
    QByteArray FileBytes(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Marks publisher i as participating in March, as an entry would.
    void EnterReport(int i)
    {
        PublisherRecord& r = model.group.Record(i);
        r.SetCell(layout::StudyWord, 2, 0, static_cast<std::uint16_t>(r.Cell(layout::StudyWord, 2, 0) | layout::ParticipatedBit));
    }

    QTemporaryDir dir;
    QString settingsPath = dir.filePath("config/rekol.ini");
    test::RecordingSink sink;
    ReportsModel model{sink, settingsPath};
};

} // namespace

TEST_F(ReportsModelTest, StartupTakesTheCommandLineOrTheRememberedFile)
{
    GroupBuilder one(1, 2);
    one.AddPublisher("A", "Uno");
    one.AddPublisher("B", "Dos");
    const QString upper = WriteGroup("Uno.K09", one);
    const QString remembered = WriteGroup("Cinco.k09", FiveOfGroupSeven());
    const QString missing = dir.filePath("Falta.k09");

    struct Case {
        const char* what;
        QString commandLine;
        QString remembered;
        bool loaded;
        QString groupPath;
        int publishers;
    };
    const Case cases[] = {
        {"quoted, upper case", '"' + upper + '"', remembered, true, upper, 2},
        {"trailing blank", upper + ' ', remembered, true, remembered, 5},
        {"no command line", "", remembered, true, remembered, 5},
        {"another ending", dir.filePath("Uno.txt"), remembered, true, remembered, 5},
        {"missing file named", missing, remembered, true, missing, 0},
        {"missing file remembered", "", missing, true, missing, 0},
        {"nothing at all", "", "", false, "", 0},
        {"quotes inside", '"' + dir.path() + "/\"Uno.K09\"", "", true, upper, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Remember(c.remembered, "Ana Ruiz");
        ReportsModel m(sink, settingsPath);
        m.group.clock = [] { return kToday; };
        EXPECT_EQ(m.Start(c.commandLine), c.loaded);
        EXPECT_EQ(m.group.groupPath, c.groupPath);
        EXPECT_EQ(m.group.publisherCount, c.publishers);
        EXPECT_EQ(m.lastRegistered, QString("Ana Ruiz"));
        EXPECT_EQ(m.group.language, QString("esp"));
        EXPECT_EQ(m.startDirectory, QDir::currentPath());
    }
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(ReportsModelTest, StartupWithoutSettingsFileStartsEmptyWithThePeriodOfTheClock)
{
    EXPECT_FALSE(model.Start(""));
    EXPECT_EQ(model.group.groupPath, QString());
    EXPECT_EQ(model.lastRegistered, QString());
    EXPECT_EQ(model.group.reportMonth, 2);
    EXPECT_EQ(model.group.yearSlot, 0);
    EXPECT_FALSE(model.group.isAllocated);
}

TEST_F(ReportsModelTest, RelativeCommandLinePathIsRememberedAbsolute)
{
    WriteGroup("Cinco.k09", FiveOfGroupSeven());
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_TRUE(model.Start("Cinco.k09"));
    QDir::setCurrent(before);
    EXPECT_EQ(model.group.groupPath, dir.filePath("Cinco.k09"));
}

TEST_F(ReportsModelTest, ExitSavesTheGroupBackAndWritesBothSettings)
{
    for (const char* name : {"Cinco.k09", "CINCO.K09"}) {
        SCOPED_TRACE(name);
        const QString path = WriteGroup(name, FiveOfGroupSeven());
        ReportsModel m(sink, settingsPath);
        m.group.clock = [] { return kToday; };
        ASSERT_TRUE(m.Start(path));
        PublisherRecord& r = m.group.Record(3);
        r.SetCell(layout::StudyWord, 2, 0, layout::ParticipatedBit | 2);
        m.lastRegistered = "Luis Abad";
        m.Exit();
        EXPECT_FALSE(m.group.isAllocated);

        ReportsModel again(sink, settingsPath);
        again.group.clock = [] { return kToday; };
        ASSERT_TRUE(again.Start(""));
        EXPECT_EQ(again.group.groupPath, path);
        EXPECT_FALSE(again.group.IsNotReported(3, 2, 0)) << "the report was not saved";
        EXPECT_EQ(again.group.GetReportCell(3, 2, 0, CellStudies), 2);
        EXPECT_EQ(again.lastRegistered, QString("Luis Abad"));
    }
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(ReportsModelTest, ExitLeavesFilesItMustNotSave)
{
    GroupBuilder single(3, 2);
    single.AddPublisher("Sola", "Una");
    const QString one = WriteGroup("Una.k09", single);
    const QByteArray before = FileBytes(one);
    ASSERT_TRUE(model.Start(one));
    model.group.Record(1).SetCell(layout::StudyWord, 2, 0, layout::ParticipatedBit);
    model.Exit();
    EXPECT_EQ(FileBytes(one), before); // a group of one publisher is never saved
    EXPECT_TRUE(sink.messages.isEmpty()); // ... and no refusal is shown
    EXPECT_EQ(Setting("LoadPath"), one);

    const QString missing = dir.filePath("Falta.k09");
    ReportsModel m(sink, settingsPath);
    m.group.clock = [] { return kToday; };
    ASSERT_TRUE(m.Start(missing));
    m.Exit();
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(Setting("LoadPath"), missing); // the old path is written back
    EXPECT_EQ(Setting("Post"), QString());
}

TEST_F(ReportsModelTest, ExitWithoutAnyGroupStillWritesTheSettings)
{
    EXPECT_FALSE(model.Start(""));
    model.Exit();
    EXPECT_EQ(Setting("LoadPath"), QString());
    EXPECT_EQ(Setting("Post"), QString());
    model.Exit(); // a second exit finds nothing to save or release
}

TEST_F(ReportsModelTest, ListIsInRecordOrderAndTheFilterKeepsThePosition)
{
    ASSERT_TRUE(model.Start(WriteGroup("Cinco.k09", FiveOfGroupSeven())));
    auto texts = [&] {
        QStringList t;
        for (const PublisherLine& line : model.Lines())
            t << line.text + '#' + QString::number(line.record);
        return t;
    };
    model.FillList();
    EXPECT_EQ(texts(), QStringList({"Zamora, Zoe#1", "Ruiz, Ana#2", "Abad, Luis#3", "Soto, Eva#4", "Mora, Pablo#5"}));

    model.filterNotReported = 1;
    model.selectedIndex = 1;
    model.FillList();
    EXPECT_EQ(texts(), QStringList({"Zamora, Zoe#1", "Abad, Luis#3", "Mora, Pablo#5"}));
    EXPECT_EQ(model.selectedIndex, 1);
    EXPECT_EQ(model.RecordAt(1), 3);

    // Luis reports: the same line now holds the next one not reported.
    EnterReport(3);
    model.FillList();
    EXPECT_EQ(model.selectedIndex, 1);
    EXPECT_EQ(model.RecordAt(1), 5);

    // Past the new end: the first line.
    EnterReport(5);
    model.FillList();
    EXPECT_EQ(model.selectedIndex, 0);
    EXPECT_EQ(model.RecordAt(0), 1);
    EXPECT_EQ(model.RecordAt(1), 0);

    EnterReport(1);
    model.selectedIndex = -1;
    model.FillList();
    EXPECT_TRUE(model.Lines().empty());
    EXPECT_EQ(model.selectedIndex, -1);
    EXPECT_EQ(model.RecordForEntry(0), std::nullopt);
}

TEST_F(ReportsModelTest, SelectionDecidesPhoneAndReminderControls)
{
    GroupBuilder b(5, 2);
    b.AddPublisher("Cero", "Telefonos").Phones("123", "", "12345").Email("cero@ejemplo.org");
    b.AddPublisher("Uno", "Telefono").Phones("", "555 1234").Email("  uno@ejemplo.org ");
    b.AddPublisher("Dos", "Telefonos").Phones("555 1111", "555 2222").Email("dos@ejemplo");
    b.AddPublisher("Tres", "Telefonos").Phones("555 1111", "555 2222", "555 3333").Email("tres@ejemplo.org")
        .Report(2, 0, true, 0);
    b.AddPublisher("José", "Muñoz").Phones("600 123 456").Email("jose@ejemplo.org");
    ASSERT_TRUE(model.Start(WriteGroup("Grupo.k09", b)));
    model.FillList();

    struct Case {
        int row;
        const char* ok;
        const char* phone;
        bool next;
        const char* reminder; // empty: hidden
    };
    const Case cases[] = {
        {0, "Entrar el Informe - Cero Telefonos", "", false, "E-mail - cero@ejemplo.org"},
        {1, "Entrar el Informe - Uno Telefono", "555 1234", false, "E-mail - uno@ejemplo.org"},
        {2, "Entrar el Informe - Dos Telefonos", "555 1111", true, ""},   // address not usable
        {3, "Entrar el Informe - Tres Telefonos", "555 1111", true, ""},  // has reported
        {4, "Entrar el Informe - José Muñoz", "600 123 456", false, "E-mail - jose@ejemplo.org"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        model.group.phoneCursor = 2;
        const std::optional<SelectionView> view = model.UpdateSelection(c.row);
        ASSERT_TRUE(view.has_value());
        EXPECT_EQ(view->okText, QString::fromUtf8(c.ok));
        EXPECT_EQ(view->phoneNumber, QString(c.phone));
        EXPECT_EQ(view->phoneVisible, *c.phone != 0);
        EXPECT_EQ(view->nextPhoneVisible, c.next);
        EXPECT_EQ(view->reminderText, QString(c.reminder));
        EXPECT_EQ(view->reminderVisible, *c.reminder != 0);
        EXPECT_EQ(model.group.phoneCursor, 0); // restarts at the first number
        EXPECT_EQ(model.selectedIndex, c.row);
    }
    EXPECT_EQ(model.UpdateSelection(-1), std::nullopt);
    EXPECT_EQ(model.selectedIndex, -1);
}

TEST_F(ReportsModelTest, GroupOfOnePublisherNeverChangesTheSelectionControls)
{
    GroupBuilder b(5, 2);
    b.AddPublisher("Sola", "Una").Phones("555 1234").Email("una@ejemplo.org");
    ASSERT_TRUE(model.Start(WriteGroup("Una.k09", b)));
    model.FillList();
    ASSERT_EQ(model.Lines().size(), 1u);
    EXPECT_EQ(model.UpdateSelection(0), std::nullopt);
    EXPECT_EQ(model.group.phoneCount, 0);
    EXPECT_EQ(model.RecordForEntry(0), std::optional<int>(1)); // Enter still reaches it
}

TEST_F(ReportsModelTest, StatusLinesTitleAndGroupControls)
{
    ASSERT_TRUE(model.Start(WriteGroup("Cinco.k09", FiveOfGroupSeven())));
    model.lastRegistered = "Ana Ruiz";
    model.FillList();
    StatusView view = model.Status();
    EXPECT_EQ(view.title, QString("Informes Marzo - Grupo 7 "));
    EXPECT_EQ(view.notReportedLine, QString("Sin Informar en Marzo = 3"));
    EXPECT_EQ(view.totalLine, QString("Total Publicadores = 5"));
    EXPECT_EQ(view.lastRegistered, QString("Ana Ruiz"));
    EXPECT_TRUE(view.sendVisible);
    EXPECT_TRUE(view.filterVisible);

    // Everybody reported and the filter on: an empty list.
    for (int i : {1, 3, 5})
        EnterReport(i);
    model.filterNotReported = 1;
    model.FillList();
    view = model.Status();
    EXPECT_EQ(view.notReportedLine, QString("Sin Informar en Marzo = 0"));
    EXPECT_FALSE(view.sendVisible);
    EXPECT_TRUE(view.filterVisible);
}

TEST_F(ReportsModelTest, StatusOfAMissingFileShowsGroupZero)
{
    ASSERT_TRUE(model.Start(dir.filePath("Falta.k09")));
    model.FillList();
    const StatusView view = model.Status();
    EXPECT_EQ(view.title, QString("Informes Marzo - Grupo 0 "));
    EXPECT_EQ(view.totalLine, QString("Total Publicadores = 0"));
    EXPECT_FALSE(view.sendVisible);
    EXPECT_FALSE(view.filterVisible);
}

TEST_F(ReportsModelTest, OpeningAnotherGroupSavesTheOpenOneFirst)
{
    const QString first = WriteGroup("Cinco.K09", FiveOfGroupSeven());
    GroupBuilder other(9, 2);
    other.AddPublisher("A", "Otro");
    other.AddPublisher("B", "Otro");
    const QString second = WriteGroup("Otro.k09", other);
    ASSERT_TRUE(model.Start(first));
    EnterReport(1);
    model.lastRegistered = "Zoe Zamora";

    EXPECT_TRUE(model.OpenGroup(second));
    EXPECT_EQ(model.group.groupPath, second);
    EXPECT_EQ(model.group.groupNumber, 9);
    EXPECT_EQ(model.lastRegistered, QString());

    ReportsModel check(sink, settingsPath);
    check.group.clock = [] { return kToday; };
    ASSERT_TRUE(check.Start(first));
    EXPECT_FALSE(check.group.IsNotReported(1, 2, 0)) << "the typed report was lost";
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(ReportsModelTest, OpeningAnotherGroupKeepsTheOpenOneWhenItCannotBeSaved)
{
    const QString first = WriteGroup("Cinco.k09", FiveOfGroupSeven());
    const QString second = WriteGroup("Otro.k09", FiveOfGroupSeven());
    ASSERT_TRUE(model.Start(first));
    EnterReport(1);
    // The group's file has become a folder: it cannot be written.
    ASSERT_TRUE(QFile::remove(first));
    ASSERT_TRUE(QDir().mkdir(first));

    EXPECT_FALSE(model.OpenGroup(second));
    EXPECT_EQ(model.group.groupPath, first);
    EXPECT_EQ(model.group.publisherCount, 5);
    EXPECT_FALSE(model.group.IsNotReported(1, 2, 0));
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].startsWith("Incapaz crear el archivo nuevo:"));
}

TEST_F(ReportsModelTest, OpenDialogStartsInTheOpenGroupsFolder)
{
    QDir(dir.path()).mkdir("grupos");
    const QString path = WriteGroup("grupos/Cinco.k09", FiveOfGroupSeven());
    ASSERT_TRUE(model.Start(path));
    EXPECT_EQ(model.OpenDialogDirectory(), dir.filePath("grupos"));

    model.group.groupPath = dir.filePath("grupos/Falta.k09");
    EXPECT_EQ(model.OpenDialogDirectory(), model.startDirectory);
    model.group.groupPath = "/a.k09"; // eight characters
    EXPECT_EQ(model.OpenDialogDirectory(), model.startDirectory);
}

TEST_F(ReportsModelTest, HelpTextIsTheEightPiecesInOrder)
{
    const QString help = model.HelpText();
    EXPECT_TRUE(help.startsWith("Ayudas para usar Rekol\n\nObtenga del Secretario"));
    EXPECT_TRUE(help.contains("recoger informes.  Descargue el archivo Rekol"));
    EXPECT_TRUE(help.endsWith("entregarlo personalmente al secretario."));
    int length = 0;
    for (int id = 1059; id <= 1066; ++id)
        length += static_cast<int>(LoadResString(id).size());
    EXPECT_EQ(help.size(), length);
}
