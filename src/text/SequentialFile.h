#pragma once
// The quoted sequential file form of the program's data files: every value in
// double quotes, values separated by commas, lines ended by CR LF. Files are
// Windows-1252 (what stored files and the update server hold); reading also
// accepts UTF-8 when the bytes are valid UTF-8.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace text {

QString decodeWindows1252(const QByteArray &bytes);
// Characters outside Windows-1252 become '?'.
QByteArray encodeWindows1252(const QString &s);
// Index of the first character Windows-1252 cannot hold, or -1.
int firstOutsideWindows1252(const QString &s);
// UTF-8 when the bytes are valid UTF-8 (a BOM is dropped), else Windows-1252;
// composed to NFC so that an accented name stays one character.
QString decodeDataFile(const QByteArray &bytes);

// Reads comma-delimited values as the program's files hold them: a quoted
// value loses its quotes; an unquoted one ends at a comma or the line end.
class SequentialReader {
public:
  explicit SequentialReader(QString data) : data_(std::move(data)) {}
  // The next value, or nothing when the text has no more values.
  std::optional<QString> next();
  bool atEnd() const { return pos_ >= data_.size(); }
  // Line (1-based) on which the last value started.
  int line() const { return valueLine_; }
  // The last value was a line with nothing on it, not even quotes.
  bool lastWasBlankLine() const { return blankLine_; }
  // The last value opened a quote that the text never closes.
  bool lastWasUnterminated() const { return unterminated_; }
  // Nothing but blanks and line ends is left.
  bool onlyBlanksLeft() const;

private:
  void skipDelimiter();
  QString data_;
  int pos_ = 0;
  int line_ = 1;
  int valueLine_ = 0;
  bool blankLine_ = false;
  bool unterminated_ = false;
};

// One line of the quoted form, CR LF included.
QString quotedLine(const QStringList &values);

// No file the program reads (a season, a league file, a name table, a
// download) is anywhere near this size; anything larger is refused before
// it is read or parsed.
constexpr qint64 kMaxInputBytes = 2 * 1024 * 1024;
// The whole file, or nothing with a Spanish reason (missing, unreadable, or
// larger than kMaxInputBytes).
std::optional<QByteArray> readFileCapped(const QString &path, QString *error);

// Writes bytes through a temporary file in the same folder, renamed over the
// old file only when everything was written. Returns an error text, or an
// empty text on success.
QString writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace text
