#pragma once
// A season built from the openfootball files of 1ª División and, optionally,
// 2ª División: teams numbered in the order of their names with the accents
// taken off, every played match in the cell of its pairing under its round,
// the 1ª vuelta as the calendar, and the 2ª vuelta on a line of its own only
// when it is not the mirror of the 1ª.

#include "engine/NameTable.h"
#include "engine/OpenFootball.h"
#include "season/Season.h"

#include <QStringList>
#include <optional>

namespace engine {

struct DivisionSummary {
  int teams = 0;
  int played = 0;
  int reached = 0; // the highest round with a match played
};

struct ImportedSeason {
  season::Season season;
  DivisionSummary divisions[2];
  bool secondRoundLine = false;
  QStringList warnings;
  int seasonDigits = -1; // the two digits of the year it ends in, from the 1ª División file's title
};

// The order of the program's names: accents off, then by character code;
// ties by the names as written.
bool namesInOrder(const QString &a, const QString &b);

// Nothing, with error set, when a club is missing from the table or a
// division's rounds or pairings do not make a season.
std::optional<ImportedSeason> importSeason(const LeagueFile &first, const LeagueFile *second, const NameTable &names,
                                           QString *error);

// The lines the import reports: teams, matches played and rounds reached per
// division, and whether the 2ª vuelta line was written.
QStringList importSummary(const ImportedSeason &imported);

} // namespace engine

namespace engine {

// The texts of the 1ª División file and of the 2ª División one (a null text:
// none), as read or downloaded, imported with the name table.
std::optional<ImportedSeason> importTexts(const QString &first, const QString &firstName, const QString &second,
                                          const QString &secondName, const NameTable &names, QString *error);

// The files read and imported: the 1ª División file, the 2ª División one
// (empty path: none) and the name table.
std::optional<ImportedSeason> importFiles(const QString &first, const QString &second, const QString &table,
                                          QString *error);

} // namespace engine
