#pragma once
// The user's settings, "Vaticor.ini": key=value lines under [group] headings,
// as QSettings reads them. Written whole through a temporary file, so that a
// full disk never leaves half a settings file.

#include <QMap>
#include <QString>

namespace text {

class Settings {
public:
  // The settings of the file; none when it is missing or unreadable.
  static Settings read(const QString &path);
  // "group/key" (a key without a group is under [General]).
  QString value(const QString &key, const QString &fallback = QString()) const;
  void setValue(const QString &key, const QString &value);
  // Returns an error text naming the file and the reason, or an empty text.
  QString write(const QString &path) const;

private:
  static std::pair<QString, QString> split(const QString &key);
  QMap<QString, QMap<QString, QString>> groups_;
};

} // namespace text
