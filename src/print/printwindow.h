#pragma once

#include "platform/platform.h"
#include "print/corrections.h"
#include "print/printerchooser.h"
#include "print/printpena.h"

#include <QWidget>

struct AppState;
class QLabel;
class QLineEdit;
class QPushButton;

// "Imprimir Boletos": the bets of one peña onto official playslips or plain
// paper, with the margin corrections kept in "nums.ini". Non-modal; stays
// open after printing.
class PrintWindow : public QWidget {
    Q_OBJECT
public:
    PrintWindow(AppState& state, Platform& platform, PrinterChooser& printers,
                const PenaRecord& pena, QWidget* parent = nullptr);

    QLabel* nameValue() const { return name_; }
    QLabel* betsValue() const { return bets_; }
    QLabel* playslipsValue() const { return playslips_; }
    QLabel* daysValue() const { return days_; }
    QLineEdit* box(Axis axis) const { return axis == Axis::X ? boxX_ : boxY_; }
    QPushButton* officialButton() const { return official_; }
    QPushButton* plainButton() const { return plain_; }
    const Corrections& corrections() const { return corrections_; }

    // The two print buttons.
    PrintResult print(PrintMode mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void showCorrections();
    void onEdited(Axis axis, const QString& text);
    void saveCorrections();

    AppState& state_;
    Platform& platform_;
    PrinterChooser& printers_;
    PenaRecord pena_;
    Corrections corrections_{SettingsRecord()};
    QLocale locale_;
    bool saveFailureShown_ = false;
    bool reportingEmpty_ = false;

    QLabel* name_ = nullptr;
    QLabel* bets_ = nullptr;
    QLabel* playslips_ = nullptr;
    QLabel* days_ = nullptr;
    QLineEdit* boxX_ = nullptr;
    QLineEdit* boxY_ = nullptr;
    QPushButton* official_ = nullptr;
    QPushButton* plain_ = nullptr;
};

inline const QString kSettingsNotSavedText = QStringLiteral(
    "No se han podido guardar las correcciones de margen en nums.ini. Se usarán mientras la "
    "ventana siga abierta.");
