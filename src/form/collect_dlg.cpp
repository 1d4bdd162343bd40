#include "form/collect_dlg.h"

#include "data/group_data.h"
#include "form/painter_device.h"
#include "form/preview_panel.h"
#include "form/printer_selection.h"
#include "res/string_table.h"

#include <QPainter>
#include <QPrinter>
#include <QPushButton>

namespace rekol {

CCollectDlg::CCollectDlg(GroupData& group, MessageSink& messages, QWidget* owner, PrinterSelection* printers)
    : CTemplateDialog(IDD_COLLECT, owner),
      group_(group),
      messages_(messages),
      printers_(printers ? *printers : PrinterSelection::Application()),
      form_(group),
      panel_(new CPreviewPanel(*this, this))
{
    ReplaceItem(IDC_COLLECT_PANEL, panel_);
    connect(Button(IDC_COLLECT_CLOSE), &QPushButton::clicked, this, &QDialog::reject);
    connect(Button(IDC_COLLECT_PRINT), &QPushButton::clicked, this, &CCollectDlg::OnPrint);
    connect(Button(IDC_COLLECT_PRINT_SETUP), &QPushButton::clicked, this, &CCollectDlg::OnPrintSetup);
    connect(Button(IDC_COLLECT_PREVIOUS), &QPushButton::clicked, this, &CCollectDlg::OnPreviousPage);
    connect(Button(IDC_COLLECT_NEXT), &QPushButton::clicked, this, &CCollectDlg::OnNextPage);
}

CCollectDlg::~CCollectDlg() = default;

void CCollectDlg::showEvent(QShowEvent* event)
{
    // The opener sets `month` between construction and running the dialog.
    if (!initialised_) {
        initialised_ = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CCollectDlg::OnInitDialog()
{
    setWindowTitle(LoadResString(IDS_REPORTS_OF, IDS_MONTH_FIRST + month));
    pager_ = PreviewPager(group_.publisherCount);
    ShowPage();
}

void CCollectDlg::ShowPage()
{
    QPushButton* previous = Button(IDC_COLLECT_PREVIOUS);
    QPushButton* next = Button(IDC_COLLECT_NEXT);
    if (!pager_.PagingShown()) {
        previous->hide();
        next->hide();
        return;
    }
    // Button 1004 keeps the visibility it was created with: on the first
    // page it pages forward.
    previous->setText(pager_.OnFirstPage() ? QStringLiteral("> > >") : QStringLiteral("< < <"));
    next->setVisible(pager_.NextShown());
}

void CCollectDlg::OnNextPage()
{
    pager_.NextPage();
    ShowPage();
    panel_->update();
}

void CCollectDlg::OnPreviousPage()
{
    if (pager_.OnFirstPage())
        pager_.NextPage();
    else
        pager_.PreviousPage();
    ShowPage();
    panel_->update();
}

void CCollectDlg::PaintTable(const Rect& rect, DeviceContext& dc)
{
    form_.month = month;
    form_.PaintTable(rect, dc, pager_.first, pager_.last);
}

void CCollectDlg::OnPrint()
{
    form_.month = month;
    QPrinter* printer = printers_.Acquire();
    if (!printer) {
        messages_.ShowMessage(QStringLiteral("No Printer"));
        return;
    }
    printer->setDocName(CollectionForm::DocumentName());
    printer->setFullPage(true);
    QPainter painter;
    if (!painter.begin(printer)) {
        messages_.ShowMessage(QStringLiteral("no hdc"));
        return;
    }
    PainterDevice dc(painter, printer);
    form_.Print(dc);
}

void CCollectDlg::OnPrintSetup() { printers_.PrintSetup(this); }

} // namespace rekol
