#pragma once

#include "platform/platform.h"
#include "print/qtprinterchooser.h"

#include <QObject>
#include <QPointer>

struct AppState;
class PrintWindow;
class QWidget;

// "Imprimir" on the "Gestor de peñas" tab: opens "Imprimir Boletos" for the
// selected peña, which the main window closes whenever it is activated again.
class PrintFlow : public QObject {
    Q_OBJECT
public:
    PrintFlow(AppState& state, Platform& platform, QWidget* mainWindow);
    ~PrintFlow() override;

    void open();
    void closeWindow();
    PrintWindow* window() const;

    // Tests choose the printer; nullptr brings back the system's dialog.
    void setPrinterChooser(PrinterChooser* chooser);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppState& state_;
    Platform& platform_;
    QWidget* mainWindow_;
    QtPrinterChooser systemPrinters_;
    PrinterChooser* printers_ = &systemPrinters_;
    QPointer<PrintWindow> window_;
    // Until the new window is active, an activation of the main window is
    // the click that opened it, not the user coming back.
    bool handingOver_ = false;
};

inline const QString kNoPenaSelectedText = QStringLiteral("Seleccione una peña primero...");
