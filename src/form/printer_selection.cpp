#include "form/printer_selection.h"

#include "form/collection_form.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace rekol {

PrinterSelection::PrinterSelection()
    : systemPrinter([] {
          QString name = QPrinterInfo::defaultPrinterName();
          if (name.isEmpty()) {
              const QStringList names = QPrinterInfo::availablePrinterNames();
              if (!names.isEmpty())
                  name = names.first();
          }
          return name;
      }),
      printerExists([](const QString& name) { return !QPrinterInfo::printerInfo(name).isNull(); })
{
}

PrinterSelection::~PrinterSelection() = default;

PrinterSelection& PrinterSelection::Application()
{
    static PrinterSelection selection;
    return selection;
}

bool PrinterSelection::IsSystemPrinter() const
{
    return printer_->outputFormat() == QPrinter::NativeFormat;
}

QPrinter* PrinterSelection::Acquire()
{
    const QString system = systemPrinter();
    if (printer_ && !followed_.isEmpty() && followed_ != system) {
        printer_.reset();
        followed_.clear();
    }
    if (!printer_) {
        if (system.isEmpty())
            return nullptr;
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPrinterName(system);
        followed_ = system;
    }
    return printer_.get();
}

void PrinterSelection::Select(std::unique_ptr<QPrinter> printer)
{
    printer_ = std::move(printer);
    followed_.clear();
    if (printer_ && IsSystemPrinter() && printer_->printerName() == systemPrinter())
        followed_ = printer_->printerName();
}

void PrinterSelection::PrintSetup(QWidget* parent)
{
    // A printer that has gone since it was chosen is dropped: the dialog
    // starts again from the system's printer.
    if (printer_ && IsSystemPrinter() && !printerExists(printer_->printerName())) {
        printer_.reset();
        followed_.clear();
    }
    auto chosen = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (printer_) {
        chosen->setOutputFormat(printer_->outputFormat());
        if (IsSystemPrinter())
            chosen->setPrinterName(printer_->printerName());
        chosen->setOutputFileName(printer_->outputFileName());
        chosen->setPageLayout(printer_->pageLayout());
        chosen->setCopyCount(printer_->copyCount());
        chosen->setDuplex(printer_->duplex());
        chosen->setColorMode(printer_->colorMode());
    } else if (const QString system = systemPrinter(); !system.isEmpty()) {
        chosen->setPrinterName(system);
    }

    // Names the PDF file the dialog proposes.
    chosen->setDocName(CollectionForm::DocumentName());

    QPrintDialog dialog(chosen.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Configurar Impresora"));
    // Setting up, not printing: every page, no ranges or selection; a PDF
    // file may stand for the printer.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("&Aceptar"));
    }
    if (dialog.exec() == QDialog::Accepted)
        Select(std::move(chosen));
}

} // namespace rekol
