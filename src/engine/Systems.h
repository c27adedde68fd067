#pragma once
// Pools systems: the signs chosen for each of the 14 matches (a single, a
// double or a triple), the direct columns they stand for, columns that cost
// less while keeping a guarantee (every direct column at most one or two
// signs away from one of them), checking columns against the real signs,
// and the chance of each prize from the probabilities of each match.

#include "engine/systems/CoverSearch.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace engine {

constexpr int kMatches = 14;
using Column = std::array<char, kMatches>;          // '1', 'X' or '2' per match
using System = std::array<QString, kMatches>;       // the signs of each match: "1", "1X", "1X2"...

// "1,1X,X2,1X2,..." (14 sets of 1, X and 2); nothing when it is not that.
std::optional<System> parseSystem(const QString &text);
// A column as 14 characters of 1, X and 2; nothing otherwise.
std::optional<Column> parseColumn(const QString &text);
QString columnText(const Column &column);

// Every column of the system, in order (the first match's signs change slowest).
std::vector<Column> directColumns(const System &system);
qint64 directCount(const System &system);

// Columns such that every direct column differs from one of them in at most
// 14 - guarantee matches (guarantee 14, 13 or 12), checked before they are
// returned; nothing for a system too large to reduce here. They come from the
// table of covering codes beside the program, its constructions and a short
// search (engine/systems/Reduction.h), so a large system may take 0.7 s.
std::optional<std::vector<Column>> reduce(const System &system, int guarantee);
// The same with the search's limits, progress and cancel given (for a worker thread).
std::optional<std::vector<Column>> reduce(const System &system, int guarantee,
                                          const engine::systems::SearchLimits &limits);
// True when every direct column is within 14 - guarantee signs of a column of the set.
bool keepsGuarantee(const System &system, const std::vector<Column> &columns, int guarantee);

int hits(const Column &column, const Column &result);
// "14", "13", "12", "11", "10", or "-" below the prizes.
QString category(int hits);

// P(1), P(X), P(2) of each match.
using SignProbabilities = std::array<std::array<double, 3>, kMatches>;
// For the best column of the set: the chance of 14, 13, 12, 11 and 10 hits,
// and of less than 10 (index 5). Exact.
std::array<double, 6> prizeChances(const std::vector<Column> &columns, const SignProbabilities &p);

} // namespace engine
