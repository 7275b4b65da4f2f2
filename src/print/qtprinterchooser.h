#pragma once

#include "print/printerchooser.h"

// The system's printer dialog, without printing to a file or a selection.
class QtPrinterChooser : public PrinterChooser {
public:
    std::unique_ptr<PrintSurface> choosePrinter() override;
};

inline const QString kNoPrinterText =
    QStringLiteral("No hay ninguna impresora instalada. Instale una impresora e inténtelo de "
                   "nuevo.");
