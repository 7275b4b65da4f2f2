#include "app/penapdf.h"

#include "app/balancechart.h"
#include "app/moneybox.h"
#include "check/penareport.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>

namespace {

// A4 in points.
constexpr double kLeft = 40, kTop = 48, kWidth = 515, kBottom = 800;

struct Column {
    double x, width;
    Qt::Alignment align;
};
// Fecha, Combinación, Premios, Jugado, Ganado, Balance.
const Column kColumns[6] = {{40, 58, Qt::AlignLeft},   {98, 112, Qt::AlignLeft},
                            {210, 150, Qt::AlignLeft}, {360, 60, Qt::AlignRight},
                            {420, 65, Qt::AlignRight}, {485, 70, Qt::AlignRight}};

class Page {
public:
    Page(QPdfWriter& writer) : writer_(writer), p_(&writer) {}
    QPainter& painter() { return p_; }
    double y = kTop;

    void font(int points, bool bold = false) {
        QFont f(QStringLiteral("Liberation Sans"), points);
        f.setBold(bold);
        p_.setFont(f);
    }
    // Room for `height` more points, or a new page.
    void need(double height) {
        if (y + height <= kBottom) return;
        writer_.newPage();
        y = kTop;
    }
    void text(double x, double width, const QString& s, Qt::Alignment align = Qt::AlignLeft) {
        p_.drawText(QRectF(x, y - 11, width, 14), int(align | Qt::AlignVCenter), s);
    }
    void line(const QString& s, double height = 15) {
        need(height);
        text(kLeft, kWidth, s);
        y += height;
    }
    void row(const QStringList& cells) {
        need(13);
        for (int c = 0; c < 6 && c < cells.size(); ++c)
            text(kColumns[c].x, kColumns[c].width - 4, cells[c], kColumns[c].align);
        y += 13;
    }

private:
    QPdfWriter& writer_;
    QPainter p_;
};

QStringList headings() {
    return {kDateHeading,
            kCombinationHeading,
            kPrizesHeading,
            QStringLiteral("Jugado"),
            QStringLiteral("Ganado"),
            QStringLiteral("Balance")};
}

} // namespace

QByteArray penaPdf(const PenaReport& r) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    writer.setTitle(kReportTitle + QLatin1Char(' ') + r.name);
    writer.setCreator(QStringLiteral("Vantiko"));
    {
        Page page(writer);
        QPainter& p = page.painter();
        page.font(16, true);
        page.line(kReportTitle + QStringLiteral(" ") + r.name, 26);
        page.font(10);
        page.line(QStringLiteral("Apuestas: ") + r.betsCount);
        for (const QString& bet : r.bets)
            page.line(QStringLiteral("     ") + bet, 13);
        page.line(QStringLiteral("Días: ") + r.days);
        page.line(QStringLiteral("Fecha de creación: ") + r.createdOn, 24);

        page.font(9, true);
        page.need(30);
        p.fillRect(QRectF(kLeft - 4, page.y - 12, kWidth + 8, 16), QColor(220, 230, 240));
        page.row(headings());
        page.y += 3;
        page.font(9);
        bool unknown = false;
        for (const PenaReport::Line& l : r.lines) {
            const QString mark = l.prizesKnown ? QString() : QStringLiteral(" *");
            unknown = unknown || !l.prizesKnown;
            p.setPen(Qt::black);
            page.row({l.date + mark, l.combination, l.prizes, eurosText(l.played), eurosText(l.won),
                      QString()});
            page.y -= 13;
            p.setPen(QColor(QRgb(l.balance < 0 ? kBalanceRed : kBalanceGreen)));
            page.text(kColumns[5].x, kColumns[5].width - 4, eurosText(l.balance), Qt::AlignRight);
            page.y += 13;
        }
        p.setPen(Qt::black);
        if (r.lines.isEmpty()) page.line(QStringLiteral("Ningún sorteo contado todavía."));
        if (unknown) {
            page.font(8);
            page.line(QStringLiteral("* Sorteo sin premios conocidos: lo ganado en él no se "
                                     "ha sumado."),
                      13);
        }
        page.y += 10;
        page.font(11, true);
        const MoneyLines totals = moneyLines(r.money);
        page.line(kWonCaption + QLatin1Char(' ') + totals.won);
        page.line(kPlayedCaption + QLatin1Char(' ') + totals.played);
        page.need(15);
        page.text(kLeft, 70, kBalanceCaption);
        p.setPen(QColor(QRgb(totals.balanceNegative ? kBalanceRed : kBalanceGreen)));
        page.text(kLeft + 70, 200, totals.balance);
        p.setPen(Qt::black);
        page.y += 15;
        if (!totals.unknownNote.isEmpty()) {
            page.font(9);
            page.line(totals.unknownNote);
        }

        // The balance chart, as the peña manager shows it.
        BalanceChart chart;
        chart.resize(1030, 500);
        chart.setDraws(r.money.draws);
        const QPixmap picture = chart.grab();
        page.y += 10;
        page.need(kWidth / 2 + 10);
        p.drawPixmap(QRectF(kLeft, page.y, kWidth, kWidth * 500 / 1030), picture,
                     QRectF(picture.rect()));
    }
    return buffer.data();
}
