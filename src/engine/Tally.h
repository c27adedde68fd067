#pragma once
// The standings tally: what a club has won, drawn, lost and scored at home and
// away over some jornadas, and the head-to-head rule that orders two clubs
// level on the sort key. Shared by the general standings, the standings of a
// window of jornadas and the team evolution.

#include "season/Season.h"

#include <array>
#include <cstdint>

namespace engine {

constexpr int kMaxTeams = season::kMaxTeams;
// Slots 0..22: slot t is team number t while counting, standings position t
// once sorted; slot 0 is never used.
template <typename T> using TeamArray = std::array<T, kMaxTeams + 1>;

struct TeamTally {
  int16_t homeGoalsFor = 0, homeGoalsAgainst = 0, awayGoalsFor = 0, awayGoalsAgainst = 0;
  int16_t goalsFor = 0, goalsAgainst = 0;
  int16_t homeWins = 0, homeDraws = 0, homeLosses = 0, awayWins = 0, awayDraws = 0, awayLosses = 0;
  int16_t homePoints = 0, awayPoints = 0, points = 0;

  // The totals of both venues, from the counts.
  void addUp();
};

// One played result: the home club's home side and the away club's away side.
void addResult(TeamTally &home, TeamTally &away, int homeGoals, int awayGoals);

// The goals of a played result as the cell holds them ("JJhg"); nothing for
// "...." or a cell typed without a score.
struct CellScore {
  int jornada = 0, home = 0, away = 0;
};
std::optional<CellScore> cellScore(const QString &cell);

// The number each team is looked up by when two are compared head to head:
// normally itself; the window passes what its list of names says.
using TeamLookup = TeamArray<int>;
TeamLookup identityLookup();

// Two clubs level on the sort key, a above b: true when b goes above a. The
// goals of both meetings (whatever jornada they were played in, an unplayed
// one counting 0-0), then goal difference, then goals scored.
bool headToHeadExchanges(const season::Season &season, int division, int a, int b, int goalsForA, int goalsAgainstA,
                         int goalsForB, int goalsAgainstB);

} // namespace engine
