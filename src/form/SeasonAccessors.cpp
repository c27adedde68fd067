// The form's view of the season: result lookup, fixtures, team numbers, season digits.
#include "form/Qmodelop.h"
#include "text/TextRules.h"

#include <QDate>
#include <algorithm>

using text::fmt;
using text::ival;
using text::left;
using text::mid;
using text::right;

namespace vaticor {

void Qmodelop::lookUpResult(const QString &key)
{
  if (key == QStringLiteral("0000") || key == QStringLiteral("    ")) {
    lookupGoals = QStringLiteral("..");
    return;
  }
  const QString cell = season.cell(division, ival(left(key, 2)), ival(right(key, 2)));
  lookupGoals = right(cell, 2);
  lookupJornada = left(cell, 2);
}

void Qmodelop::buildFixture(int j)
{
  const std::vector<season::Pairing> matches = season.fixture(division, j);
  for (size_t i = 0; i < matches.size() && i + 1 < homeTeam.size(); ++i) {
    homeTeam[i + 1] = static_cast<int16_t>(matches[i].home);
    awayTeam[i + 1] = static_cast<int16_t>(matches[i].away);
  }
}

int Qmodelop::teamNumberOf(const QString &name) const
{
  return text::instr(teamNameList, name) / 6 + 1;
}

QString Qmodelop::safeTeamName(int slot) const
{
  return slot >= 0 && slot <= kMaxTeams ? teamName[slot] : QString();
}

QString Qmodelop::seasonDigits(const QDate &today)
{
  const int year = today.month() > 7 ? today.year() + 1 : today.year();
  return fmt(ival(right(QString::number(year), 2)), QStringLiteral("00"));
}

QString Qmodelop::defaultSeasonFileName() const
{
  return QStringLiteral("Edato") + seasonDigits(services.clock->today()) + QStringLiteral(".txt");
}

bool Qmodelop::fileExists(const QString &path) const
{
  return !path.isEmpty() && services.fileInfo && services.fileInfo->exists(path);
}

} // namespace vaticor
