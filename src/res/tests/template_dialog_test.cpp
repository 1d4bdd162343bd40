#include "res/widgets/template_dialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include <gtest/gtest.h>

using namespace rekol;

namespace {

const int kDialogs[] = {IDD_ABOUTBOX, IDD_REKOL_DIALOG, IDD_ENTRY, IDD_COLLECT};

} // namespace

TEST(TemplateDialog, FontGivesPlausibleBaseUnits)
{
    CTemplateDialog dlg(IDD_REKOL_DIALOG);
    EXPECT_TRUE(dlg.font().family() == "Liberation Sans" || dlg.font().family() == "DejaVu Sans");
    EXPECT_EQ(dlg.font().pixelSize(), 13); // 10 points at 96 dpi, in whole pixels
    // A 10 point sans face at 96 dpi: 6 or 7 pixels across, 15 to 17 down.
    EXPECT_GE(dlg.BaseUnits().cx, 6);
    EXPECT_LE(dlg.BaseUnits().cx, 8);
    EXPECT_GE(dlg.BaseUnits().cy, 14);
    EXPECT_LE(dlg.BaseUnits().cy, 18);
}

TEST(TemplateDialog, EveryControlSitsWhereItsTemplateSays)
{
    for (int id : kDialogs) {
        CTemplateDialog dlg(id);
        const DialogTemplate& t = dlg.Template();
        EXPECT_EQ(dlg.size(), MapDialogRect(QRect(0, 0, t.width, t.height), dlg.BaseUnits()).size());
        int addressed = 0;
        for (const ControlTemplate& c : t.controls) {
            if (c.id == IDC_STATIC)
                continue;
            ++addressed;
            QWidget* w = dlg.GetDlgItem(c.id);
            ASSERT_NE(w, nullptr) << "dialog " << id << " control " << c.id;
            EXPECT_EQ(w->geometry(), MapDialogRect(QRect(c.x, c.y, c.w, c.h), dlg.BaseUnits()));
            EXPECT_EQ(w->isHidden(), c.hidden) << c.id;
            EXPECT_EQ(w->focusPolicy() != Qt::NoFocus, IsTabStop(c)) << c.id;
        }
        EXPECT_GT(addressed, 0);
        EXPECT_EQ(dlg.GetDlgItem(4242), nullptr);
    }
}

TEST(TemplateDialog, MainWindowControlsHaveTheirKindsAndTexts)
{
    CTemplateDialog dlg(IDD_REKOL_DIALOG);
    EXPECT_EQ(dlg.windowTitle(), QString("Informes del Servicio del Campo"));
    ASSERT_NE(dlg.Button(IDOK), nullptr);
    EXPECT_TRUE(dlg.Button(IDOK)->isDefault());
    EXPECT_FALSE(dlg.Button(IDCANCEL)->isDefault());
    EXPECT_EQ(dlg.GetDlgItemText(IDCANCEL), QString::fromUtf8("Salirse de la aplicación"));
    auto* list = dlg.Item<QListWidget>(138);
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isSortingEnabled());
    ASSERT_NE(dlg.Item<QCheckBox>(162), nullptr);
    EXPECT_NE(dlg.Item<QLabel>(1000), nullptr);
    dlg.SetDlgItemText(1000, "Sin Informar en Marzo = 4");
    EXPECT_EQ(dlg.GetDlgItemText(1000), QString("Sin Informar en Marzo = 4"));
    dlg.ShowItem(1003, true);
    EXPECT_FALSE(dlg.GetDlgItem(1003)->isHidden());

    // Tab order is template order: OK, Cancel, the list, the check box, 3 ...
    QWidget* next = dlg.Button(IDOK)->nextInFocusChain();
    while (next->focusPolicy() == Qt::NoFocus)
        next = next->nextInFocusChain();
    EXPECT_EQ(next, dlg.Button(IDCANCEL));
}

TEST(TemplateDialog, GroupBoxesAndFramesLieBeneathAndLetClicksThrough)
{
    CTemplateDialog dlg(IDD_ENTRY);
    const QList<QGroupBox*> boxes = dlg.findChildren<QGroupBox*>();
    ASSERT_EQ(boxes.size(), 2);
    for (QGroupBox* box : boxes) {
        EXPECT_TRUE(box->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_EQ(dlg.children().indexOf(box) < dlg.children().indexOf(dlg.GetDlgItem(139)), true);
    }
    // The edit inside the first group box is what a click there reaches.
    EXPECT_EQ(dlg.childAt(dlg.GetDlgItem(139)->geometry().center()), dlg.GetDlgItem(139));
}

// The Windows face the templates were drawn for is gone; the stand-in must
// still fit every text into its control.
TEST(TemplateDialog, NoTemplateTextIsClipped)
{
    for (int id : kDialogs) {
        CTemplateDialog dlg(id);
        const QFontMetrics metrics(dlg.font());
        for (const ControlTemplate& c : dlg.Template().controls) {
            const QString text = QString::fromUtf8(c.text).remove('&');
            if (text.isEmpty() || c.kind == ControlKind::GroupBox || (c.style & Multiline))
                continue;
            const QRect rect = MapDialogRect(QRect(c.x, c.y, c.w, c.h), dlg.BaseUnits());
            int needed = metrics.horizontalAdvance(text);
            if (c.kind == ControlKind::PushButton || c.kind == ControlKind::DefPushButton) {
                // The label is drawn inside the button's frame.
                needed += 2 * dlg.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;
            } else if (c.kind == ControlKind::AutoCheckBox) {
                needed += dlg.style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                          dlg.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
            }
            EXPECT_LE(needed, rect.width()) << "dialog " << id << ": \"" << c.text << "\"";
            EXPECT_LE(metrics.height(), rect.height() + 1) << "dialog " << id << ": \"" << c.text << "\"";
        }
    }
}

TEST(TemplateDialog, MultilineCheckBoxWrapsItsText)
{
    CTemplateDialog dlg(IDD_ENTRY);
    const QString text = dlg.GetDlgItemText(1126);
    EXPECT_TRUE(text.contains('\n'));
    EXPECT_EQ(QString(text).replace('\n', ' '), QString::fromUtf8("Participó en del ministerio"));
    EXPECT_EQ(dlg.GetDlgItem(1126)->layoutDirection(), Qt::RightToLeft); // text left of the box
}

TEST(TemplateDialog, ReplaceItemTakesThePlaceOfTheControl)
{
    CTemplateDialog dlg(IDD_COLLECT);
    const QRect where = dlg.GetDlgItem(130)->geometry();
    auto* panel = new QWidget;
    dlg.ReplaceItem(130, panel);
    EXPECT_EQ(dlg.GetDlgItem(130), panel);
    EXPECT_EQ(panel->parentWidget(), &dlg);
    EXPECT_EQ(panel->geometry(), where);
    EXPECT_EQ(panel->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(dlg.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 7);
}
