#pragma once

#include "print/printsurface.h"

#include <QFont>
#include <QPainter>
#include <memory>

class QPrinter;

// The page of a QPrinter in millimetres from the top-left corner of its
// printable area, with the page margins at the printer's own minimum. The
// first page is started by begin(); pages follow only on newPage(), so no
// blank sheet is left at the end.
class QtPrintSurface : public PrintSurface {
public:
    explicit QtPrintSurface(std::unique_ptr<QPrinter> printer);
    ~QtPrintSurface() override;

    bool begin() override;
    void setFont(const QString& family, double points, bool bold) override;
    void text(MmPoint at, const QString& text) override;
    void outline(const MmRect& rect) override;
    void fill(const MmRect& rect) override;
    bool newPage() override;
    bool end() override;

    QPrinter& printer() { return *printer_; }

    // The installed face for a font the program names: Liberation Sans
    // stands for Arial where Arial is not installed.
    static QFont resolveFont(const QString& family, double points, bool bold);

private:
    double device(double mm) const { return mm * dotsPerMm_; }
    QRectF deviceRect(const MmRect& r) const;

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    double dotsPerMm_ = 1;
};
