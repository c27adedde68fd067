#pragma once
// The valuation of one coupon match: seven differences between the home and
// the away club, each brought to the scale of the division's leaders, their
// signs, and the general value whose sign is the forecast: arithmetic on the
// standings' figures and the clubs' recent results.

#include "engine/Standings.h"

#include <QString>
#include <QStringList>
#include <array>

namespace engine {

// "1X" beyond the first threshold, " 1" beyond the second, "X2" and " 2" below
// the negative ones, " T" between. The stored-coupon thresholds are 6/26 and
// -4/-34; the others 0/24 and -8/-32.
QString signForValue(int value, bool signModeStored);
// How many times the first character of text occurs in the rest of it.
int countLetter(const QString &text);

// One standings position as the valuation reads it: the figures the
// standings print (equated and negative points, read as printed), and the
// tally's counts.
struct StandingsFigures {
  PrintedFigures printed;
  int homeGoalsFor = 0, homeGoalsAgainst = 0, awayGoalsFor = 0, awayGoalsAgainst = 0;
  int goalsFor = 0, goalsAgainst = 0;
  int homePoints = 0, awayPoints = 0, points = 0, negativeTotal = 0;
};

struct Scales {
  int equated = 1, negative = 1, homeGoal = 1, goalDifference = 1, homePoints = 1, points = 1;
};
// top[0..4] are standings positions 1..5, last is position N.
Scales valuationScales(const std::array<StandingsFigures, 5> &top, const StandingsFigures &last);

struct MatchValues {
  // In the order the signs are taken: equated, negative, venue goals, goal
  // difference, venue points, points, recent form.
  std::array<int, 7> values{};
  std::array<QString, 7> signs;
  int otherFactors = 0;      // already clamped to -140..140
  QString otherFactorsSign;  // five blanks without other factors
  int general = 0;
  QString forecastSign;
  QString valueLine; // 31 characters: form, equated, negative, venue goals, difference, venue points, points, factors
  QString signLine;  // 30 characters (31 with other factors)
  int count1 = 0, countX = 0, count2 = 0; // signs holding 1, X, 2 (" T" holds all three)
  QString countDigits() const;
};

// homeForm and awayForm are the home club's home results and the away club's
// away results as the coupon shows them ("C:" / "F:" and the letters).
MatchValues valueMatch(const Scales &scales, const StandingsFigures &home, const StandingsFigures &away,
                       const QString &homeForm, const QString &awayForm, int otherFactors, bool signModeStored);

// The column of the table of valuations against real signs where a match of
// general value G is recorded: -54..54 in steps of two, columns 1..55.
int valuationColumn(int general);

// The sign counts of the eight fields of a value line under the other
// thresholds; a negative other-factors value is left out here.
QString recountSigns(const QString &valueLine);

} // namespace engine
