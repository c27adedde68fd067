#include "engine/ResultsGrid.h"

#include "text/TextRules.h"

namespace engine {

ResultsGrid resultsGrid(const season::Season &season, int division, double cutOff)
{
  ResultsGrid g;
  g.teams = season.teamCount(division);
  g.goals.assign(static_cast<size_t>(g.teams + 1), std::vector<QString>(static_cast<size_t>(g.teams + 1)));
  for (int h = 1; h <= g.teams; ++h) {
    for (int a = 1; a <= g.teams; ++a) {
      const QString cell = season.cell(division, h, a);
      const QString goals = text::right(cell, 2);
      if (h != a && text::val(text::left(cell, 2)) <= cutOff && goals != QStringLiteral(".."))
        g.goals[h][a] = goals;
    }
  }
  return g;
}

} // namespace engine
