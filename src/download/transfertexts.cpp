#include "download/transfertexts.h"

#include "download/request.h"
#include "store/dates.h"
#include "store/dayfilter.h"
#include "store/storeerror.h"

#include <QDate>

QString newDrawsText(int count) {
    return QString::number(count) +
           (count == 1 ? QStringLiteral(" sorteo") : QStringLiteral(" sorteos"));
}

QString missingDrawsText(double newestBefore, QDate before) {
    const QDate newest = dateFromOle(newestBefore);
    // No stored draw, or a date that is no day (an invalid day would never
    // reach the window).
    if (newestBefore == 0 || !newest.isValid() || !before.isValid()) return QString();
    QDate first = newest.addDays(1);
    while (first < before && !isDrawWeekday(first))
        first = first.addDays(1);
    if (first >= before) return QString();
    QDate last = before.addDays(-1);
    while (last > first && !isDrawWeekday(last))
        last = last.addDays(-1);
    const QString tail = QStringLiteral(": el servidor sólo da los sorteos de los últimos %1 "
                                        "días. Puede %2 importando un archivo de sorteos "
                                        "completo con \"Añadir todos los sorteos\" en la "
                                        "pestaña \"Estadísticas\".")
                             .arg(kWindowDays);
    if (first == last)
        return QStringLiteral("Falta el sorteo del %1").arg(shortDate(first)) +
               tail.arg(QStringLiteral("añadirlo"));
    return QStringLiteral("Faltan los sorteos del %1 al %2")
               .arg(shortDate(first), shortDate(last)) +
           tail.arg(QStringLiteral("añadirlos"));
}

QString cacheWriteText() {
    return QStringLiteral("No se ha podido guardar la respuesta del servidor en el archivo "
                          "www.txt. Compruebe que la carpeta de datos admite escritura y "
                          "pruebe de nuevo. No se ha añadido ningún sorteo.");
}

QString drawWriteText(const StoreError& error) {
    if (error.kind() == StoreError::Kind::Unavailable)
        return error.text() + QStringLiteral(" Vuelva a bajar los sorteos cuando se pueda.");
    return QStringLiteral("No se han podido añadir los sorteos nuevos al archivo numeros.dat "
                          "(puede que el disco esté lleno o que la carpeta de datos no admita "
                          "escritura): se ha dejado como estaba. Vuelva a bajar los sorteos.");
}

QString corruptReportText(const QString& mail) {
    return QStringLiteral("\r\nERROR DE INTERPRETACIÓN DE DATOS:\r\nSi más tarde se conecta y le "
                          "vuelve a suceder envie un email a: ") +
           mail;
}
