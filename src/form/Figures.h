#pragma once
// The figures of a whole coupon: how many signs other than 1, draws and away
// wins the valuation expects, the real figure once the matches are played,
// and how long a printed coupon line is with the columns switched off.

#include <QString>
#include <QStringList>
#include <array>

namespace forecast {

// From the sign counts of each coupon line ("071": no 1, seven X, one 2);
// an empty or short text counts 0. "  @@ |@@@ |@@@".
QString forecastFigure(const QStringList &lineCounts);
// From the result column of each coupon line's away row, whose last
// character is the real sign.
QString realFigure(const QStringList &awayResults);
// 192 characters less the print width of each column switched off (1..12).
QString printedLineLength(const std::array<int, 14> &switchedOff);

// Normal widths (twips) of the coupon grid's columns 0..13.
extern const std::array<int, 14> kCouponColumnWidths;

} // namespace forecast
