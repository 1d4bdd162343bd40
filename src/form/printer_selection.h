#pragma once

#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace rekol {

// The printer the program prints on, kept for the whole run. It starts
// empty and is filled from the system's printer when a print command needs
// it. While it is the system's default printer it follows a changed default
// (and becomes empty when there is none any more); the print-setup command
// replaces it with the user's choice, a printer or a PDF file.
class PrinterSelection {
public:
    PrinterSelection();
    ~PrinterSelection();
    PrinterSelection(const PrinterSelection&) = delete;
    PrinterSelection& operator=(const PrinterSelection&) = delete;

    // The selection of the running program.
    static PrinterSelection& Application();

    // The printer for a print command, or nothing when no printer can be had.
    QPrinter* Acquire();

    // The print-setup command: the system's print dialog, started from the
    // selection; OK keeps the choice, Cancel leaves the selection as it was.
    void PrintSetup(QWidget* parent);

    // Makes `printer` the selection, as choosing it in the print-setup
    // dialog does.
    void Select(std::unique_ptr<QPrinter> printer);

    // The name of the printer a new selection starts from: the system's
    // default printer, else its only or first printer; empty when there is
    // none. Replaceable for tests.
    std::function<QString()> systemPrinter;
    // Whether a printer of that name is installed. Replaceable for tests.
    std::function<bool(const QString&)> printerExists;

    // The system printer the selection follows; empty when it is the user's
    // choice or empty itself.
    const QString& FollowedPrinter() const { return followed_; }

private:
    bool IsSystemPrinter() const;

    std::unique_ptr<QPrinter> printer_;
    QString followed_;
};

} // namespace rekol
