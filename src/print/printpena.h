#pragma once

#include "platform/prompter.h"
#include "print/playslip.h"
#include "print/printerchooser.h"
#include "store/records.h"

// PrintPena: the bets of one peña onto official playslips (marks only) or
// onto plain paper (a compatible playslip drawn by the program, two a page).
struct PrintJob {
    PenaRecord pena;
    PrintMode mode = PrintMode::Plain;
    float correctionX = 0;
    float correctionY = 0;
    QString makerSite; // the official header's web address
};

enum class PrintResult { Cancelled, Printed, Failed };

// Shows the printer dialog through the chooser, asks the two-weeks question
// at most once, draws every playslip and ends the document. A printer that
// cannot be used or refuses the job is reported in a message.
PrintResult printPena(const PrintJob& job, PrinterChooser& printers, Prompter& prompter);

inline const QString kMarkFont = QStringLiteral("Arial");
constexpr double kMarkPoints = 11.5;
constexpr double kHeaderPoints = 8;

inline const QString kTwoWeeksQuestion = QStringLiteral(
    "¿Quiere marcar el boleto para jugar DOS SEMANAS. En caso contrario, se marcará para jugar "
    "la SEMANA EN CURSO.");
inline const QString kTwoWeeksTitle = QStringLiteral("Opción Dos semanas");
inline const QString kPrintTitle = QStringLiteral("Imprimir Boletos");
inline const QString kPrinterNotReadyText =
    QStringLiteral("No se ha podido abrir la impresora elegida. Compruebe que está encendida y "
                   "conectada, e inténtelo de nuevo. No se ha impreso nada.");
inline const QString kPrintRefusedText =
    QStringLiteral("La impresora no ha aceptado el trabajo: los boletos no se han impreso.");
