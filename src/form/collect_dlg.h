#pragma once

#include "form/collection_form.h"
#include "form/preview_pager.h"
#include "res/widgets/template_dialog.h"

#include <cstdint>

namespace rekol {

class CPreviewPanel;
class GroupData;
class MessageSink;
class PrinterSelection;

// Control ids of dialog 115.
enum CollectControlId : int {
    IDC_COLLECT_CLOSE = 2,
    IDC_COLLECT_PRINT = 3,
    IDC_COLLECT_PRINT_SETUP = 129,
    IDC_COLLECT_PANEL = 130,
    IDC_COLLECT_PREVIOUS = 1004,
    IDC_COLLECT_NEXT = 1005,
};

// Dialog 115: the collection form of one month on screen, 18 publishers at a
// time, with printing and printer setup. Opened modally by the main window,
// which sets `month` first; it reads the group and never changes it.
class CCollectDlg : public CTemplateDialog {
    Q_OBJECT

public:
    // `printers` defaults to the application's printer selection.
    CCollectDlg(GroupData& group, MessageSink& messages, QWidget* owner, PrinterSelection* printers = nullptr);
    ~CCollectDlg() override;

    // The month shown and printed, 0 = January; set before the dialog runs.
    std::uint8_t month = 0;

    // Sets the text and visibility of the paging buttons for the current page.
    void ShowPage();
    // Draws the on-screen table of the current page.
    void PaintTable(const Rect& rect, DeviceContext& dc);
    // Prints the whole form on the printer selection.
    void OnPrint();
    void OnPrintSetup();
    void OnNextPage();
    // Button 1004: the previous page, or on the first page the next one.
    void OnPreviousPage();

    CPreviewPanel* Panel() const { return panel_; }
    const PreviewPager& Pager() const { return pager_; }
    const CollectionForm& Form() const { return form_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();

    GroupData& group_;
    MessageSink& messages_;
    PrinterSelection& printers_;
    CollectionForm form_;
    PreviewPager pager_;
    CPreviewPanel* panel_;
    bool initialised_ = false;
};

} // namespace rekol
