#pragma once
// The table of covering codes shipped beside the program ("recubrimientos.txt"),
// found once by tools/covering-search and checked again whenever it is read.
//
// One code a line: "t6 d0 r1 73: 000000 000111 ..." is a code of 6 triples
// and no double, covering radius 1 (guarantee 13), of 73 words; each word has
// one digit per coordinate, the triples' (0, 1, 2) first, then the doubles'
// (0, 1). Blank lines and lines starting with '#' are comments. A line that
// does not hold exactly what it says, or whose words do not cover their whole
// space within the radius, is refused; the other lines are used.

#include "engine/systems/MixedSpace.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace engine::systems {

struct CoveringCode {
  int triples = 0, doubles = 0, radius = 1;
  std::vector<Word> words; // in MixedSpace::ofShape(triples, doubles)
  MixedSpace space() const { return MixedSpace::ofShape(triples, doubles); }
  int size() const { return static_cast<int>(words.size()); }
};

// The code as a line of the table, without its line end.
QByteArray codeLine(const CoveringCode &code);

struct TableProblem {
  int line = 0;   // 1-based
  QString reason; // in Spanish, for the one who edits the table
};

class CodeTable {
public:
  static constexpr Word kLargestSpace = 531441; // 3^12 words: larger codes are not read

  // A table read from text; every code checked.
  static CodeTable parse(const QByteArray &text);
  // A missing or unreadable file gives an empty table and one problem (line 0).
  static CodeTable load(const QString &path);

  // The smallest code of that shape, or nullptr.
  const CoveringCode *find(int triples, int doubles, int radius) const;
  const std::vector<CoveringCode> &codes() const { return codes_; }
  const std::vector<TableProblem> &problems() const { return problems_; }
  // Keeps the code when it is the first or a smaller one of its shape; it must have been checked.
  bool add(const CoveringCode &code);
  // Every code, one line each, in order of shape.
  QByteArray text() const;

private:
  std::vector<CoveringCode> codes_;
  std::vector<TableProblem> problems_;
};

// A code read from one line, checked; nothing (and why) when the line is refused.
std::optional<CoveringCode> parseCodeLine(const QByteArray &line, QString *why);

// "recubrimientos.txt" in the program's folder, read on first use.
const CodeTable &installedCodeTable();
QString installedCodeTablePath();

} // namespace engine::systems
