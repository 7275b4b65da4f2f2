#include "support/answers.h"

#include <QStringList>
#include <algorithm>
#include <random>

QList<AnswerDraw> drawsBetween(QDate first, QDate last) {
    QList<AnswerDraw> out;
    for (QDate d = last; d >= first; d = d.addDays(-1)) {
        if (d.dayOfWeek() != Qt::Tuesday && d.dayOfWeek() != Qt::Friday) continue;
        std::mt19937 gen(static_cast<unsigned>(d.toJulianDay()));
        std::array<int, 50> pool{};
        for (int i = 0; i < 50; ++i)
            pool[i] = i + 1;
        std::shuffle(pool.begin(), pool.end(), gen);
        std::array<int, 12> stars{};
        for (int i = 0; i < 12; ++i)
            stars[i] = i + 1;
        std::shuffle(stars.begin(), stars.end(), gen);
        AnswerDraw draw{d, {pool[0], pool[1], pool[2], pool[3], pool[4]}, {stars[0], stars[1]}};
        std::sort(draw.numbers.begin(), draw.numbers.end());
        std::sort(draw.stars.begin(), draw.stars.end());
        out.append(draw);
    }
    return out;
}

QString drawJson(const AnswerDraw& draw, const QString& combination, const QStringList& prizes) {
    const QString day = draw.date.toString(QStringLiteral("yyyy-MM-dd"));
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    QString combo = combination;
    if (combo.isNull()) {
        QStringList parts;
        for (int n : draw.numbers)
            parts.append(QString::number(n));
        for (int s : draw.stars)
            parts.append(two(s));
        combo = parts.join(QStringLiteral(" - "));
    }
    static const char* const kCategories[13] = {"5 + 2", "5 + 1", "5 + 0", "4 + 2", "4 + 1",
                                                "4 + 0", "3 + 2", "2 + 2", "3 + 1", "3 + 0",
                                                "1 + 2", "2 + 1", "2 + 0"};
    QStringList rows;
    for (int k = 0; k < (prizes.isEmpty() ? 13 : int(prizes.size())); ++k)
        rows.append(
            QStringLiteral("{\"tipo\":\"%1\u00aa Categor\u00eda (%2)\",\"categoria\":%1,"
                           "\"premio\":\"%3\",\"ganadores\":\"%4\",\"ganadores_eu\":\"%5\"}")
                .arg(k + 1)
                .arg(QLatin1String(kCategories[k]))
                .arg(!prizes.isEmpty()
                         ? prizes[k]
                         : QString::number(130000000.0 / ((k + 1) * (k + 1) * (k + 1)), 'f', 2))
                .arg(k * 37)
                .arg(k * 211));
    const QString id = draw.date.toString(QStringLiteral("yyyyMMdd"));
    return QStringLiteral(
               "{\"id_sorteo\":\"%1005\",\"fecha_sorteo\":\"%2 21:00:00\","
               "\"dia_semana\":\"%3\",\"id_juego\":\"EMIL\",\"game_id\":\"EMIL\","
               "\"anyo\":\"%4\",\"premio_bote\":\"17000000.00\",\"apuestas\":\"31553204\","
               "\"combinacion\":\"%5\",\"combinacion_acta\":\" - %5\","
               "\"premios\":\"38274891.14\",\"fondo_bote\":\"0\",\"escrutinio\":[%6],"
               "\"millon\":{\"codigo\":\"VXR40231\",\"premio\":\"1000000\"},"
               "\"documentos\":[{\"tipo\":\"Escrutinio\",\"nombre\":\"Acta\","
               "\"urlContenido\":\"/f/loterias/documentos/Euromillones/%1.pdf\"}]}")
        .arg(id, day,
             draw.date.dayOfWeek() == Qt::Tuesday ? QStringLiteral("martes")
                                                  : QStringLiteral("viernes"),
             QString::number(draw.date.year()), combo, rows.join(QLatin1Char(',')));
}

QString answerJson(const QList<AnswerDraw>& newestFirst) {
    QStringList parts;
    for (const AnswerDraw& d : newestFirst)
        parts.append(drawJson(d));
    return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString errorPage(int length) {
    QString page = QStringLiteral("<!DOCTYPE html><html><head><title>Servicio no disponible</title>"
                                  "</head><body><h1>503 Service Unavailable</h1>");
    while (page.size() < length)
        page += QStringLiteral("<p class=\"aviso\">El servicio de resultados est\u00e1 en "
                               "mantenimiento. Disculpe las molestias.</p>");
    return page + QStringLiteral("</body></html>");
}

namespace {

const QDate kTuesdaysFrom(2011, 5, 10);
const QDate kTwelveStarsFrom(2016, 9, 27);

} // namespace

QList<AnswerDraw> historyBetween(QDate first, QDate last) {
    QList<AnswerDraw> out;
    for (const AnswerDraw& d : drawsBetween(std::max(first, QDate(2004, 2, 13)), last)) {
        if (d.date.dayOfWeek() == Qt::Tuesday && d.date < kTuesdaysFrom) continue;
        const int highest = d.date < kTuesdaysFrom ? 9 : d.date < kTwelveStarsFrom ? 11 : 12;
        AnswerDraw draw = d;
        // Stars of their time, still two different ones.
        draw.stars = {1 + (d.stars[0] - 1) % highest, 1 + (d.stars[1] - 1) % highest};
        if (draw.stars[0] == draw.stars[1]) draw.stars[1] = 1 + draw.stars[0] % highest;
        std::sort(draw.stars.begin(), draw.stars.end());
        out.append(draw);
    }
    return out;
}

QList<qint64> historyPrizeCents(const AnswerDraw& draw) {
    const int categories = draw.date < kTuesdaysFrom ? 12 : 13;
    QList<qint64> out;
    const qint64 seed = draw.date.toJulianDay();
    for (int k = 0; k < categories; ++k)
        out.append((seed % 9973 + 1) * 100000000LL / ((k + 1) * (k + 1) * (k + 1)) / 9973 +
                   (seed + k) % 100);
    return out;
}

QStringList prizeTexts(const QList<qint64>& cents) {
    QStringList out;
    for (qint64 c : cents)
        out.append(QStringLiteral("%1.%2").arg(c / 100).arg(c % 100, 2, 10, QLatin1Char('0')));
    return out;
}

QString historyAnswer(const QList<AnswerDraw>& newestFirst) {
    QStringList parts;
    for (const AnswerDraw& d : newestFirst)
        parts.append(drawJson(d, QString(), prizeTexts(historyPrizeCents(d))));
    return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
}
