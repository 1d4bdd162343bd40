// The report entry dialog worked from the keyboard, opened from the main
// window as the overseer opens it.
#include "data/builder/group_builder.h"
#include "entry/widgets/entry_dlg.h"
#include "main/reports_ids.h"
#include "main/widgets/reports_dlg.h"
#include "res/string_table.h"
#include "testing/recording_sink.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
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

const QDate kToday(2024, 4, 10); // report month March (2), year slot 0
constexpr int kMarch = 2;

// Processes events until `done` holds; false after `ms` milliseconds. The
// limits are generous: under the sanitizers on a busy machine the first
// dialog of a process takes seconds (fonts).
bool WaitUntil(const std::function<bool()>& done, int ms = 30000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QTest::qWait(5);
    }
    return true;
}

// Keys as the user presses them: to whatever widget has the focus.
void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "no widget has the focus";
    QTest::keyClick(target, key, modifiers);
}

void Type(const char* text)
{
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "no widget has the focus";
    QTest::keyClicks(target, QString::fromUtf8(text));
}

// A mnemonic clicks its button after the button's short press animation.
void Mnemonic(CEntryDlg& d, Qt::Key key, int shows)
{
    Key(key, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([&] { return d.GetDlgItem(shows)->isVisible(); })) << "Alt+" << QKeySequence(key).toString().toStdString();
}

constexpr int kFocusable[] = {IdcParticipated, IdcPubs,    IdcVideos, IdcHours,     IdcReturnVisits,
                              IdcStudies,      IdcOk,      IdcCancel, IdcMonthList, IdcMonthButton,
                              IdcMonthListOk,  IdcNotes,   IdcNoteEdit, IdcAuxPioneer, IdcUnderOneHour};

// The control whose widget has the keyboard focus, 0 for none; checked
// against the control the logic says has it.
int Focused(const CEntryDlg& d)
{
    int id = 0;
    for (int c : kFocusable)
        if (d.GetDlgItem(c) == QApplication::focusWidget())
            id = c;
    EXPECT_EQ(id, d.Logic().focus) << "widget focus and logic focus differ";
    return id;
}

bool Shown(const CEntryDlg& d, int id) { return d.GetDlgItem(id)->isVisible(); }
QString BoxText(const CEntryDlg& d, int id) { return d.Item<QLineEdit>(id)->text(); }

class EntryDlgTest : public ::testing::Test {
protected:
    void Open(const GroupBuilder& builder)
    {
        const QString path = dir.filePath("Grupo5.k09");
        ASSERT_TRUE(builder.WriteTo(path));
        window = std::make_unique<CReportsDlg>(sink, dir.filePath("rekol.ini"));
        window->Group().clock = [] { return kToday; };
        window->OnInitDialog(path);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get(), 30000));
    }

    // Presses Enter on line `row` of the publisher list and runs `script` in
    // the entry dialog that opens. A dialog the script leaves open is
    // cancelled and the test fails, so nothing waits forever.
    void Enter(int row, const std::function<void(CEntryDlg&)>& script, bool expectClosed = true)
    {
        if (row >= 0)
            List().setCurrentRow(row);
        bool seen = false;
        QTimer poll;
        int tries = 0;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* d = qobject_cast<CEntryDlg*>(QApplication::activeModalWidget());
            if (!d) {
                if (++tries > 6000)
                    poll.stop();
                return;
            }
            poll.stop();
            seen = true;
            // Mnemonics reach only the active window.
            EXPECT_TRUE(QTest::qWaitForWindowActive(d, 30000));
            // The focus reaches the control as the activation is processed,
            // which on a busy machine comes a little later.
            EXPECT_TRUE(WaitUntil([d] {
                const QWidget* focus = QApplication::focusWidget();
                return focus && focus->window() == d;
            }));
            script(*d);
            if (d->isVisible()) {
                if (expectClosed)
                    ADD_FAILURE() << "the entry dialog was left open";
                d->reject();
            }
        });
        poll.start(10);
        QTest::keyClick(&List(), Qt::Key_Return);
        EXPECT_TRUE(seen) << "no entry dialog opened";
    }

    QListWidget& List() const { return *window->PublisherList(); }
    const PublisherRecord& Record(int i) const { return window->Group().Record(i); }
    std::uint16_t Cell(int i, std::size_t base, int m = kMarch) const { return Record(i).Cell(base, m, 0); }
    QString MainText(int id) const { return window->GetDlgItemText(id); }

    QTemporaryDir dir;
    test::RecordingSink sink;
    std::unique_ptr<CReportsDlg> window;
};

GroupBuilder Mixed()
{
    GroupBuilder b(5, kMarch);
    b.AddPublisher("Ana", "Ruiz");                                   // 1 publisher
    b.AddPublisher("Luis", "Abad").StatusAll(StatusAuxPioneer);      // 2 auxiliary pioneer
    b.AddPublisher("Eva", "Soto").StatusAll(StatusRegularPioneer);   // 3 regular pioneer
    return b;
}

} // namespace

TEST_F(EntryDlgTest, OpensOnTheReportMonthWithTheFocusOnParticipation)
{
    Open(Mixed());
    Enter(0, [](CEntryDlg& d) {
        EXPECT_EQ(d.windowTitle(), QString("Ana Ruiz"));
        EXPECT_EQ(d.GetDlgItemText(IdcName), QString("Ana Ruiz"));
        EXPECT_EQ(d.GetDlgItemText(IdcMonthName), QString("Marzo"));
        EXPECT_EQ(d.GetDlgItemText(IdcMonthButton), QString("Cambio de &Mes ( Informe Tardío )"));
        EXPECT_EQ(Focused(d), IdcParticipated);
        EXPECT_TRUE(Shown(d, IdcAuxPioneer));
        for (int id : {IdcHours, IdcStudies, IdcPubs, IdcVideos, IdcReturnVisits, IdcUnderOneHour, IdcMonthList,
                       IdcMonthListOk, IdcNoteEdit, IdcStatus})
            EXPECT_FALSE(Shown(d, id)) << id;
        EXPECT_EQ(d.GetDlgItem(IdcParticipated)->toolTip(), LoadResString(IDS_PARTICIPATED_TIP));
        EXPECT_TRUE(d.GetDlgItem(IdcStudies)->toolTip().isEmpty());
        const QFont variable = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        for (int id : {IdcMonthButton, IdcLabelHours, IdcLabelStudies, IdcWarnings})
            EXPECT_EQ(d.GetDlgItem(id)->font(), variable) << id;
        EXPECT_NE(d.GetDlgItem(IdcOk)->font(), variable);
        Key(Qt::Key_Escape);
    });
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(EntryDlgTest, WholeReportFromTheKeyboard)
{
    Open(Mixed());
    const QString lastBefore = MainText(IDC_LAST_REGISTERED);
    // A publisher: Space ticks, Enter goes to the studies box, Enter stores.
    Enter(0, [](CEntryDlg& d) {
        Key(Qt::Key_Space);
        EXPECT_TRUE(d.Item<QCheckBox>(IdcParticipated)->isChecked());
        EXPECT_TRUE(Shown(d, IdcStudies));
        EXPECT_FALSE(Shown(d, IdcHours));
        Key(Qt::Key_Return);
        EXPECT_EQ(Focused(d), IdcStudies);
        EXPECT_EQ(d.Item<QLineEdit>(IdcStudies)->selectedText(), QString("0")) << "the box's text is selected";
        Type("2");
        EXPECT_EQ(BoxText(d, IdcStudies), QString("2"));
        Key(Qt::Key_Return);
    });
    EXPECT_EQ(Cell(1, layout::StudyWord), layout::ParticipatedBit | 2);
    EXPECT_EQ(MainText(IDC_LAST_REGISTERED), QString("Ana Ruiz"));
    EXPECT_NE(lastBefore, MainText(IDC_LAST_REGISTERED));
    EXPECT_EQ(MainText(IDC_NOT_REPORTED_LINE), QString("Sin Informar en Marzo = 2"));

    // A pioneer: the hours box comes first.
    Enter(1, [](CEntryDlg& d) {
        Key(Qt::Key_Space);
        Key(Qt::Key_Return);
        EXPECT_EQ(Focused(d), IdcHours);
        Type("12");
        Key(Qt::Key_Return);
        EXPECT_EQ(Focused(d), IdcStudies);
        Type("1");
        Key(Qt::Key_Return);
    });
    EXPECT_EQ(Cell(2, layout::Hours), 12);
    EXPECT_EQ(Cell(2, layout::StudyWord), layout::ParticipatedBit | 1);

    // Not participating: Enter on the participation box goes to OK, the
    // next Enter stores.
    Enter(2, [](CEntryDlg& d) {
        Key(Qt::Key_Return);
        EXPECT_EQ(Focused(d), IdcOk);
        EXPECT_TRUE(d.isVisible());
        Key(Qt::Key_Return);
    });
    EXPECT_EQ(MainText(IDC_LAST_REGISTERED), QString("Luis Abad")) << "an unchanged record is not registered";
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(EntryDlgTest, NumberBoxesTakeDigitsOnly)
{
    Open(Mixed());
    Enter(1, [](CEntryDlg& d) {
        Key(Qt::Key_Space);
        Key(Qt::Key_Return);
        ASSERT_EQ(Focused(d), IdcHours);
        struct Case {
            const char* keys;
            const char* result;
        };
        // Each starts from "0", all selected.
        for (const Case& c : {Case{"12", "12"}, Case{"a-,+", "0"}, Case{"1.5", "1.5"}, Case{"45 7", "7"}}) {
            d.Item<QLineEdit>(IdcHours)->selectAll();
            Key(Qt::Key_Space);
            EXPECT_EQ(d.Item<QLineEdit>(IdcHours)->selectedText(), QString("0")) << "Space leaves 0 selected";
            Type(c.keys);
            EXPECT_EQ(BoxText(d, IdcHours), QString(c.result)) << c.keys;
            EXPECT_EQ(d.Logic().Control(IdcHours).text, QString(c.result));
        }
        Key(Qt::Key_Backspace);
        EXPECT_EQ(BoxText(d, IdcHours), QString(""));
        Type("9");
        Key(Qt::Key_V, Qt::ControlModifier); // the clipboard keys do nothing
        EXPECT_EQ(BoxText(d, IdcHours), QString("9"));
        // Home and Delete are the box's own keys; the logic follows.
        Key(Qt::Key_Home);
        Key(Qt::Key_Delete);
        EXPECT_EQ(d.Logic().Control(IdcHours).text, QString(""));
        Type("30");
        EXPECT_EQ(d.Logic().Control(IdcHours).selectionStart, 2);
        Key(Qt::Key_Escape);
    });
    EXPECT_EQ(Cell(2, layout::Hours), 0) << "Escape stores nothing";
}

TEST_F(EntryDlgTest, ArrowKeysAndTabFollowTheEntryOrder)
{
    Open(Mixed());
    Enter(1, [](CEntryDlg& d) {
        Key(Qt::Key_Space);
        QList<int> met = {Focused(d)};
        for (int k = 0; k < 8; ++k) {
            Key(Qt::Key_Tab);
            met.append(Focused(d));
        }
        EXPECT_EQ(met, (QList<int>{1126, 141, 143, 1, 2, 129, 3, 1050, 1126}));
        Key(Qt::Key_Backtab);
        EXPECT_EQ(Focused(d), IdcAuxPioneer);
        Key(Qt::Key_Tab);

        Key(Qt::Key_Return);
        ASSERT_EQ(Focused(d), IdcHours);
        Key(Qt::Key_Right);
        EXPECT_EQ(Focused(d), IdcParticipated) << "right arrow in the hours box";
        Key(Qt::Key_Return);
        Key(Qt::Key_Left);
        EXPECT_EQ(Focused(d), IdcParticipated) << "left arrow in the hours box";
        Key(Qt::Key_Return);
        Key(Qt::Key_Return);
        ASSERT_EQ(Focused(d), IdcStudies);
        Key(Qt::Key_Left);
        EXPECT_EQ(Focused(d), IdcHours) << "left arrow in the studies box";
        Key(Qt::Key_Return);
        Key(Qt::Key_Right);
        EXPECT_EQ(Focused(d), IdcOk) << "right arrow in the studies box";
        EXPECT_EQ(BoxText(d, IdcStudies), QString("0")) << "the arrows never reach the box";
        Key(Qt::Key_Escape);
    });
    // Without the hours box, left in the studies box goes to participation.
    Enter(0, [](CEntryDlg& d) {
        Key(Qt::Key_Space);
        Key(Qt::Key_Return);
        ASSERT_EQ(Focused(d), IdcStudies);
        Key(Qt::Key_Left);
        EXPECT_EQ(Focused(d), IdcParticipated);
        Key(Qt::Key_Escape);
    });
}

TEST_F(EntryDlgTest, EnterOnAPushButtonRunsItsOwnCommand)
{
    Open(Mixed());
    Enter(0, [](CEntryDlg& d) {
        d.GetDlgItem(IdcNotes)->setFocus();
        ASSERT_EQ(Focused(d), IdcNotes);
        Key(Qt::Key_Return);
        EXPECT_TRUE(Shown(d, IdcNoteEdit));
        EXPECT_EQ(Focused(d), IdcNoteEdit);
        Key(Qt::Key_Return);
        d.GetDlgItem(IdcMonthButton)->setFocus();
        Key(Qt::Key_Return);
        EXPECT_TRUE(Shown(d, IdcMonthList));
        d.GetDlgItem(IdcMonthListOk)->setFocus();
        EXPECT_FALSE(Shown(d, IdcMonthList)) << "the list closes when it loses the focus";
        EXPECT_EQ(Focused(d), IdcParticipated);
        d.GetDlgItem(IdcCancel)->setFocus();
        Key(Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
}

TEST_F(EntryDlgTest, LateReportThroughTheMonthList)
{
    Open(Mixed());
    Enter(0, [](CEntryDlg& d) {
        Mnemonic(d, Qt::Key_M, IdcMonthList);
        EXPECT_EQ(Focused(d), IdcMonthList);
        for (int id : {IdcOk, IdcCancel, IdcNotes, IdcMonthButton, IdcGroup})
            EXPECT_FALSE(Shown(d, id)) << id;
        EXPECT_TRUE(Shown(d, IdcMonthListOk));
        Key(Qt::Key_Up);
        Key(Qt::Key_Up);
        EXPECT_EQ(d.GetDlgItemText(IdcMonthName), QString("Enero"));
        EXPECT_EQ(d.Logic().entryMonth, 0);
        Key(Qt::Key_Return); // Enter leaves the list
        EXPECT_FALSE(Shown(d, IdcMonthList));
        EXPECT_TRUE(Shown(d, IdcOk));
        EXPECT_EQ(Focused(d), IdcParticipated);
        EXPECT_TRUE(d.GetDlgItemText(IdcWarnings).contains("aparecerá en el informe de Marzo"))
            << d.GetDlgItemText(IdcWarnings).toStdString();
        Key(Qt::Key_Space);
        Key(Qt::Key_Return);
        Type("3");
        Key(Qt::Key_Return);
    });
    EXPECT_EQ(Cell(1, layout::StudyWord, 0), layout::ParticipatedBit | 3);
    EXPECT_EQ(Cell(1, layout::StudyWord, kMarch), 0);
    EXPECT_TRUE(window->Group().IsLateFlagSet(1, 0));
    EXPECT_FALSE(window->Group().IsLateFlagSet(1, kMarch));
}

TEST_F(EntryDlgTest, NoteThroughAltNAndEnter)
{
    Open(Mixed());
    Enter(2, [this](CEntryDlg& d) {
        Mnemonic(d, Qt::Key_N, IdcNoteEdit);
        EXPECT_EQ(Focused(d), IdcNoteEdit);
        EXPECT_FALSE(Shown(d, IdcMonthButton));
        Type("20 en el hospital");
        Key(Qt::Key_Return);
        EXPECT_TRUE(d.isVisible()) << "Enter ends the note, not the entry";
        EXPECT_FALSE(Shown(d, IdcNoteEdit));
        EXPECT_TRUE(Shown(d, IdcMonthButton));
        EXPECT_EQ(Focused(d), IdcParticipated);
        QByteArray text;
        window->Group().FindNote(3, kMarch, 0, &text, true);
        EXPECT_EQ(text, QByteArray("20 en el hospital")) << "the note is in the table at once";
        EXPECT_EQ(d.GetDlgItemText(IdcCredit), QString("( + 20 Horas )"));
        // The next Enter moves on normally.
        Key(Qt::Key_Return);
        EXPECT_EQ(Focused(d), IdcOk);

        // Leaving the editor with Tab instead: the next Enter is swallowed.
        Mnemonic(d, Qt::Key_N, IdcNoteEdit);
        Key(Qt::Key_End);
        Type(".");
        Key(Qt::Key_Tab);
        EXPECT_FALSE(Shown(d, IdcNoteEdit));
        EXPECT_EQ(Focused(d), IdcParticipated);
        Key(Qt::Key_Return);
        EXPECT_EQ(Focused(d), IdcParticipated) << "swallowed";
        EXPECT_TRUE(d.isVisible());
        Key(Qt::Key_Return);
        EXPECT_EQ(Focused(d), IdcOk);
        Key(Qt::Key_Return);
    });
    QByteArray text;
    const int k = window->Group().FindNote(3, kMarch, 0, &text, true);
    EXPECT_EQ(text, QByteArray("20 en el hospital."));
    EXPECT_EQ(Cell(3, layout::NoteIndex), k);
    EXPECT_EQ(Cell(3, layout::CreditHours), 20);
}

TEST_F(EntryDlgTest, StudiesOutOfRangeKeepsTheDialogOpen)
{
    Open(Mixed());
    Enter(0, [this](CEntryDlg& d) {
        Key(Qt::Key_Space);
        Key(Qt::Key_Return);
        Type("64");
        Key(Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(sink.messages.size(), 1);
        EXPECT_EQ(sink.messages[0], QString("Please enter an integer between 0 and 63."));
        EXPECT_EQ(Focused(d), IdcStudies);
        EXPECT_EQ(d.Item<QLineEdit>(IdcStudies)->selectedText(), QString("64"));
        Type("6");
        Key(Qt::Key_Return);
    });
    EXPECT_EQ(Cell(1, layout::StudyWord), layout::ParticipatedBit | 6);
}

TEST_F(EntryDlgTest, CancelKeepsANoteAlreadyStored)
{
    Open(Mixed());
    Enter(0, [](CEntryDlg& d) {
        Mnemonic(d, Qt::Key_N, IdcNoteEdit);
        Type("Enfermo");
        Key(Qt::Key_Return);
        Key(Qt::Key_Space);
        Key(Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    QByteArray text;
    window->Group().FindNote(1, kMarch, 0, &text, true);
    EXPECT_EQ(text, QByteArray("Enfermo"));
    EXPECT_FALSE(window->Group().IsNotReported(1, kMarch, 0)) << "a note counts as reported";
    EXPECT_EQ(Cell(1, layout::StudyWord), 0) << "the tick was not stored";
    EXPECT_EQ(MainText(IDC_NOT_REPORTED_LINE), QString("Sin Informar en Marzo = 3")) << "nothing stored, no refresh";

    // The Cancel button clicked while the editor is open: the editor loses
    // the focus first and stores its note.
    Enter(1, [](CEntryDlg& d) {
        Mnemonic(d, Qt::Key_N, IdcNoteEdit);
        Type("Viaje");
        QTest::mouseClick(d.GetDlgItem(IdcCancel), Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
    });
    window->Group().FindNote(2, kMarch, 0, &text, true);
    EXPECT_EQ(text, QByteArray("Viaje"));
}

// As the help text tells the user: with the filter on, Enter opens the
// publisher on the selected line, Enter after Enter enters the report, and
// the same line then holds the next publisher who has not reported.
TEST_F(EntryDlgTest, WalkThroughTheGroupWithTheFilterOn)
{
    GroupBuilder b(5, kMarch);
    b.AddPublisher("Zoe", "Zamora");
    b.AddPublisher("Ana", "Ruiz").StatusAll(StatusAuxPioneer);
    b.AddPublisher("Luis", "Abad").Report(kMarch, 0, true, 1);
    b.AddPublisher("Eva", "Soto");
    b.AddPublisher("Pablo", "Mora").StatusAll(StatusRegularPioneer);
    Open(b);
    QTest::mouseClick(window->GetDlgItem(IDC_FILTER_NOT_REPORTED), Qt::LeftButton);
    ASSERT_EQ(List().count(), 4);
    List().setCurrentRow(0);
    QStringList entered;
    while (List().count() > 0) {
        const int before = List().count();
        Enter(-1, [&](CEntryDlg& d) {
            entered << d.windowTitle();
            Key(Qt::Key_Space);
            Key(Qt::Key_Return);
            if (Focused(d) == IdcHours) {
                Type("10");
                Key(Qt::Key_Return);
            }
            Type("1");
            Key(Qt::Key_Return);
        });
        ASSERT_EQ(List().count(), before - 1);
        // Back in the main window the keyboard is on the list (offscreen no
        // window is reactivated, so the window's focus widget is checked).
        EXPECT_EQ(window->focusWidget(), &List());
    }
    EXPECT_EQ(entered, QStringList({"Zoe Zamora", "Ana Ruiz", "Eva Soto", "Pablo Mora"}));
    EXPECT_EQ(MainText(IDC_NOT_REPORTED_LINE), QString("Sin Informar en Marzo = 0"));
    for (int i : {1, 2, 4, 5})
        EXPECT_EQ(Cell(i, layout::StudyWord), layout::ParticipatedBit | 1) << i;
    EXPECT_EQ(Cell(2, layout::Hours), 10);
    EXPECT_EQ(Cell(5, layout::Hours), 10);
    EXPECT_TRUE(sink.messages.isEmpty());
}

// Every visible text fits its control; the picture is left in the build
// folder (entry-dialog.png) for the documentation.
TEST_F(EntryDlgTest, TextsFitTheirControls)
{
    GroupBuilder b(5, kMarch);
    b.AddPublisher("Luis", "Abad").StatusAll(StatusAuxPioneer).Appointment(1).Report(kMarch, 0, true, 2, 12);
    b.AddPublisher("Ana", "Ruiz");
    Open(b);
    Enter(0, [](CEntryDlg& d) {
        Key(Qt::Key_Return);
        for (const ControlTemplate& c : d.Template().controls) {
            QWidget* w = d.GetDlgItem(c.id);
            if (c.id == IDC_STATIC || !w->isVisible())
                continue;
            const QFontMetrics metrics(w->font());
            if (auto* button = qobject_cast<QPushButton*>(w)) {
                const QString text = QString(button->text()).remove(QLatin1Char('&'));
                EXPECT_LE(metrics.horizontalAdvance(text) + 8, w->width()) << c.id;
            } else if (auto* label = qobject_cast<QLabel*>(w)) {
                const QRect needed = metrics.boundingRect(QRect(0, 0, w->width(), 1000),
                                                          Qt::TextWordWrap | label->alignment(), label->text());
                EXPECT_LE(needed.height(), w->height()) << c.id << " " << label->text().toStdString();
            }
        }
        EXPECT_TRUE(d.grab().save(QDir(QStringLiteral(REKOL_BINARY_DIR)).filePath("entry-dialog.png")));
        Key(Qt::Key_Escape);
    });
}
