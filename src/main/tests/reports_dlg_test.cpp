#include "app/profile_file.h"
#include "data/builder/group_builder.h"
#include "main/reports_ids.h"
#include "main/widgets/reports_dlg.h"
#include "res/string_table.h"
#include "testing/recording_sink.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace rekol;

namespace {

const QDate kToday(2024, 4, 10); // report month March

// Calls `handle` with the next modal dialog that opens, from inside that
// dialog's event loop; gives up after ten seconds. A dialog the handler
// leaves open is rejected, so a failing check never hangs the test.
class ModalWatch {
public:
    explicit ModalWatch(std::function<void(QDialog*)> handle)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, handle] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                if (++tries_ > 6000)
                    timer_.stop();
                return;
            }
            timer_.stop();
            seen = true;
            title = dialog->windowTitle();
            handle(dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->reject();
            }
        });
        timer_.start(10);
    }
    bool seen = false;
    QString title;

private:
    QTimer timer_;
    int tries_ = 0;
};

// Chooses `path` in the open dialog as a user typing it would.
void ChooseFile(QDialog* dialog, const QString& path)
{
    auto* files = qobject_cast<QFileDialog*>(dialog);
    ASSERT_NE(files, nullptr);
    auto* name = files->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText(path);
    dialog->accept();
}

// Six publishers of group 5 for March, in record order (not alphabetical):
// 1 no phone, 2 one phone, 3 two phones, 4 three phones and reported,
// 5 reported through a note, 6 one phone and an address.
GroupBuilder SixOfGroupFive()
{
    GroupBuilder b(5, 2);
    b.AddPublisher("Zoe", "Zamora").Email("zoe@ejemplo.org");
    b.AddPublisher("Ana", "Ruiz").Phones("555 1234");
    b.AddPublisher("Luis", "Abad").Phones("555 1111", "", "555 3333");
    b.AddPublisher("Eva", "Soto").Phones("555 1111", "555 2222", "555 3333").Email("eva@ejemplo.org")
        .Report(2, 0, true, 1);
    b.AddPublisher("Pablo", "Mora").NoteLink(2, 0, b.AddNote("Enfermo"));
    b.AddPublisher("Marta", "Molina").Phones("600 123 456").Email("marta@ejemplo.org");
    return b;
}

class ReportsDlgTest : public ::testing::Test {
protected:
    QString WriteGroup(const QString& name, const GroupBuilder& builder)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(builder.WriteTo(path));
        return path;
    }
    void Remember(const QString& loadPath)
    {
        ProfileFile settings(settingsPath);
        settings.WriteString("Last", "LoadPath", loadPath);
        settings.WriteString("Last", "Post", "Ana Ruiz");
        ASSERT_TRUE(settings.Save());
    }
    CReportsDlg& Open(const QString& commandLine)
    {
        dlg = std::make_unique<CReportsDlg>(sink, settingsPath);
        dlg->Group().clock = [] { return kToday; };
        dlg->OnInitDialog(commandLine);
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get(), 30000));
        return *dlg;
    }
    bool Hidden(int id) const { return dlg->GetDlgItem(id)->isHidden(); }
    QString Text(int id) const { return dlg->GetDlgItemText(id); }
    QListWidget& List() const { return *dlg->PublisherList(); }
    QStringList Lines() const
    {
        QStringList lines;
        for (int row = 0; row < List().count(); ++row)
            lines << List().item(row)->text();
        return lines;
    }
    void Click(int id) const { QTest::mouseClick(dlg->GetDlgItem(id), Qt::LeftButton); }
    void MarkReported(int i) const
    {
        PublisherRecord& r = dlg->Group().Record(i);
        r.SetCell(layout::StudyWord, 2, 0, layout::ParticipatedBit);
    }

    QTemporaryDir dir;
    QString settingsPath = dir.filePath("rekol.ini");
    test::RecordingSink sink;
    std::unique_ptr<CReportsDlg> dlg;
};

} // namespace

TEST_F(ReportsDlgTest, StartsEmptyWithoutFileOrSettings)
{
    Open("");
    EXPECT_EQ(dlg->windowTitle(), QString("Informes del Servicio del Campo"));
    EXPECT_EQ(List().count(), 0);
    for (int id : {IDC_SEND_RESULTS, IDC_VIEW_FORM, IDC_FILTER_NOT_REPORTED, IDC_DIAL, IDC_NEXT_PHONE,
                   IDC_SEND_REMINDER, IDC_PREVIEW_REMINDER})
        EXPECT_TRUE(Hidden(id)) << id;
    EXPECT_EQ(Text(IDOK), QString("OK"));
    EXPECT_TRUE(List().hasFocus());
    EXPECT_FALSE(dlg->windowIcon().isNull());

    // Enter on an empty list opens nothing.
    ModalWatch watch([](QDialog* d) { d->reject(); });
    QTest::keyClick(&List(), Qt::Key_Return);
    QTest::qWait(50);
    EXPECT_FALSE(watch.seen);
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(ReportsDlgTest, StartupCombinationsOfCommandLineAndRememberedFile)
{
    GroupBuilder other(8, 2);
    other.AddPublisher("A", "Uno");
    other.AddPublisher("B", "Dos");
    const QString upper = WriteGroup("OTRO.K09", other);
    const QString remembered = WriteGroup("Grupo5.k09", SixOfGroupFive());
    struct Case {
        const char* what;
        QString commandLine;
        QString remembered;
        QString title;
        int lines;
    };
    const Case cases[] = {
        {"quoted upper case", '"' + upper + '"', remembered, "Informes Marzo - Grupo 8 ", 2},
        {"trailing blank", upper + ' ', remembered, "Informes Marzo - Grupo 5 ", 6},
        {"remembered only", "", remembered, "Informes Marzo - Grupo 5 ", 6},
        {"missing file", dir.filePath("Falta.k09"), remembered, "Informes Marzo - Grupo 0 ", 0},
        {"missing remembered file", "", dir.filePath("Falta.k09"), "Informes Marzo - Grupo 0 ", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Remember(c.remembered);
        Open(c.commandLine);
        EXPECT_EQ(dlg->windowTitle(), QString(c.title));
        EXPECT_EQ(List().count(), c.lines);
        EXPECT_EQ(Hidden(IDC_SEND_RESULTS), c.lines == 0);
        EXPECT_EQ(Hidden(IDC_VIEW_FORM), c.lines == 0);
        EXPECT_EQ(Hidden(IDC_FILTER_NOT_REPORTED), c.lines == 0);
        EXPECT_EQ(Text(IDC_LAST_REGISTERED), QString("Ana Ruiz"));
        EXPECT_EQ(List().currentRow(), c.lines ? 0 : -1);
    }
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(ReportsDlgTest, StatusLinesShowTheCounts)
{
    Open(WriteGroup("Grupo5.k09", SixOfGroupFive()));
    EXPECT_EQ(dlg->windowTitle(), QString("Informes Marzo - Grupo 5 "));
    EXPECT_EQ(Text(IDC_NOT_REPORTED_LINE), QString("Sin Informar en Marzo = 4"));
    EXPECT_EQ(Text(IDC_TOTAL_LINE), QString("Total Publicadores = 6"));

    // An entry stores a report and refreshes the lines through the owner.
    MarkReported(1);
    dlg->SetLastRegistered("Zoe Zamora");
    dlg->UpdateStatus();
    EXPECT_EQ(Text(IDC_NOT_REPORTED_LINE), QString("Sin Informar en Marzo = 3"));
    EXPECT_EQ(Text(IDC_LAST_REGISTERED), QString("Zoe Zamora"));
}

TEST_F(ReportsDlgTest, SelectionShowsPhoneAndReminderControls)
{
    Open(WriteGroup("Grupo5.k09", SixOfGroupFive()));
    EXPECT_EQ(Lines(), QStringList({"Zamora, Zoe", "Ruiz, Ana", "Abad, Luis", "Soto, Eva", "Mora, Pablo",
                                    "Molina, Marta"}));
    struct Case {
        int row;
        const char* ok;
        const char* phone; // empty: 1002 and "Marcar" hidden
        bool next;
        const char* email; // empty: 1006 and 1007 hidden
    };
    const Case cases[] = {
        {0, "Entrar el Informe - Zoe Zamora", "", false, "E-mail - zoe@ejemplo.org"},        // no phone
        {1, "Entrar el Informe - Ana Ruiz", "555 1234", false, ""},                           // one phone
        {2, "Entrar el Informe - Luis Abad", "555 1111", true, ""},                           // two phones
        {3, "Entrar el Informe - Eva Soto", "555 1111", true, ""},                            // three, reported
        {5, "Entrar el Informe - Marta Molina", "600 123 456", false, "E-mail - marta@ejemplo.org"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        List().setCurrentRow(c.row);
        EXPECT_EQ(Text(IDOK), QString(c.ok));
        EXPECT_EQ(Hidden(IDC_PHONE_NUMBER), !*c.phone);
        EXPECT_EQ(Hidden(IDC_DIAL), !*c.phone);
        EXPECT_EQ(Text(IDC_PHONE_NUMBER), QString(c.phone));
        EXPECT_EQ(Hidden(IDC_NEXT_PHONE), !c.next);
        EXPECT_EQ(Hidden(IDC_SEND_REMINDER), !*c.email);
        EXPECT_EQ(Hidden(IDC_PREVIEW_REMINDER), !*c.email);
        if (*c.email) {
            EXPECT_EQ(Text(IDC_SEND_REMINDER), QString(c.email));
        }
    }
}

TEST_F(ReportsDlgTest, TypingTheFirstLettersOfASurnameSelectsIt)
{
    Open(WriteGroup("Grupo5.k09", SixOfGroupFive()));
    List().setFocus();
    QTest::keyClicks(&List(), "mol");
    EXPECT_EQ(List().currentItem()->text(), QString("Molina, Marta"));
    EXPECT_EQ(Text(IDOK), QString("Entrar el Informe - Marta Molina"));
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(&List(), "ab");
    EXPECT_EQ(List().currentItem()->text(), QString("Abad, Luis"));
}

TEST_F(ReportsDlgTest, FilterShowsOnlyTheNotReportedAndKeepsThePosition)
{
    Open(WriteGroup("Grupo5.k09", SixOfGroupFive()));
    List().setCurrentRow(2);
    Click(IDC_FILTER_NOT_REPORTED);
    EXPECT_EQ(Lines(), QStringList({"Zamora, Zoe", "Ruiz, Ana", "Abad, Luis", "Molina, Marta"}));
    EXPECT_EQ(List().currentRow(), 2);
    EXPECT_TRUE(List().hasFocus());

    // Enter runs the entry; with the filter on the list is rebuilt and the
    // same line holds the next publisher who has not reported.
    ModalWatch watch([this](QDialog* entry) {
        MarkReported(3); // what the entry dialog stores
        entry->accept();
    });
    QTest::keyClick(&List(), Qt::Key_Return);
    EXPECT_TRUE(watch.seen);
    EXPECT_EQ(Lines(), QStringList({"Zamora, Zoe", "Ruiz, Ana", "Molina, Marta"}));
    EXPECT_EQ(List().currentRow(), 2);
    EXPECT_EQ(Text(IDOK), QString("Entrar el Informe - Marta Molina"));

    // Past the end after the last line reports: back to the first line.
    ModalWatch last([this](QDialog* entry) {
        MarkReported(6);
        entry->accept();
    });
    QTest::keyClick(&List(), Qt::Key_Return);
    EXPECT_EQ(List().currentRow(), 0);

    // Everybody reported: an empty list; buttons 4 and 5 keep what the last
    // status update showed.
    MarkReported(1);
    MarkReported(2);
    Click(IDC_FILTER_NOT_REPORTED);
    Click(IDC_FILTER_NOT_REPORTED);
    EXPECT_EQ(List().count(), 0);
    EXPECT_FALSE(Hidden(IDC_SEND_RESULTS));
    EXPECT_FALSE(Hidden(IDC_VIEW_FORM));

    Click(IDC_FILTER_NOT_REPORTED);
    EXPECT_EQ(List().count(), 6);
}

TEST_F(ReportsDlgTest, EnterWithoutFilterKeepsTheSelectionControls)
{
    Open(WriteGroup("Grupo5.k09", SixOfGroupFive()));
    List().setCurrentRow(5);
    ASSERT_FALSE(Hidden(IDC_SEND_REMINDER));
    ModalWatch watch([this](QDialog* entry) {
        MarkReported(6);
        entry->accept();
    });
    const QPoint line = List().visualItemRect(List().item(5)).center();
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, line);
    EXPECT_TRUE(watch.seen);
    EXPECT_EQ(watch.title, QString("Marta Molina"));
    EXPECT_EQ(List().count(), 6);
    EXPECT_FALSE(Hidden(IDC_SEND_REMINDER)); // until the selection changes
    List().setCurrentRow(4);
    List().setCurrentRow(5);
    EXPECT_TRUE(Hidden(IDC_SEND_REMINDER));
}

TEST_F(ReportsDlgTest, GroupOfOnePublisher)
{
    GroupBuilder b(3, 2);
    b.AddPublisher("Sola", "Una").Phones("555 1234").Email("una@ejemplo.org");
    const QString path = WriteGroup("Una.k09", b);
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    Open(path);
    EXPECT_EQ(Lines(), QStringList({"Una, Sola"}));
    EXPECT_EQ(Text(IDOK), QString("OK"));
    EXPECT_TRUE(Hidden(IDC_DIAL));
    EXPECT_TRUE(Hidden(IDC_SEND_REMINDER));
    EXPECT_FALSE(Hidden(IDC_FILTER_NOT_REPORTED));

    ModalWatch watch([](QDialog* entry) { entry->accept(); });
    QTest::keyClick(&List(), Qt::Key_Return);
    EXPECT_TRUE(watch.seen);
    EXPECT_EQ(watch.title, QString("Sola Una"));

    Click(IDCANCEL);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(ReportsDlgTest, LeavingSavesTheGroupAndTheSettings)
{
    for (int how = 0; how < 2; ++how) {
        SCOPED_TRACE(how == 0 ? "button" : "Escape");
        const QString path = WriteGroup(how == 0 ? "Grupo5.K09" : "Grupo5.k09", SixOfGroupFive());
        Open(path);
        MarkReported(1);
        dlg->SetLastRegistered("Zoe Zamora");
        if (how == 0)
            Click(IDCANCEL);
        else
            QTest::keyClick(&List(), Qt::Key_Escape);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(dlg->result(), QDialog::Rejected);
        const ProfileFile settings(settingsPath);
        EXPECT_EQ(settings.ReadString("Last", "LoadPath"), path);
        EXPECT_EQ(settings.ReadString("Last", "Post"), QString("Zoe Zamora"));

        // Starting again reopens the file with the report in it.
        Open("");
        EXPECT_EQ(Text(IDC_NOT_REPORTED_LINE), QString("Sin Informar en Marzo = 3"));
        EXPECT_EQ(Text(IDC_LAST_REGISTERED), QString("Zoe Zamora"));
        dlg->close();
    }
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(ReportsDlgTest, OpenDialogLoadsAGroupFileAfterSavingTheOpenOne)
{
    QDir(dir.path()).mkdir("grupos");
    const QString first = WriteGroup("grupos/Grupo5.k09", SixOfGroupFive());
    GroupBuilder other(8, 2);
    other.AddPublisher("A", "Uno");
    other.AddPublisher("B", "Dos");
    const QString second = WriteGroup("OTRO.K09", other);
    const QString text = WriteGroup("nota.txt", other);
    Open(first);
    MarkReported(1);
    dlg->SetLastRegistered("Zoe Zamora");

    // Another ending is ignored.
    ModalWatch ignored([&](QDialog* d) {
        auto* files = qobject_cast<QFileDialog*>(d);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->windowTitle(), QString("Escoger Archivo del Secretario"));
        EXPECT_EQ(files->nameFilters(), QStringList({"Archivos 'Recoger' del Secretario (.k09) (*.k09)"}));
        EXPECT_EQ(files->directory().absolutePath(), dir.filePath("grupos"));
        ChooseFile(d, text);
    });
    Click(IDC_OPEN_GROUP);
    EXPECT_TRUE(ignored.seen);
    EXPECT_EQ(List().count(), 6);

    ModalWatch chosen([&](QDialog* d) { ChooseFile(d, second); });
    Click(IDC_OPEN_GROUP);
    EXPECT_TRUE(chosen.seen);
    EXPECT_EQ(dlg->windowTitle(), QString("Informes Marzo - Grupo 8 "));
    EXPECT_EQ(Lines(), QStringList({"Uno, A", "Dos, B"}));
    EXPECT_EQ(Text(IDC_LAST_REGISTERED), QString());
    EXPECT_EQ(dlg->focusWidget(), &List());

    // The first group kept the report typed into it.
    test::RecordingSink quiet;
    GroupData check(quiet);
    ASSERT_EQ(check.LoadGroupFile(first), LoadStatus::Loaded);
    EXPECT_FALSE(check.IsNotReported(1, 2, 0));

    // Cancelling changes nothing.
    ModalWatch cancelled([](QDialog* d) { d->reject(); });
    Click(IDC_OPEN_GROUP);
    EXPECT_TRUE(cancelled.seen);
    EXPECT_EQ(List().count(), 2);
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(ReportsDlgTest, HelpAboutAndTheButtonsOfOtherDialogs)
{
    const QString path = WriteGroup("Grupo5.k09", SixOfGroupFive());
    Open(path);
    Click(IDC_HELP);
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].startsWith("Ayudas para usar Rekol"));
    EXPECT_EQ(sink.lastIcon, MessageIcon::Information);
    EXPECT_EQ(dlg->focusWidget(), &List());

    // The About item and the mail settings beside it.
    const QList<QAction*> actions = dlg->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[1]->text(), QString("&Acerca de Rekol..."));
    ModalWatch about([](QDialog* d) { QTest::mouseClick(d->findChild<QPushButton*>(), Qt::LeftButton); });
    actions[1]->trigger();
    EXPECT_TRUE(about.seen);
    EXPECT_EQ(about.title, QString("Acerca de Rekol"));
    EXPECT_EQ(actions[2]->text(), QString::fromUtf8("Configurar correo electrónico..."));
    ModalWatch mail([](QDialog* d) { d->reject(); });
    actions[2]->trigger();
    EXPECT_TRUE(mail.seen);

    // Three phones: "> > >" steps through them.
    List().setCurrentRow(3);
    EXPECT_EQ(dlg->GetDlgItemText(IDC_PHONE_NUMBER), QString("555 1111"));
    Click(IDC_NEXT_PHONE);
    EXPECT_EQ(dlg->GetDlgItemText(IDC_PHONE_NUMBER), QString("555 2222"));
    EXPECT_EQ(dlg->focusWidget(), &List());

    List().setCurrentRow(0);
    sink.messages.clear();
    Click(IDC_PREVIEW_REMINDER);
    EXPECT_EQ(sink.messages, QStringList{QString::fromUtf8("Por favor envíe su informe de Marzo. \nGracias.")});

    ModalWatch preview([](QDialog* d) { d->reject(); });
    Click(IDC_VIEW_FORM);
    EXPECT_TRUE(preview.seen);
    EXPECT_EQ(preview.title, QString("Informes Marzo"));

    // No secretary's address in this group: the results file is written and
    // its place shown.
    sink.messages.clear();
    Click(IDC_SEND_RESULTS);
    const QString results = dir.filePath("Grupo5.k19");
    EXPECT_TRUE(QFile::exists(results));
    EXPECT_EQ(sink.messages,
              QStringList{QString::fromUtf8("Sus archivos puestos al día se resguardaron en el archivo ") + results});
}
