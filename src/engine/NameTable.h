#pragma once
// The name table: each club name the league files write, and the
// five-character name the program shows ("Real Madrid CF;R.MAD"). Several
// spellings of one club map to one name. Lines starting with "#" are comments.

#include <QHash>
#include <QString>
#include <optional>

namespace engine {

class NameTable {
public:
  // Nothing, with error set, when a line is not "name;NAME5".
  static std::optional<NameTable> parse(const QString &text, QString *error);
  static std::optional<NameTable> read(const QString &path, QString *error);
  // The five-character name, or an empty text for a club the table lacks.
  QString shortName(const QString &club) const { return names_.value(club); }
  int size() const { return static_cast<int>(names_.size()); }

private:
  QHash<QString, QString> names_;
};

} // namespace engine
