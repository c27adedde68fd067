#include "engine/TeamHistory.h"

#include "engine/Tally.h"

namespace engine {

std::vector<HistoryEntry> teamHistory(const season::Season &season, int division, int team, int jornada)
{
  std::vector<HistoryEntry> out;
  const int n = season.teamCount(division);
  for (int j = 1; j <= jornada; ++j) {
    const std::vector<season::PlayedCell> &played = season.playedInJornada(division, j);
    for (size_t m = 0; m < played.size() && m < static_cast<size_t>(n / 2); ++m) {
      const season::PlayedCell &c = played[m];
      const std::optional<CellScore> s = cellScore(c.cell);
      if (!s)
        break;
      if (c.home != team && c.away != team)
        continue;
      HistoryEntry e;
      e.jornada = j;
      e.atHome = c.home == team;
      e.opponent = e.atHome ? c.away : c.home;
      e.goals = c.cell.right(2);
      e.notLost = e.atHome ? s->home >= s->away : s->home <= s->away;
      out.push_back(e);
      break;
    }
  }
  return out;
}

} // namespace engine
