#pragma once

#include <QLocale>
#include <QString>

// The texts of the "Sorteos" tab, shown exactly so (CR LF breaks the lines).
inline const QString kReportDesignTitle = QStringLiteral("Informe");
inline const QString kPrizesFrameTitle = QStringLiteral("Premios en Euros ");
inline const QString kPrizeDesignCaption = QStringLiteral("0");
inline const QString kNoConnectionNotice =
    QStringLiteral("No se encuentra conexión a internet.... :(");
inline const QString kUpdatingReportText =
    QStringLiteral("Un momento. Actualizando información...");
// While the report's PDF is on its way after a download.
inline const QString kReportComingNotice =
    QStringLiteral("\r\nUn momento. Descargando el informe del sorteo...");
// N1: the draw's breakdown or its report is not there yet.
inline const QString kReportNotReadyNotice =
    QStringLiteral("\r\nATENCIÓN:\r\nLos datos del sorteo aún no están disponibles. "
                   "Intente más tarde.");
// N2: this build cannot show PDF files.
QString noPdfViewerNotice(const QString& readerPage);

// "- 1ª Categoría (5 aciertos + 2 estrellas): " for i = 0..12, in the order
// the results service lists the prizes (today's official category order).
QString prizeCaption(int i);

// Keeps, in order, only the characters whose Windows-1252 code is 33..122:
// no spaces, control characters, "{", "|", "}", "~" nor anything non-ASCII.
QString raros(const QString& text);

// "-Informe del Martes, 28 de febrero del 2023": the newest draw's date with
// the month named as `locale` names it; the design caption without draws.
QString reportTitle(double latestDrawDate, const QLocale& locale);
