// What the entry shows: opening, visibility of the boxes, status labels and
// warnings.
#include "entry/tests/entry_fixture.h"

using namespace rekol;
using namespace rekol::test;

namespace {

const int kBoxesAndLabels[] = {139, 140, 141, 142, 143, 147, 148, 149, 150, 151};

class EntryViewTest : public EntryTest {};

} // namespace

TEST_F(EntryViewTest, OpeningShowsTheReportMonthOfThePublisher)
{
    GroupBuilder b(5, 2);
    b.AddPublisher("Ana", "Ruiz").Appointment(1);
    Load(b);
    EntryLogic& e = Open(1);

    EXPECT_EQ(e.caption, QString("Ana Ruiz"));
    EXPECT_EQ(Text(IdcName), QString("Ana Ruiz"));
    EXPECT_EQ(Text(IdcMonthName), QString("Marzo"));
    EXPECT_EQ(Text(IdcGroup), QString("Grupo 5"));
    EXPECT_EQ(Text(IdcAppointment), QString("Siervo Ministerial"));
    EXPECT_EQ(Text(IdcMonthButton), QString::fromUtf8("Cambio de &Mes ( Informe Tardío )"));
    EXPECT_TRUE(C(IdcMonthButton).variableFont);
    const QStringList labels = {"Pubs", "Videos", "Horas", "R.V.s", "Cr.Bi."};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(Text(IdcLabelPubs + k), labels[k]);
    EXPECT_EQ(C(IdcMonthList).lines.size(), 12);
    EXPECT_EQ(C(IdcMonthList).lines[0], QString("Enero"));
    EXPECT_EQ(C(IdcMonthList).currentRow, 2);
    for (int id : {IdcMonthList, IdcMonthListOk, IdcNoteEdit, IdcUnderOneHour})
        EXPECT_FALSE(Visible(id)) << id;
    for (int id : {IdcOk, IdcCancel, IdcNotes, IdcMonthButton, IdcParticipated, IdcGroup, IdcWarnings})
        EXPECT_TRUE(Visible(id)) << id;
    EXPECT_EQ(e.focus, IdcParticipated);
    EXPECT_EQ(e.entryMonth, 2);
    EXPECT_EQ(e.ToolTip(IdcParticipated), QString::fromUtf8("Participó durante el mes en alguna forma del ministerio"));
    EXPECT_EQ(e.ToolTip(IdcHours), QString());
    EXPECT_FALSE(e.ended);
}

TEST_F(EntryViewTest, PublisherWhoHasNotParticipated)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz");
    Load(b);
    EntryLogic& e = Open(1);

    for (int id : kBoxesAndLabels)
        EXPECT_FALSE(Visible(id)) << id;
    EXPECT_TRUE(Visible(IdcParticipated));
    EXPECT_FALSE(Checked(IdcParticipated));
    EXPECT_TRUE(Visible(IdcAuxPioneer));
    EXPECT_FALSE(Checked(IdcAuxPioneer));
    EXPECT_FALSE(Visible(IdcStatus));
    EXPECT_FALSE(Visible(IdcCredit));

    e.ClickParticipated();
    EXPECT_TRUE(Visible(IdcStudies));
    EXPECT_TRUE(Visible(IdcLabelStudies));
    EXPECT_FALSE(Visible(IdcHours));

    e.ClickAuxPioneer();
    EXPECT_TRUE(Checked(IdcAuxPioneer));
    EXPECT_EQ(e.pioneerFlag, 1);
    EXPECT_TRUE(Visible(IdcHours));
    EXPECT_TRUE(Visible(IdcLabelHours));
    EXPECT_TRUE(Visible(IdcStudies));
    for (int id : {139, 140, 142, 147, 148, 150})
        EXPECT_FALSE(Visible(id)) << id;
}

TEST_F(EntryViewTest, StatusByteWithAnUnknownBitOffersTheHoursBox)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz").Status(2, 0, 4);
    Load(b);
    EntryLogic& e = Open(1);
    EXPECT_NE(e.pioneerFlag, 0);
    EXPECT_TRUE(Visible(IdcAuxPioneer));
    EXPECT_FALSE(Checked(IdcAuxPioneer));
    EXPECT_FALSE(Visible(IdcHours));
    e.ClickParticipated();
    EXPECT_TRUE(Visible(IdcHours));
}

TEST_F(EntryViewTest, StatusAndAppointmentLabels)
{
    struct Case {
        std::uint8_t statusByte;
        int appointment;
        int group;
        const char* status;
        bool statusShown, auxShown, auxTicked, creditShown;
        const char* appointmentText;
        const char* groupText;
    };
    const Case cases[] = {
        {0, 0, 5, "", false, true, false, false, "", "Grupo 5"},
        {1, 2, 5, "Precursor Auxiliar", false, true, true, false, "Anciano", "Grupo 5"},
        {2, 3, 5, "Precursor Regular", true, false, false, true, "Otro Hermano", "Grupo 5"},
        {3, 0, 5, "Special Pioneer", true, false, false, false, "", "Grupo 5"},
        {0xFE, 6, -3, "Precursor Regular", true, false, false, true, "Anciano", "Grupo -3"},
        {0x05, 0xFC, 200, "Precursor Auxiliar", false, true, true, false, "", "Grupo -56"},
    };
    for (const Case& c : cases) {
        GroupBuilder b;
        b.AddPublisher("Ana", "Ruiz").Status(2, 0, c.statusByte).Appointment(c.appointment).Group(c.group);
        Load(b);
        Open(1);
        SCOPED_TRACE(int(c.statusByte));
        EXPECT_EQ(Text(IdcStatus), QString::fromUtf8(c.status));
        EXPECT_EQ(Visible(IdcStatus), c.statusShown);
        EXPECT_EQ(Visible(IdcAuxPioneer), c.auxShown);
        EXPECT_EQ(Checked(IdcAuxPioneer), c.auxTicked);
        EXPECT_EQ(Visible(IdcCredit), c.creditShown);
        EXPECT_EQ(Text(IdcAppointment), QString::fromUtf8(c.appointmentText));
        EXPECT_EQ(Text(IdcGroup), QString::fromUtf8(c.groupText));
    }
}

TEST_F(EntryViewTest, RegularPioneerShowsTheCreditOfTheNote)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz").StatusAll(StatusRegularPioneer).Report(2, 0, true, 0, 30).NoteLink(2, 0, b.AddNote(" 20 "));
    Load(b);
    EntryLogic& e = Open(1);
    EXPECT_EQ(e.note, QString("20"));
    EXPECT_EQ(e.credit, 20);
    EXPECT_EQ(Text(IdcCredit), QString("( + 20 Horas )"));
    EXPECT_EQ(e.creditText, QString("( + 20 Horas )"));
    EXPECT_TRUE(Visible(IdcHours));
}

TEST_F(EntryViewTest, LoadedValuesFillTheBoxes)
{
    GroupBuilder b;
    PublisherBuilder p = b.AddPublisher("Ana", "Ruiz").Status(2, 0, 1).Report(2, 0, true, 3, 12);
    p.record.SetCell(layout::Pubs, 2, 0, 7);
    p.record.SetCell(layout::Videos, 2, 0, 8);
    p.record.SetCell(layout::ReturnVisits, 2, 0, 9);
    Load(b);
    EntryLogic& e = Open(1);
    EXPECT_EQ(Text(IdcPubs), QString("7"));
    EXPECT_EQ(Text(IdcVideos), QString("8"));
    EXPECT_EQ(Text(IdcHours), QString("12"));
    EXPECT_EQ(Text(IdcReturnVisits), QString("9"));
    EXPECT_EQ(Text(IdcStudies), QString("3"));
    EXPECT_TRUE(Checked(IdcParticipated));
    EXPECT_EQ(e.hoursValue, 12);
    EXPECT_EQ(e.studiesValue, 3u);
    EXPECT_TRUE(Visible(IdcHours));
    EXPECT_TRUE(Visible(IdcStudies));
}

TEST_F(EntryViewTest, HoursTickTheParticipationBox)
{
    struct Case {
        const char* hoursText;
        bool ticks;
    };
    const Case cases[] = {{"0", false}, {"", false}, {"00", true}, {"7", true}, {"1.5", true}, {".", false}, {"0.", true}};
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz");
    Load(b);
    for (const Case& c : cases) {
        EntryLogic& e = Open(1);
        e.SetEditText(IdcHours, QString::fromUtf8(c.hoursText));
        e.SyncParticipation();
        EXPECT_EQ(Checked(IdcParticipated), c.ticks) << c.hoursText;
        EXPECT_EQ(e.participated, c.ticks ? 1 : 0) << c.hoursText;
        EXPECT_FALSE(Visible(IdcStudies)) << "visibility is not changed here";
    }

    // Hours stored without the participation bit tick the box when shown,
    // while the boxes keep the visibility of the unticked state.
    GroupBuilder h;
    h.AddPublisher("Ana", "Ruiz").Status(2, 0, 1).Report(2, 0, false, 0, 7);
    Load(h);
    Open(1);
    EXPECT_TRUE(Checked(IdcParticipated));
    EXPECT_FALSE(Visible(IdcHours));
}

TEST_F(EntryViewTest, UntickingParticipationClearsHoursAndStudies)
{
    GroupBuilder b;
    b.AddPublisher("Ana", "Ruiz").Status(2, 0, 1).Report(2, 0, true, 3, 12);
    Load(b);
    EntryLogic& e = Open(1);
    e.enterState = 2;
    e.ClickParticipated();
    EXPECT_FALSE(Checked(IdcParticipated));
    EXPECT_EQ(Text(IdcHours), QString("0"));
    EXPECT_EQ(Text(IdcStudies), QString("0"));
    EXPECT_EQ(e.hoursValue, 0);
    EXPECT_EQ(e.studiesValue, 0u);
    EXPECT_FALSE(Visible(IdcHours));
    EXPECT_FALSE(Visible(IdcStudies));
    EXPECT_EQ(e.enterState, 0);
}

TEST_F(EntryViewTest, Warnings)
{
    const QString tabulatedMarch = QString::fromUtf8("- AVISO -   Ya se tabuló el informe de Marzo para Ana Ruiz.");
    const QString tabulatedJanuary = QString::fromUtf8("- AVISO -   Ya se tabuló el informe de Enero para Ana Ruiz.");
    const QString counted = QString::fromUtf8("Cualquier cambio aparecerá en el informe de Marzo a la Sucursal.");
    const QString notCounted = QString::fromUtf8("Cualquier cambio NO aparacerá en el informe de Marzo a la Sucursal.");
    const QString special = QString::fromUtf8("Precursores Especiales NO aparacerá en el informe a la Sucursal.");
    struct Case {
        const char* name;
        int month;             // month shown (report month March)
        int hours;             // hours of the month shown
        std::uint8_t status;   // status byte of the month shown
        std::uint8_t reportStatus;
        bool lateFlag;
        QString warning;
        int isLate, notCounted;
    };
    const Case cases[] = {
        {"nothing reported", 2, 0, 0, 0, false, "", 0, 0},
        {"hours of the report month", 2, 12, 0, 0, false, tabulatedMarch + "\n" + counted, 0, 0},
        {"special pioneer", 2, 0, 3, 3, false, "\n" + special, 0, 1},
        {"special pioneer with hours", 2, 40, 3, 3, false, tabulatedMarch + "\n" + special, 0, 1},
        {"late month, nothing there", 0, 0, 0, 0, false, "\n" + counted, 1, 0},
        {"late month with hours", 0, 5, 0, 0, false, tabulatedJanuary + "\n" + notCounted, 1, 1},
        {"late month with hours, flag set", 0, 5, 0, 0, true, tabulatedJanuary + "\n" + counted, 1, 0},
        {"late month of a special pioneer", 0, 0, 3, 0, false, "\n" + special, 1, 1},
        {"special pioneer in the report month only", 0, 0, 0, 3, false, "\n" + special, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GroupBuilder b;
        PublisherBuilder p = b.AddPublisher("Ana", "Ruiz").Status(2, 0, c.reportStatus).Status(c.month, 0, c.status);
        p.Report(c.month, 0, c.hours != 0, 0, c.hours);
        if (c.lateFlag)
            p.Late(c.month);
        Load(b);
        EntryLogic& e = Open(1);
        if (c.month != 2) {
            e.OpenMonthList();
            e.SelectMonth(c.month);
            EXPECT_EQ(e.isLate, 1);
            EXPECT_FALSE(Text(IdcWarnings).contains("Cualquier")) << "no late line while the list is open";
            e.CloseMonthList();
        }
        EXPECT_EQ(Text(IdcWarnings), c.warning);
        EXPECT_TRUE(C(IdcWarnings).variableFont);
        EXPECT_EQ(e.isLate, c.isLate);
        EXPECT_EQ(e.notCounted, c.notCounted);
    }
}
