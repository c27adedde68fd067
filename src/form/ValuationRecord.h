#pragma once
// The record of valuations against real signs, "eprono" + the season's
// digits + ".txt": 58 blocks, one per pools jornada, of a header and 15 match
// lines (the clubs, the result, the real sign, the valuation and the sign
// counts), and the "Tablas 1X2" built from it: the real signs that fell at
// each valuation value, jornada by jornada, and how many of each.

#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace forecast {

constexpr int kRecordBlocks = 58;

// The lines of a new record: each block "05 Jornada nº 05" and 15 lines of
// the line number and 18 blanks.
QStringList newRecordLines();
// A coupon line as the record keeps it, from the cells of its two rows:
// columns 0, 1 and 11 of the home row, 0, 1, 11 and 12 of the away row.
struct CouponLineCells {
  QString home0, home1, home11, away0, away1, away11, away12;
};
QString recordLine(int k, const CouponLineCells &cells);
// Every header rewritten, and block x replaced by the coupon's 15 lines.
// Nothing, with error set, when the record is shorter than 58 blocks.
std::optional<QStringList> updateRecord(const QStringList &lines, int x, const std::array<CouponLineCells, 15> &coupon,
                                        QString *error);
// The signs by jornada and value: row -> column -> signs, compressed by the
// letter code. Jornadas 1..x, or 10..x when x is above 49.
QMap<int, QMap<int, QString>> signsByValue(const QStringList &lines, int x);
// Counts of "1", "X" and "2" in one column of that table, the letter code
// expanded again.
std::array<int, 3> countSigns(const QStringList &cells);

} // namespace forecast
