#pragma once
// A reduced system as small as the program can make it: the table's code of
// the system's shape when there is one; otherwise the smallest of what the
// constructions make of the table and the greedy of earlier versions give,
// made smaller by a tabu search for as long as the limits allow. Whatever is
// returned has been checked to cover.

#include "engine/systems/CodeTable.h"
#include "engine/systems/CoverSearch.h"

#include <chrono>

namespace engine::systems {

// The limits of a search made while the user waits: steps enough for the
// search to settle on the systems a player plays, and a time it never passes.
SearchLimits interactiveLimits(std::chrono::milliseconds budget = std::chrono::milliseconds(700));

// A covering of radius `radius` of the whole space (the words of a system's
// variable matches in their order); empty for an empty space.
std::vector<Word> reduceSpace(const MixedSpace &space, int radius, const CodeTable &table, const SearchLimits &limits);

// A covering of the marked words only (one flag per word of the space), its
// words anywhere in the space; empty when nothing is marked.
std::vector<Word> reduceTargets(const MixedSpace &space, int radius, const std::vector<char> &targets,
                                const SearchLimits &limits);

// The words of a code of the space's shape (as many triples and doubles, in
// any order) placed on the space's coordinates: the code's triples on the
// space's triples in order, its doubles on the doubles.
std::vector<Word> placeCode(const CoveringCode &code, const MixedSpace &space);

} // namespace engine::systems
