#include "engine/MatchValuation.h"

#include "text/TextRules.h"

#include <algorithm>

using text::fmt;
using text::mid;
using text::toInt16;
using text::val;

namespace engine {

QString signForValue(int v, bool stored)
{
  QString sign = QStringLiteral(" T");
  if (v > (stored ? 6 : 0))
    sign = QStringLiteral("1X");
  if (v > (stored ? 26 : 24))
    sign = QStringLiteral(" 1");
  if (v < (stored ? -4 : -8))
    sign = QStringLiteral("X2");
  if (v < (stored ? -34 : -32))
    sign = QStringLiteral(" 2");
  return sign;
}

int countLetter(const QString &text)
{
  if (text.isEmpty())
    return 0;
  int count = 0;
  for (int p = 2;;) {
    const int q = text::instr(p, text, text.left(1));
    if (q == 0)
      return count;
    p = q + 1;
    ++count;
  }
}

namespace {

// A real quotient taken to the nearest integer, halves to even, as every
// "divided by" of the valuation is.
int16_t divided(double numerator, int denominator)
{
  return toInt16(numerator / denominator);
}

// The larger of each neighbouring pair carried forward: the largest.
template <typename F> auto largestOfTop(const std::array<StandingsFigures, 5> &top, F value)
{
  auto best = value(top[0]);
  for (size_t i = 1; i < top.size(); ++i)
    best = std::max(best, value(top[i]));
  return best;
}

int notZero(int scale) { return scale == 0 ? 1 : scale; }

int occurrences(const QString &text, QChar c) { return countLetter(QString(c) + text); }

} // namespace

Scales valuationScales(const std::array<StandingsFigures, 5> &top, const StandingsFigures &last)
{
  const StandingsFigures &leader = top[0];
  Scales s;
  s.equated = notZero(toInt16(largestOfTop(top, [](const StandingsFigures &f) { return f.printed.equatedHome; })));
  s.negative = notZero(leader.printed.negative - last.printed.negative);
  s.homeGoal = notZero(
      largestOfTop(top, [&](const StandingsFigures &f) { return f.homeGoalsFor - leader.homeGoalsAgainst; }));
  s.goalDifference = notZero((leader.goalsFor - leader.goalsAgainst) - (last.goalsFor - last.goalsAgainst));
  s.homePoints = notZero(largestOfTop(top, [](const StandingsFigures &f) { return f.printed.homePoints; }));
  s.points = notZero(leader.printed.points - last.printed.points);
  return s;
}

QString MatchValues::countDigits() const
{
  return fmt(count1, QStringLiteral("@")) + fmt(countX, QStringLiteral("@")) + fmt(count2, QStringLiteral("@"));
}

MatchValues valueMatch(const Scales &s, const StandingsFigures &h, const StandingsFigures &a, const QString &homeForm,
                       const QString &awayForm, int otherFactors, bool stored)
{
  // Recent form: the last ten places of the home club's home results and of
  // the away club's away results.
  const QString homeLast = text::right(homeForm, 10);
  const QString awayLast = text::right(awayForm, 10);
  const int favourable = occurrences(homeLast, u'g') + occurrences(awayLast, u'.');
  const int adverse = occurrences(homeLast, u'-') + occurrences(homeLast, u'e') + occurrences(awayLast, u'E') +
                      occurrences(awayLast, u'G');
  int n = static_cast<int>(std::min<qsizetype>(awayLast.size(), 10)) - 2;
  if (n < 1)
    n = 1;

  MatchValues m;
  const int equated = toInt16(h.printed.equatedHome - a.printed.equatedAway);
  const int equatedValue = divided(equated * 50.0, s.equated);
  const int negativeValue = divided((h.negativeTotal - a.negativeTotal) * 50.0, s.negative);
  const int venueGoalValue =
      toInt16(((h.homeGoalsFor - h.homeGoalsAgainst) - (a.awayGoalsFor - a.awayGoalsAgainst)) * 50 / s.homeGoal);
  const int goalDifferenceValue =
      std::clamp(((h.goalsFor - h.goalsAgainst) - (a.goalsFor - a.goalsAgainst)) * 50 / s.goalDifference, -75, 75);
  const int venuePointsValue =
      std::clamp<int>(divided(toInt16((h.homePoints - 1.5 * a.awayPoints) * 50), s.homePoints), -75, 75);
  const int pointsValue = std::clamp<int>(divided((h.points - a.points) * 50.0, s.points), -75, 75);
  const int formValue = std::clamp((favourable - adverse) * 50 / n, -85, 85);
  m.values = {equatedValue, negativeValue, venueGoalValue, goalDifferenceValue, venuePointsValue, pointsValue,
              formValue};
  for (size_t i = 0; i < m.values.size(); ++i)
    m.signs[i] = signForValue(m.values[i], stored);

  m.otherFactors = std::clamp(otherFactors, -140, 140);
  int sum = 0;
  for (int v : m.values)
    sum += v;
  QStringList counted(m.signs.begin(), m.signs.end());
  if (m.otherFactors != 0) {
    m.general = toInt16((sum + m.otherFactors) / 8);
    m.otherFactorsSign = signForValue(m.otherFactors, stored);
    counted.append(m.otherFactorsSign);
  } else {
    m.general = toInt16(sum / 7);
    m.otherFactorsSign = QString(5, u' ');
  }
  m.forecastSign = signForValue(m.general, stored);

  const bool withFactors = m.otherFactors != 0;
  m.valueLine = fmt(formValue, QStringLiteral("@@@")) + fmt(equatedValue, QStringLiteral("@@@")) +
                fmt(negativeValue, QStringLiteral("@@@@")) + fmt(venueGoalValue, QStringLiteral("@@@@")) +
                fmt(goalDifferenceValue, QStringLiteral("@@@@")) + fmt(venuePointsValue, QStringLiteral("@@@@")) +
                fmt(pointsValue, QStringLiteral("@@@@")) +
                (withFactors ? fmt(text::str(m.otherFactors), QStringLiteral("@@@@@")) : QString(5, u' '));
  m.signLine = fmt(m.signs[6], QStringLiteral("@@@")) + fmt(m.signs[0], QStringLiteral("@@@")) +
               fmt(m.signs[1], QStringLiteral("@@@@")) + fmt(m.signs[2], QStringLiteral("@@@@")) +
               fmt(m.signs[3], QStringLiteral("@@@@")) +
               fmt(m.signs[4], withFactors ? QStringLiteral("@@@@") : QStringLiteral("@@@")) +
               fmt(m.signs[5], QStringLiteral("@@@@")) + fmt(m.otherFactorsSign, QStringLiteral("@@@@@"));

  for (QString sign : counted) {
    if (sign == QStringLiteral(" T"))
      sign = QStringLiteral("1X2");
    m.count1 += sign.contains(u'1');
    m.countX += sign.contains(u'X');
    m.count2 += sign.contains(u'2');
  }
  return m;
}

int valuationColumn(int general)
{
  return std::clamp(general, -54, 54) / 2 + 28;
}

QString recountSigns(const QString &valueLine)
{
  const int starts[8] = {1, 4, 7, 11, 15, 19, 23, 27};
  const int widths[8] = {3, 3, 4, 4, 4, 4, 4, 5};
  const int otherFactors = toInt16(val(mid(valueLine, 27, 5)));
  const int counted = otherFactors >= 1 ? 8 : 7;
  int c1 = 0, cX = 0, c2 = 0;
  for (int i = 0; i < counted; ++i) {
    QString sign = signForValue(toInt16(val(mid(valueLine, starts[i], widths[i]))), false);
    if (sign == QStringLiteral(" T"))
      sign = QStringLiteral("1X2");
    c1 += sign.contains(u'1');
    cX += sign.contains(u'X');
    c2 += sign.contains(u'2');
  }
  return fmt(fmt(c1, QStringLiteral("@")) + fmt(cX, QStringLiteral("@")) + fmt(c2, QStringLiteral("@")),
             QStringLiteral("@@@"));
}

} // namespace engine
