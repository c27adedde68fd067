#pragma once
// One season: the results of both divisions, their team names, the jornada
// each has reached, the team counts and the calendars, exactly as the season
// file holds them. A Season is only made from a file that passed every check
// (SeasonFile.h) or by the program's own changes, so the views may trust it:
// every cell is "...." or four digits, names are five characters, counts are
// even and at most 22, calendars name teams of their division.
//
// The record numbers of the file (results of division 1 at 1..484, of
// division 2 at 485..968, names at 969..1012, jornadas at 1013, counts at
// 1014) are worked out here and nowhere else.

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace season {

constexpr int kRecordCount = 1036;
constexpr int kMatrixRecords = 968;
constexpr int kMaxTeams = 22;
constexpr int kCalendarLength = 924;
constexpr int kJornadasRecord = 1013;
constexpr int kTeamCountsRecord = 1014;

struct Pairing {
  int home = 0; // 0 where the calendar holds no match
  int away = 0;
};

struct PlayedCell {
  int home = 0;
  int away = 0;
  QString cell; // JJhg
};

class Season {
public:
  // No teams, nothing played, blank calendars.
  Season();

  // Record k (1..1036) as the file holds it; empty outside.
  const QString &record(int k) const;
  // Record number of the result of home against away in a division.
  static int cellRecord(int division, int home, int away);
  static int nameRecord(int division, int team);

  int teamCount(int division) const; // 0..22
  // Jornadas of a whole season of the division: 2 x (teams - 1), 0 without teams.
  int jornadaCount(int division) const;
  // The jornada the division has reached, from record 1013 (not bounded).
  int storedJornada(int division) const;
  // The cell of home against away: "....", or JJhg; "...." outside 1..22.
  QString cell(int division, int home, int away) const;
  // Name of team k (5 characters); empty outside 1..22.
  QString name(int division, int team) const;
  // The matches of jornada j in calendar order, one per slot of the division
  // (teams \ 2): the 1ª vuelta as stored, the 2ª from its own calendar when
  // the file has one for that jornada, else the 1ª vuelta exchanged.
  std::vector<Pairing> fixture(int division, int j) const;
  // Cells of the division played in jornada j, in the order of the matrix
  // (home 1 against away 1..22, then home 2...). Valid until the next change.
  const std::vector<PlayedCell> &playedInJornada(int division, int j) const;
  // The match of a team in jornada j: the first of the jornada's played cells
  // (at most teams \ 2 of them, in matrix order) where it is at home or away.
  std::optional<PlayedCell> matchOfTeam(int division, int j, int team) const;

  // 924 characters each.
  const QString &calendar(int division) const;
  // The 2ª vuelta calendar of a division: empty when the file has none.
  const QString &secondRoundCalendar(int division) const;
  bool hasSecondRoundCalendars() const;

  // Changes made by the program itself (results typed in, jornadas archived).
  void setRecord(int k, const QString &value);
  void setCalendars(const QString &first, const QString &second);
  void setSecondRoundCalendars(const QString &first, const QString &second);

private:
  std::array<QString, kRecordCount + 1> records_; // slot 0 unused
  std::array<QString, 2> calendars_;
  std::array<QString, 2> secondRound_;
  // The played cells of each division by jornada (1..99), gathered on first
  // use: every view asks for them jornada by jornada, team by team.
  mutable std::array<std::vector<std::vector<PlayedCell>>, 2> byJornada_;
};

// A calendar value as the season holds it: space-padded or cut to 924 characters.
QString fitCalendar(const QString &value);

} // namespace season
