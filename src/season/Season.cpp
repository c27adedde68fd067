#include "season/Season.h"

#include "text/TextRules.h"

#include <algorithm>

namespace season {

namespace {

const QString kEmpty;
const QString kUnplayed = QStringLiteral("....");

bool validTeam(int team) { return team >= 1 && team <= kMaxTeams; }

} // namespace

QString fitCalendar(const QString &value)
{
  if (value.size() >= kCalendarLength)
    return value.left(kCalendarLength);
  return value + QString(kCalendarLength - value.size(), u' ');
}

Season::Season()
{
  for (int k = 1; k <= kMatrixRecords; ++k)
    records_[k] = kUnplayed;
  for (int k = kMatrixRecords + 1; k < kJornadasRecord; ++k)
    records_[k] = QString(5, u' ');
  for (int k = kJornadasRecord; k <= kRecordCount; ++k)
    records_[k] = QStringLiteral("0000");
  calendars_ = {fitCalendar(QString()), fitCalendar(QString())};
}

const QString &Season::record(int k) const
{
  return k >= 1 && k <= kRecordCount ? records_[k] : kEmpty;
}

int Season::cellRecord(int division, int home, int away)
{
  return (division - 1) * 484 + (home - 1) * 22 + away;
}

int Season::nameRecord(int division, int team)
{
  return kMatrixRecords + (division - 1) * 22 + team;
}

int Season::teamCount(int division) const
{
  const QString &counts = records_[kTeamCountsRecord];
  return text::ival(division == 1 ? text::left(counts, 2) : text::mid(counts, 3, 2));
}

int Season::jornadaCount(int division) const
{
  const int n = teamCount(division);
  return n >= 2 ? 2 * (n - 1) : 0;
}

int Season::storedJornada(int division) const
{
  const QString &current = records_[kJornadasRecord];
  return text::ival(division == 1 ? text::left(current, 2) : text::mid(current, 3, 2));
}

QString Season::cell(int division, int home, int away) const
{
  if ((division != 1 && division != 2) || !validTeam(home) || !validTeam(away))
    return kUnplayed;
  return records_[cellRecord(division, home, away)];
}

QString Season::name(int division, int team) const
{
  if ((division != 1 && division != 2) || !validTeam(team))
    return QString();
  return records_[nameRecord(division, team)];
}

const QString &Season::calendar(int division) const
{
  return calendars_[division == 2 ? 1 : 0];
}

const QString &Season::secondRoundCalendar(int division) const
{
  return secondRound_[division == 2 ? 1 : 0];
}

bool Season::hasSecondRoundCalendars() const
{
  return !secondRound_[0].isEmpty() || !secondRound_[1].isEmpty();
}

std::vector<Pairing> Season::fixture(int division, int j) const
{
  const int n = teamCount(division);
  std::vector<Pairing> matches(static_cast<size_t>(n / 2));
  if (j < 1 || n < 2)
    return matches;
  auto slice = [n](const QString &calendar, int jj) { return text::mid(calendar, (jj - 1) * 2 * n + 1, 2 * n); };
  auto pairAt = [](const QString &s, int i) {
    return Pairing{text::ival(text::mid(s, (i - 1) * 4 + 1, 2)), text::ival(text::mid(s, (i - 1) * 4 + 3, 2))};
  };
  const bool secondRound = j >= n;
  const int jj = j > n - 1 ? j - (n - 1) : j;
  if (secondRound && !secondRoundCalendar(division).isEmpty()) {
    // A 2ª vuelta of its own is used only where its jornada names real teams.
    const QString own = slice(secondRoundCalendar(division), jj);
    bool complete = true;
    for (int i = 1; i <= n / 2 && complete; ++i) {
      const Pairing p = pairAt(own, i);
      complete = p.home >= 1 && p.home <= n && p.away >= 1 && p.away <= n;
    }
    if (complete) {
      for (int i = 1; i <= n / 2; ++i)
        matches[i - 1] = pairAt(own, i);
      return matches;
    }
  }
  const QString first = slice(calendar(division), jj);
  for (int i = 1; i <= n / 2; ++i) {
    const Pairing p = pairAt(first, i);
    matches[i - 1] = secondRound ? Pairing{p.away, p.home} : p;
  }
  return matches;
}

const std::vector<PlayedCell> &Season::playedInJornada(int division, int j) const
{
  static const std::vector<PlayedCell> none;
  if (j < 1 || j > 99 || (division != 1 && division != 2))
    return none;
  std::vector<std::vector<PlayedCell>> &index = byJornada_[division - 1];
  if (index.empty()) {
    index.resize(100);
    for (int h = 1; h <= kMaxTeams; ++h) {
      for (int a = 1; a <= kMaxTeams; ++a) {
        const QString &c = records_[cellRecord(division, h, a)];
        if (c.size() < 2 || c[0] < u'0' || c[0] > u'9' || c[1] < u'0' || c[1] > u'9')
          continue;
        const int jj = (c[0].unicode() - '0') * 10 + (c[1].unicode() - '0');
        if (jj >= 1)
          index[jj].push_back({h, a, c});
      }
    }
  }
  return index[j];
}

std::optional<PlayedCell> Season::matchOfTeam(int division, int j, int team) const
{
  const std::vector<PlayedCell> &played = playedInJornada(division, j);
  const size_t considered = std::min(played.size(), static_cast<size_t>(teamCount(division) / 2));
  for (size_t m = 0; m < considered; ++m)
    if (played[m].home == team || played[m].away == team)
      return played[m];
  return std::nullopt;
}

void Season::setRecord(int k, const QString &value)
{
  if (k >= 1 && k <= kRecordCount) {
    records_[k] = value;
    if (k <= kMatrixRecords)
      byJornada_[k > 484 ? 1 : 0].clear();
  }
}

void Season::setCalendars(const QString &first, const QString &second)
{
  calendars_ = {fitCalendar(first), fitCalendar(second)};
}

void Season::setSecondRoundCalendars(const QString &first, const QString &second)
{
  if (first.trimmed().isEmpty() && second.trimmed().isEmpty())
    secondRound_ = {};
  else
    secondRound_ = {fitCalendar(first), fitCalendar(second)};
}

} // namespace season
