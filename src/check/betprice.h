#pragma once

#include <QtGlobal>

// The price of one simple bet, in euro cents, on the day of a draw.
//
// 2,00 € from the first draw; 2,50 € from Tuesday 27/09/2016, the first draw
// of the game with twelve stars: the draw of Friday 23/09/2016 was the last
// at the old price and tickets at the new one went on sale the next day
// (worldlottery.net, "EuroMillions Rules to Change This Weekend", September
// 2016; Premier Lotteries Ireland's announcement: €2.50 a line instead of €2
// from 24 September 2016).
qint64 betPriceCents(double drawDate);
