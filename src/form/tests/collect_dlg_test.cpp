#include "form/collect_dlg.h"
#include "form/preview_panel.h"
#include "form/printer_selection.h"
#include "form_fixture.h"
#include "tools/demo_group.h"

#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace rekol;

namespace {

class CollectDlgTest : public test::FormFixture {
protected:
    CollectDlgTest() { printers.systemPrinter = [] { return QString(); }; }

    // Opens the preview on the loaded group, as the main window does.
    std::unique_ptr<CCollectDlg> Open(int month = 2)
    {
        auto dlg = std::make_unique<CCollectDlg>(group, sink, nullptr, &printers);
        dlg->month = static_cast<std::uint8_t>(month);
        dlg->show();
        return dlg;
    }

    static std::pair<int, int> Shown(const CCollectDlg& dlg) { return {dlg.Pager().first + 1, dlg.Pager().last}; }
    static QString PreviousText(const CCollectDlg& dlg) { return dlg.Button(IDC_COLLECT_PREVIOUS)->text(); }
    static bool NextVisible(const CCollectDlg& dlg) { return !dlg.Button(IDC_COLLECT_NEXT)->isHidden(); }
    static void Click(CCollectDlg& dlg, int id) { QTest::mouseClick(dlg.Button(id), Qt::LeftButton); }

    static int PdfPages(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        return static_cast<int>(f.readAll().count("/Type /Page\n"));
    }

    PrinterSelection printers;
    QTemporaryDir dir;
};

TEST_F(CollectDlgTest, OpensOnTheMonthWithTheFirstPage)
{
    Load(Numbered(3));
    const auto dlg = Open(0);
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Informes Enero"));
    EXPECT_EQ(Shown(*dlg), std::pair(1, 3));
    EXPECT_EQ(dlg->Pager().total, 3);
    EXPECT_EQ(dlg->Panel()->focusPolicy(), Qt::NoFocus);
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get(), 30000));
    EXPECT_EQ(QApplication::focusWidget(), dlg->Button(IDC_COLLECT_CLOSE));
}

TEST_F(CollectDlgTest, SmallGroupsHideBothPagingButtons)
{
    for (int count : {0, 18}) {
        Load(Numbered(count));
        const auto dlg = Open();
        EXPECT_TRUE(dlg->Button(IDC_COLLECT_PREVIOUS)->isHidden()) << count;
        EXPECT_FALSE(NextVisible(*dlg)) << count;
        EXPECT_EQ(Shown(*dlg), std::pair(1, count));
    }
}

TEST_F(CollectDlgTest, PagesThroughNineteen)
{
    Load(Numbered(19));
    const auto dlg = Open();
    EXPECT_EQ(Shown(*dlg), std::pair(1, 18));
    EXPECT_EQ(PreviousText(*dlg), QStringLiteral("> > >"));
    EXPECT_FALSE(NextVisible(*dlg));
    Click(*dlg, IDC_COLLECT_PREVIOUS);
    EXPECT_EQ(Shown(*dlg), std::pair(2, 19));
    EXPECT_EQ(PreviousText(*dlg), QStringLiteral("< < <"));
    EXPECT_FALSE(NextVisible(*dlg));
    Click(*dlg, IDC_COLLECT_PREVIOUS);
    EXPECT_EQ(Shown(*dlg), std::pair(1, 18));
    EXPECT_EQ(PreviousText(*dlg), QStringLiteral("> > >"));
}

TEST_F(CollectDlgTest, PagesThroughFifty)
{
    Load(Numbered(50));
    const auto dlg = Open();
    Click(*dlg, IDC_COLLECT_PREVIOUS);
    EXPECT_EQ(Shown(*dlg), std::pair(19, 36));
    EXPECT_EQ(PreviousText(*dlg), QStringLiteral("< < <"));
    EXPECT_TRUE(NextVisible(*dlg));
    Click(*dlg, IDC_COLLECT_NEXT);
    EXPECT_EQ(Shown(*dlg), std::pair(33, 50));
    EXPECT_FALSE(NextVisible(*dlg));
    Click(*dlg, IDC_COLLECT_PREVIOUS);
    EXPECT_EQ(Shown(*dlg), std::pair(15, 32));
    EXPECT_TRUE(NextVisible(*dlg));
    Click(*dlg, IDC_COLLECT_PREVIOUS);
    EXPECT_EQ(Shown(*dlg), std::pair(1, 18));
    EXPECT_FALSE(NextVisible(*dlg));
    EXPECT_FALSE(dlg->Button(IDC_COLLECT_PREVIOUS)->isHidden());
}

TEST_F(CollectDlgTest, CloseAndEscapeEndTheDialog)
{
    Load(Numbered(2));
    for (const bool escape : {false, true}) {
        const auto dlg = Open();
        if (escape)
            QTest::keyClick(dlg.get(), Qt::Key_Escape);
        else
            Click(*dlg, IDC_COLLECT_CLOSE);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(dlg->result(), QDialog::Rejected);
    }
}

TEST_F(CollectDlgTest, ControlsPlacedFromDialogUnits)
{
    Load(Numbered(1));
    const auto dlg = Open();
    // The panel takes the place of the template's owner-drawn control.
    EXPECT_EQ(dlg->Panel()->geometry(), MapDialogRect(QRect(6, 4, 383, 173), dlg->BaseUnits()));
    EXPECT_EQ(dlg->size(), MapDialogRect(QRect(0, 0, 394, 202), dlg->BaseUnits()).size());
    EXPECT_EQ(dlg->GetDlgItem(IDC_COLLECT_PANEL), dlg->Panel());
}

TEST_F(CollectDlgTest, PanelPaintsTheTableOfTheDemoGroup)
{
    Load(MakeDemoGroup(QDate(2024, 4, 10)));
    group.reportMonth = 2;
    const auto dlg = Open();
    const QImage shot = dlg->grab().toImage();
    ASSERT_TRUE(dlg->Panel()->IsMeasured());
    const Rect r = dlg->Panel()->ClientRect();
    EXPECT_EQ(r.right, dlg->Panel()->width());
    const QPoint origin = dlg->Panel()->pos();
    // The grey heading band, the white rows below it, a black ruling line.
    const int band = r.bottom / 18;
    EXPECT_EQ(shot.pixel(origin + QPoint(3, band - 2)), qRgb(192, 192, 192));
    EXPECT_EQ(shot.pixel(origin + QPoint(r.right / 4 + 3, band + 3)), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(origin + QPoint(r.right / 4, band + 3)), qRgb(0, 0, 0));
    if (const QByteArray path = qgetenv("REKOL_PREVIEW_SCREENSHOT"); !path.isEmpty())
        shot.save(QString::fromLocal8Bit(path));
}

TEST_F(CollectDlgTest, PrintWithoutAPrinterSaysSo)
{
    Load(Numbered(3));
    const auto dlg = Open();
    Click(*dlg, IDC_COLLECT_PRINT);
    EXPECT_EQ(sink.messages, QStringList{QStringLiteral("No Printer")});
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(CollectDlgTest, PrintsOnTheChosenPdfFile)
{
    Load(Numbered(33));
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    const QString path = dir.filePath(QStringLiteral("form.pdf"));
    pdf->setOutputFileName(path);
    printers.Select(std::move(pdf));
    const auto dlg = Open();
    Click(*dlg, IDC_COLLECT_PRINT);
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_EQ(PdfPages(path), 2);
    EXPECT_EQ(dlg->Form().nameHeading, QStringLiteral("Nombre"));
    EXPECT_EQ(dlg->Form().phoneHeading, QStringLiteral("Telephone"));
}

TEST_F(CollectDlgTest, DeviceThatCannotOpenIsNoHdc)
{
    Load(Numbered(3));
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(dir.filePath(QStringLiteral("no/such/folder/form.pdf")));
    printers.Select(std::move(pdf));
    const auto dlg = Open();
    Click(*dlg, IDC_COLLECT_PRINT);
    EXPECT_EQ(sink.messages, QStringList{QStringLiteral("no hdc")});
}

TEST(PrinterSelection, FollowsTheSystemPrinterUntilTheUserChooses)
{
    PrinterSelection printers;
    QString system = QStringLiteral("Oficina");
    printers.systemPrinter = [&] { return system; };
    EXPECT_NE(printers.Acquire(), nullptr);
    EXPECT_EQ(printers.FollowedPrinter(), QStringLiteral("Oficina"));
    system = QStringLiteral("Casa");
    EXPECT_NE(printers.Acquire(), nullptr);
    EXPECT_EQ(printers.FollowedPrinter(), QStringLiteral("Casa"));
    system.clear();
    EXPECT_EQ(printers.Acquire(), nullptr);

    auto pdf = std::make_unique<QPrinter>();
    pdf->setOutputFormat(QPrinter::PdfFormat);
    QPrinter* chosen = pdf.get();
    printers.Select(std::move(pdf));
    system = QStringLiteral("Oficina");
    EXPECT_EQ(printers.Acquire(), chosen);
    EXPECT_TRUE(printers.FollowedPrinter().isEmpty());
}

} // namespace

namespace {

// Answers the next modal dialog once it shows.
void AnswerPrintDialog(bool accept)
{
    QTimer::singleShot(0, [accept] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            AnswerPrintDialog(accept);
            return;
        }
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
}

TEST(PrinterSelection, PrintSetupKeepsTheChoiceOnlyOnOk)
{
    PrinterSelection printers;
    printers.systemPrinter = [] { return QString(); };
    printers.printerExists = [](const QString&) { return false; };

    AnswerPrintDialog(false);
    printers.PrintSetup(nullptr);
    EXPECT_EQ(printers.Acquire(), nullptr);

    AnswerPrintDialog(true);
    printers.PrintSetup(nullptr);
    QPrinter* chosen = printers.Acquire();
    ASSERT_NE(chosen, nullptr);
    // Without an installed printer the dialog offers only a PDF file.
    EXPECT_EQ(chosen->outputFormat(), QPrinter::PdfFormat);

    AnswerPrintDialog(false);
    printers.PrintSetup(nullptr);
    EXPECT_EQ(printers.Acquire(), chosen);
}

} // namespace
