#pragma once

class StoreError;

#include <QDate>
#include <QString>

// The transfer's own texts, shown exactly so.
inline const QString kConnectingText = QStringLiteral("CONECTANDO AL SERVIDOR");
inline const QString kSearchingText = QStringLiteral("BUSCANDO SORTEOS");
inline const QString kAnalysingText = QStringLiteral("ANALIZANDO DATOS");
inline const QString kFinishedText = QStringLiteral("TRANSFERENCIA FINALIZADA");
inline const QString kReceivedAtRest = QStringLiteral("0 Bytes");

inline const QString kConnectionTitle = QStringLiteral("Error de conexión");
inline const QString kNotConnectedText =
    QStringLiteral("No conectado: Compruebe la conexión a internet...");
inline const QString kM1Text =
    QStringLiteral("No conectado: Compruebe la conexión a internet. Si es correcta, pruebe más "
                   "tarde ya que no es posible conectar con el servidor de ONLAE.");
inline const QString kM2Text =
    QStringLiteral("Problemas con el servidor. Tarda en responder. Pruebe más tarde...");
inline const QString kDateTitle = QStringLiteral("Error de fechas");
inline const QString kDateText = QStringLiteral(
    "La fecha de tu ordenador parece incorrecta. Existen sorteos en la base de datos con fechas "
    "porsteriores a la actual. Comprueba la fecha de tu ordenador.");
inline const QString kNothingNewText = QStringLiteral("Todavía no hay sorteos nuevos.");
inline const QString kNothingNewTitle = QStringLiteral("Pruebe más tarde");
inline const QString kCorruptText = QStringLiteral(
    "¡¡Datos corruptos o inválidos!! Si se repite en otros momentos este mismo error, "
    "posiblemente se ha de actualizar el programa. Pruebe más tarde.");
inline const QString kCorruptTitle = QStringLiteral("Error crítico");
inline const QString kNoDataYetText = QStringLiteral("Aun no hay datos de sorteos del ");
inline const QString kNoDataYetTitle = QStringLiteral("Pruebe mas tarde");
inline const QString kMissingTitle = QStringLiteral("Sorteos sin descargar");
inline const QString kWriteTitle = QStringLiteral("Error de escritura");

// "1 sorteo", "2 sorteos".
QString newDrawsText(int count);
// The draw days after `newestBefore` (the newest draw stored before the
// download) and before `before` (the oldest draw it appended, or the
// window's first day when it appended none): draws no later download will
// bring. Empty when no draw day lies between; one draw is named alone.
QString missingDrawsText(double newestBefore, QDate before);
// A cache or draw file that could not be written.
QString cacheWriteText();
QString drawWriteText(const StoreError& error);
// What the report box shows after a corrupt answer.
QString corruptReportText(const QString& mail);
