#pragma once
// The forecast store of a season, "gprono" + the season's digits + ".txt": 64
// slots, one line each, of the slot number ("00" while free) and a code of 30
// characters that names the 15 matches of the coupon by jornada, division
// and line of the jornada's match list. The file is rewritten whole, through
// a temporary file, so a failure leaves the previous one.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace forecast {

constexpr int kStoreSlots = 64;
constexpr int kCodeLength = 30;

// The v-th character of "123456789:;<=>?@AB...uv" (70 characters); the
// character of code 0 for anything else.
QChar codeChar(int v);
// The position of a character in that alphabet; 0 for one that is not in it.
int decodeChar(QChar c);

// The code of a coupon from the result key of each line's home row, whose
// characters 8-9 are the jornada, 10 the division and 11-12 the line.
// division receives the division of the last line.
QString couponCode(const QStringList &resultKeys, int *division = nullptr);

struct StoreSlots {
  QList<int> numbers; // Val of each line's number field
  QStringList codes;  // each line's code, left-aligned in 30 characters
};
// Nothing, with error set, for a file of more than 64 lines.
std::optional<StoreSlots> parseStore(const QByteArray &bytes, QString *error);
// The first `lines` slots, each line "NN","code".
QByteArray storeBytes(const StoreSlots &slots, int lines);
// 64 free slots: "00" and 30 blanks.
StoreSlots newStore();

// The combined figure of a coupon line from the home and away clubs' match
// counts ("Encuent" column): home wins + away losses, draws, losses + wins.
QString combinedFigure(const QString &homeCounts, const QString &awayCounts);

} // namespace forecast
