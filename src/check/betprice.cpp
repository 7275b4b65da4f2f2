#include "check/betprice.h"

#include "store/dates.h"

#include <QDate>
#include <array>

namespace {

struct Price {
    QDate from; // the first draw at this price
    qint64 cents;
};

const std::array<Price, 2> kPrices{{
    {QDate(2004, 2, 13), 200},
    {QDate(2016, 9, 27), 250},
}};

} // namespace

qint64 betPriceCents(double drawDate) {
    const QDate day = dateFromOle(drawDate);
    qint64 cents = kPrices.front().cents;
    for (const Price& p : kPrices)
        if (day.isValid() && day >= p.from) cents = p.cents;
    return cents;
}
