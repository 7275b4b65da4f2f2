#pragma once

#include "print/printerchooser.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

// Every font change, text, rectangle and page break a print job sends.
struct PrintOp {
    enum class Kind { Begin, Font, Text, Outline, Fill, NewPage, End };
    Kind kind;
    MmPoint at;
    MmRect rect;
    QString text;
    QString family;
    double points = 0; // the font in force
    bool bold = false;
};

using PrintLog = QList<PrintOp>;

class RecordingSurface : public PrintSurface {
public:
    explicit RecordingSurface(std::shared_ptr<PrintLog> log) : log_(std::move(log)) {}
    bool beginOk = true;
    bool endOk = true;

    bool begin() override { return add(PrintOp::Kind::Begin), beginOk; }
    void setFont(const QString& family, double points, bool bold) override {
        family_ = family;
        points_ = points;
        bold_ = bold;
        add(PrintOp::Kind::Font);
    }
    void text(MmPoint at, const QString& text) override { add(PrintOp::Kind::Text, at, {}, text); }
    void outline(const MmRect& rect) override { add(PrintOp::Kind::Outline, {}, rect); }
    void fill(const MmRect& rect) override { add(PrintOp::Kind::Fill, {}, rect); }
    bool newPage() override { return add(PrintOp::Kind::NewPage), true; }
    bool end() override { return add(PrintOp::Kind::End), endOk; }

private:
    std::shared_ptr<PrintLog> log_;
    QString family_;
    double points_ = 0;
    bool bold_ = false;

    void add(PrintOp::Kind kind, MmPoint at = {}, MmRect rect = {}, const QString& text = {}) {
        log_->append({kind, at, rect, text, family_, points_, bold_});
    }
};

// The printer dialog as scripted by a test: cancelled, failing, or handing
// out a recording page (or any page the test makes).
class ScriptedPrinterChooser : public PrinterChooser {
public:
    bool cancel = false;
    QString noPrinter; // when set, thrown as PrintError
    bool beginOk = true;
    bool endOk = true;
    std::function<std::unique_ptr<PrintSurface>()> make; // overrides the recording page
    int shown = 0;
    std::shared_ptr<PrintLog> log = std::make_shared<PrintLog>();

    std::unique_ptr<PrintSurface> choosePrinter() override {
        ++shown;
        if (!noPrinter.isEmpty()) throw PrintError(noPrinter);
        if (cancel) return nullptr;
        if (make) return make();
        auto surface = std::make_unique<RecordingSurface>(log);
        surface->beginOk = beginOk;
        surface->endOk = endOk;
        return surface;
    }
};
