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

QString missingDrawsText(double newestStored, QDate windowFirstDay) {
    const QDate newest = dateFromOle(newestStored);
    // No stored draw, or a date that is no day (an invalid day would never
    // reach the window).
    if (newestStored == 0 || !newest.isValid()) return QString();
    QDate first = newest.addDays(1);
    while (first < windowFirstDay && !isDrawWeekday(first))
        first = first.addDays(1);
    QDate last = windowFirstDay.addDays(-1);
    while (last > first && !isDrawWeekday(last))
        last = last.addDays(-1);
    if (first >= windowFirstDay || !isDrawWeekday(last)) return QString();
    return QStringLiteral("Faltan los sorteos del %1 al %2: el servidor sólo da los sorteos de "
                          "los últimos %3 días. Puede añadirlos importando un archivo de "
                          "sorteos completo con \"Añadir todos los sorteos\" en la pestaña "
                          "\"Estadísticas\".")
        .arg(shortDate(first), shortDate(last))
        .arg(kWindowDays);
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
