#pragma once
// The season data file: 1036 quoted records, one per line, then one line with
// the two calendars. Reading takes the 1038 values; writing lays the file out
// exactly so, Windows-1252, CR LF, through a temporary file.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace season {

constexpr int kRecordCount = 1036;
constexpr int kCalendarLength = 924;
constexpr qint64 kLargestSeasonFile = 1024 * 1024; // a real one is about 10 KB

struct SeasonFileData {
  QStringList records; // records 1..1036 at indexes 0..1035
  QString calendar1;   // padded or cut to 924 characters
  QString calendar2;
};

// A calendar value as the season holds it: space-padded or cut to 924 characters.
QString fitCalendar(const QString &value);

// Parses the decoded text of a season file; on failure returns nothing and
// sets error to a message for the user.
std::optional<SeasonFileData> parseSeasonText(const QString &text, QString *error);
std::optional<SeasonFileData> readSeasonFile(const QString &path, QString *error);

// Any record holding ".." anywhere becomes "...." (in the list given, too).
void normaliseUnplayed(QStringList &records);
// The file's bytes for the records and calendars given (records already
// normalised); each calendar is written at exactly 924 characters.
QByteArray seasonFileBytes(const QStringList &records, const QString &calendar1, const QString &calendar2);
// Normalises the records and writes them atomically. Returns an error text or empty.
QString writeSeasonFile(const QString &path, QStringList &records, const QString &calendar1,
                        const QString &calendar2);

} // namespace season
