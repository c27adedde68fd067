#pragma once
// The season data file: 1036 quoted records, one per line, then one line with
// the two calendars, and, only in a season whose 2ª vuelta is not the mirror
// of the 1ª, one more line with the two 2ª vuelta calendars. Windows-1252,
// CR LF. Reading checks every value and refuses a damaged file with a message
// naming the line; writing lays the file out exactly so, through a temporary
// file.

#include "season/Season.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace season {

constexpr qint64 kLargestSeasonFile = 1024 * 1024; // a real one is about 10 KB

// Parses and checks the decoded text of a season file; on failure returns
// nothing and sets error to a message for the user.
std::optional<Season> parseSeasonText(const QString &text, QString *error);
std::optional<Season> readSeasonFile(const QString &path, QString *error);

// Any result cell or carried record holding ".." anywhere becomes "....".
void markUnplayed(Season &season);
// The file's bytes; nothing, with error set, when some text holds a
// character Windows-1252 cannot hold.
std::optional<QByteArray> seasonFileBytes(const Season &season, QString *error);
// Writes the season (unplayed marks already applied) atomically. Returns an
// error text, or an empty text on success; on failure the file is untouched.
QString writeSeasonFile(const QString &path, const Season &season);

} // namespace season
