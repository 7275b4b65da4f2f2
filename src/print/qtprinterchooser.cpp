#include "print/qtprinterchooser.h"

#include "print/qtprintsurface.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

std::unique_ptr<PrintSurface> QtPrinterChooser::choosePrinter() {
    // Without a printer the dialog would offer nothing the job can use.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) throw PrintError(kNoPrinterText);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return std::make_unique<QtPrintSurface>(std::move(printer));
}
