#pragma once

#include "print/printsurface.h"

#include <memory>

// The printer-selection dialog (no printing to a file, no selection). Gives
// the chosen printer's page, or nothing when the user cancelled; throws
// PrintError when there is no printer to choose.
class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    virtual std::unique_ptr<PrintSurface> choosePrinter() = 0;
};
