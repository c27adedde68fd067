#include "form/Backtest.h"

#include "form/CouponRoad.h"
#include "engine/ScoreModel.h"
#include "form/HeadlessForm.h"
#include "season/SeasonFile.h"
#include "text/TextRules.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>

namespace forecast {

using namespace engine;

namespace {

char signOf(const QString &cell)
{
  const int h = cell.mid(2, 1).toInt(), a = cell.mid(3, 1).toInt();
  return h > a ? '1' : h == a ? 'X' : '2';
}

bool covers(const QString &sign, char result)
{
  if (sign == QStringLiteral(" 1"))
    return result == '1';
  if (sign == QStringLiteral("1X"))
    return result != '2';
  if (sign == QStringLiteral("X2"))
    return result != '1';
  if (sign == QStringLiteral(" 2"))
    return result == '2';
  return true; // " T", and anything else, covers every result
}

int signCount(const QString &sign)
{
  if (sign == QStringLiteral(" 1") || sign == QStringLiteral(" 2"))
    return 1;
  if (sign == QStringLiteral("1X") || sign == QStringLiteral("X2"))
    return 2;
  return 3;
}

// The season as it stood before jornada j of a division: later results taken
// out, the division's jornada set back.
season::Season cutBack(const season::Season &full, int d, int j)
{
  season::Season s = full;
  for (int h = 1; h <= season::kMaxTeams; ++h) {
    for (int a = 1; a <= season::kMaxTeams; ++a) {
      const QString cell = full.cell(d, h, a);
      if (cell != QStringLiteral("....") && cell.left(2).toInt() >= j)
        s.setRecord(season::Season::cellRecord(d, h, a), QStringLiteral("...."));
    }
  }
  QString current = s.record(season::kJornadasRecord);
  current.replace(d == 1 ? 0 : 2, 2, text::fmt(j - 1, QStringLiteral("00")));
  s.setRecord(season::kJornadasRecord, current);
  return s;
}

std::vector<PlayedMatch> playedMatches(const season::Season &s, int d)
{
  std::vector<PlayedMatch> matches;
  for (int h = 1; h <= s.teamCount(d); ++h) {
    for (int a = 1; a <= s.teamCount(d); ++a) {
      const QString cell = s.cell(d, h, a);
      if (cell != QStringLiteral("...."))
        matches.push_back({h, a, cell.mid(2, 1).toInt(), cell.mid(3, 1).toInt(), cell.left(2).toInt()});
    }
  }
  return matches;
}

} // namespace

std::optional<std::vector<DivisionBacktest>> backtest(const QString &seasonPath, int from, QString *error,
                                                       const std::function<bool(int, int)> &progress)
{
  const std::optional<season::Season> full = season::readSeasonFile(seasonPath, error);
  if (!full)
    return std::nullopt;
  QTemporaryDir folder;
  const QString path = folder.filePath(QFileInfo(seasonPath).fileName());
  int total = 0, done = 0;
  for (int d = 1; d <= 2; ++d)
    total += std::max(0, full->storedJornada(d) - std::max(from, 1) + 1);

  std::vector<DivisionBacktest> result;
  for (int d = 1; d <= 2; ++d) {
    if (full->teamCount(d) < 2)
      continue;
    DivisionBacktest div;
    div.division = d;
    const std::vector<PlayedMatch> played = playedMatches(*full, d);
    const int last = std::min(full->storedJornada(d), full->jornadaCount(d));
    for (int j = std::max(from, 1); j <= last; ++j) {
      if (progress && !progress(done++, total))
        return std::nullopt;
      const QString written = season::writeSeasonFile(path, cutBack(*full, d, j));
      if (!written.isEmpty()) {
        if (error)
          *error = written;
        return std::nullopt;
      }
      // A coupon of the whole jornada, on a form of its own as a new run of the program.
      vaticor::HeadlessForm headless(folder.path());
      vaticor::Qmodelop &form = headless.form;
      if (!form.loadSeason(path) ||
          !vaticor::playCoupon(form, 1, {QStringLiteral("%1/%2/todo").arg(d).arg(j)}).isEmpty())
        continue;
      const ScoreModel model = ScoreModel::fit(full->teamCount(d), played, j);
      for (int k = 1; k <= 15; ++k) {
        const int home = form.season.teamCount(d) > 0 ? 2 * k - 1 : 0;
        const QString homeName = form.tablap.text(home, 0).mid(3, 5);
        const QString awayName = form.tablap.text(home + 1, 0).mid(3, 5);
        if (homeName.trimmed().isEmpty())
          break;
        int h = 0, a = 0;
        for (int t = 1; t <= full->teamCount(d); ++t) {
          h = full->name(d, t) == homeName ? t : h;
          a = full->name(d, t) == awayName ? t : a;
        }
        const QString cell = full->cell(d, h, a);
        if (h == 0 || a == 0 || cell == QStringLiteral("...."))
          continue;
        const char real = signOf(cell);
        const QString valued = form.tablap.text(home, 11);
        const int general = text::ival(valued.left(3));
        const QString sign = valued.right(2);
        ValuationScore &v = div.valuation;
        ++v.matches;
        v.homeWins += real == '1';
        v.draws += real == 'X';
        v.pickRight += (general >= 0 ? '1' : '2') == real;
        v.covered += covers(sign, real);
        v.signs += signCount(sign);
        const MatchProbabilities p = model.predict(h, a);
        ++div.model.matches;
        div.model.right += p.sign() == real;
        div.model.rankedProbabilityScore += rankedProbabilityScore(p, real);
      }
      div.curve.push_back({j, div.valuation.matches, div.valuation.pickRight, div.model.right, div.valuation.homeWins});
    }
    result.push_back(div);
  }
  if (progress)
    progress(total, total);
  return result;
}

QStringList backtestLines(const std::vector<DivisionBacktest> &result)
{
  QStringList lines;
  for (const DivisionBacktest &d : result) {
    const ValuationScore &v = d.valuation;
    lines << QStringLiteral("division %1: partidos %2 local %3 empates %4 acierto %5 cubre %6 signos %7")
                 .arg(d.division)
                 .arg(v.matches)
                 .arg(v.homeWins)
                 .arg(v.draws)
                 .arg(v.pickRight)
                 .arg(v.covered)
                 .arg(v.signs);
    const long rps = d.model.matches ? std::lround(d.model.rankedProbabilityScore / d.model.matches * 10000) : 0;
    lines << QStringLiteral("division %1 modelo: partidos %2 acierto %3 rps %4")
                 .arg(d.division)
                 .arg(d.model.matches)
                 .arg(d.model.right)
                 .arg(rps);
  }
  return lines;
}

} // namespace forecast
