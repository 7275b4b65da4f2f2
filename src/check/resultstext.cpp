#include "check/resultstext.h"

#include "check/moneytext.h"
#include "store/dates.h"

#include <algorithm>

namespace {

constexpr int kSimpleWidths[kSimpleColumns] = {441, 882, 882, 882, 882, 1147, 688, 688, 6174};
constexpr int kMultipleWidths[kMultipleColumns] = {88,  635, 635, 635, 635, 635, 635, 635, 635,
                                                   635, 635, 529, 635, 635, 635, 635, 5432};

constexpr int kMultipleStarsAt = 11;

// Which bet slot a cell shows: a number (0..9), a star (10..14) or none (-1).
int slotOf(const ResultsList& list, const ResultRow& r, int column) {
    const PenaRecord& pena = list.penas[qsizetype(r.pena)];
    if (list.kind == ListKind::Simple) {
        if (column >= 1 && column <= 5) return column - 1;
        if (column == 6 || column == 7) return kStarHitShift + column - 6;
        return -1;
    }
    const int n = std::clamp(modeNumbers(pena.betMode), 0, kBetNumberSlots);
    const int s = std::clamp(modeStars(pena.betMode), 0, kBetStarSlots);
    if (column >= 1 && column <= n) return column - 1;
    if (column >= kMultipleStarsAt && column < kMultipleStarsAt + s)
        return kStarHitShift + column - kMultipleStarsAt;
    return -1;
}

QString commentOf(const ResultsList& list, const ResultRow& r) {
    switch (r.rowKind()) {
    case RowKind::Separator:
        return {};
    case RowKind::PenaHeader:
        return penaHeaderText(list.penas[qsizetype(r.pena)]);
    case RowKind::DrawDate:
        return drawDateText(list.draws[qsizetype(r.draw)]);
    case RowKind::Bet:
    case RowKind::PrizeLine: {
        if (r.category == 0) return {};
        const int k = int(r.category);
        const bool simple = list.kind == ListKind::Simple;
        const int bets = simple ? 1 : int(r.aux);
        QString text = simple ? simplePrizeText(k) : multiplePrizeLine(k, bets);
        const Cents prize = r.draw < list.prizes.size() ? list.prizes[r.draw][std::size_t(k - 1)]
                                                        : PrizeRecord::kUnknown;
        if (prize >= 0) text += prizeAmountText(list.kind, bets * prize);
        return text;
    }
    }
    return {};
}

} // namespace

int columnCount(ListKind kind) {
    return kind == ListKind::Simple ? kSimpleColumns : kMultipleColumns;
}

int commentColumn(ListKind kind) {
    return columnCount(kind) - 1;
}

QString columnHeading(ListKind kind, int column) {
    if (kind == ListKind::Simple) {
        if (column == kSimpleColumns - 1) return QStringLiteral("Comentario");
        return QString::number(column + 1);
    }
    if (column == kMultipleColumns - 1) return QStringLiteral("14");
    if (column >= 0 && column <= 12) return QString::number(column + 1);
    return {};
}

int columnWidthTwips(ListKind kind, int column) {
    if (column < 0 || column >= columnCount(kind)) return 0;
    return kind == ListKind::Simple ? kSimpleWidths[column] : kMultipleWidths[column];
}

QString penaHeaderText(const PenaRecord& pena) {
    return QStringLiteral("PEÑA ") + pena.storedName();
}

QString drawDateText(const DrawRecord& draw) {
    return shortDate(draw.drawDate) + QLatin1Char(' ') + diasemana(draw.drawDate);
}

QString simplePrizeText(int k) {
    const PrizeCategory c = category(k);
    const bool one = k == 12 || k == 13; // 2+1 and 2+0
    return QStringLiteral("¡¡ Premio !! Hay %1 + %2%3")
        .arg(c.numbers)
        .arg(c.stars)
        .arg(one ? QStringLiteral(" estrella.") : QStringLiteral(" estrellas."));
}

QString multiplePrizeLine(int k, int count) {
    return QStringLiteral("¡¡ Premio !! Hay ") + QString::number(count) + prizeLineLabel(k);
}

QString prizeAmountText(ListKind kind, Cents cents) {
    return (kind == ListKind::Simple ? QStringLiteral(" Ganado: ") : QStringLiteral(": ")) +
           eurosText(cents);
}

QString cellText(const ResultsList& list, std::size_t row, int column) {
    if (row >= list.rows.size()) return {};
    const ResultRow r = list.rows[row];
    if (column == commentColumn(list.kind)) return commentOf(list, r);
    if (r.rowKind() != RowKind::Bet) return {};
    const int slot = slotOf(list, r, column);
    if (slot < 0) return {};
    const PenaRecord& pena = list.penas[qsizetype(r.pena)];
    // A multiple bet lives in slot 1; its row's aux holds a prize count.
    const int bet = list.kind == ListKind::Simple ? int(r.aux) % kMaxBets : 0;
    if (slot < kStarHitShift) return QString::number(pena.numbers[bet][slot]);
    return QString::number(pena.stars[bet][slot - kStarHitShift]);
}

std::optional<Rgb> cellColour(const ResultsList& list, std::size_t row, int column) {
    if (row >= list.rows.size()) return std::nullopt;
    const ResultRow r = list.rows[row];
    if (column == commentColumn(list.kind)) {
        switch (r.rowKind()) {
        case RowKind::PenaHeader:
            return kHeaderColour;
        case RowKind::DrawDate:
            return kDateColour;
        case RowKind::Bet:
        case RowKind::PrizeLine:
            if (r.category != 0) return categoryColour(int(r.category));
            return std::nullopt;
        case RowKind::Separator:
            return std::nullopt;
        }
        return std::nullopt;
    }
    if (r.rowKind() != RowKind::Bet) return std::nullopt;
    const int slot = slotOf(list, r, column);
    if (slot < 0) return std::nullopt;
    const bool hit = (r.hits >> slot) & 1u;
    if (hit) return kRed;
    if (slot >= kStarHitShift) return kGrey; // a star that missed
    return std::nullopt;
}
