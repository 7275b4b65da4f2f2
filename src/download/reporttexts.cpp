#include "download/reporttexts.h"

#include "store/dates.h"

#include <array>

namespace {

struct Caption {
    int numbers;
    int stars;
};

// The service's order: 6ª to 9ª are 3+2, 4+0, 2+2, 3+1 today.
constexpr std::array<Caption, 13> kServiceOrder{{
    {5, 2},
    {5, 1},
    {5, 0},
    {4, 2},
    {4, 1},
    {3, 2},
    {4, 0},
    {2, 2},
    {3, 1},
    {3, 0},
    {1, 2},
    {2, 1},
    {2, 0},
}};

} // namespace

QString noPdfViewerNotice(const QString& readerPage) {
    return QStringLiteral("\r\nOPCIÓN NO DISPONIBLE\r\n\r\n"
                          "Su ordenador no tiene instalado Adobe Reader para la lectura de "
                          "archivos PDF.\r\nSi quiere instalarlo y disfrutar de esta opción, vaya "
                          "a la web ") +
           readerPage +
           QStringLiteral("\r\n(O haga click AQUÍ para instalarlo)\r\n\r\n"
                          "Es totalmente gratuito. Una vez instalado, ejecútelo y acepte el "
                          "contrato de licencia. Después ya podrá utilizar Vantiko con esta "
                          "opción activada.");
}

QString prizeCaption(int i) {
    const Caption c = kServiceOrder.at(static_cast<std::size_t>(i));
    return QStringLiteral("- %1ª Categoría (%2 %3 + %4 %5): ")
        .arg(i + 1)
        .arg(c.numbers)
        .arg(c.numbers > 1 ? QStringLiteral("aciertos") : QStringLiteral("acierto"))
        .arg(c.stars)
        .arg(c.stars > 1 ? QStringLiteral("estrellas") : QStringLiteral("estrella"));
}

QString raros(const QString& text) {
    QString out;
    out.reserve(text.size());
    // Every character outside ASCII is 128 or more in Windows-1252.
    for (QChar c : text)
        if (c.unicode() >= 33 && c.unicode() <= 122) out.append(c);
    return out;
}

QString reportTitle(double latestDrawDate, const QLocale& locale) {
    if (latestDrawDate == 0) return kReportDesignTitle;
    const QDate d = dateFromOle(latestDrawDate);
    return QStringLiteral("-Informe del ") + diasemana(d) + QStringLiteral(", ") +
           QString::number(d.day()) + QStringLiteral(" de ") +
           locale.monthName(d.month(), QLocale::LongFormat) + QStringLiteral(" del ") +
           QString::number(d.year());
}
