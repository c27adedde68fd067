#include "engine/ResultsByDifference.h"

#include "engine/Tally.h"
#include "text/TextRules.h"

namespace engine {

namespace {

int differenceClass(int homeGoals, int awayGoals)
{
  const int d = homeGoals - awayGoals;
  if (d > 2)
    return 0;
  if (d > 0)
    return 1;
  if (d == 0)
    return homeGoals < 2 ? 2 : 3;
  return d >= -2 ? 4 : 5;
}

} // namespace

std::array<std::vector<ClassifiedResult>, 6> resultsByDifference(const season::Season &season, int division,
                                                                  int jornada)
{
  std::array<std::vector<ClassifiedResult>, 6> classes;
  for (int h = 1; h <= kMaxTeams; ++h) {
    for (int a = 1; a <= kMaxTeams; ++a) {
      const QString cell = season.cell(division, h, a);
      const std::optional<CellScore> s = cellScore(cell);
      if (!s || jornada < s->jornada)
        continue;
      classes[static_cast<size_t>(differenceClass(s->home, s->away))].push_back({cell.left(2), h, a, cell.right(2)});
    }
  }
  return classes;
}

ResultProportions resultProportions(const std::array<int, 6> &c)
{
  ResultProportions p;
  p.ones = c[0] + c[1];
  p.draws = c[2] + c[3];
  p.twos = c[4] + c[5];
  p.oneOrDraw = p.ones + p.draws;
  const int total = p.ones + p.draws + p.twos;
  auto percent = [&](int value) { return p.draws >= 1 ? text::toInt16(double(value) / total * 100) : 0; };
  p.onesPercent = percent(p.ones);
  p.drawsPercent = percent(p.draws);
  p.twosPercent = percent(p.twos);
  p.oneOrDrawPercent = percent(p.oneOrDraw);
  return p;
}

} // namespace engine
