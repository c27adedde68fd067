#include "engine/Jornadas.h"

#include "engine/SignEvolution.h"
#include "text/TextRules.h"

namespace engine {

std::vector<MatchResult> jornadaResults(const season::Season &season, int division, int jornada)
{
  std::vector<MatchResult> out;
  for (const season::Pairing &p : season.fixture(division, jornada)) {
    MatchResult m;
    m.home = p.home;
    m.away = p.away;
    m.goals = text::right(season.cell(division, p.home, p.away), 2);
    m.sign = scoreSign(m.goals);
    out.push_back(m);
  }
  return out;
}

std::vector<int> tenJornadas(int last)
{
  std::vector<int> out;
  for (int j = last; j >= 1 && j > last - 10; --j)
    out.push_back(j);
  return out;
}

int equivalentJornada(int teams, int jornada)
{
  return jornada <= teams - 1 ? jornada + teams - 1 : jornada - (teams - 1);
}

} // namespace engine
