#pragma once
// Hand-made seasons for the tests: small divisions whose every result the test
// sets itself, written in the program's own file layout and loaded the way the
// user loads one.

#include "ScriptedServices.h"
#include "form/Qmodelop.h"
#include "season/Season.h"

#include <QByteArray>
#include <QStringList>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

namespace testing {

class TestSeason {
public:
  // Teams "TEA01".. (or the names given) in divisions of the sizes given; a
  // round-robin calendar; every match unplayed; current jornadas "0101".
  TestSeason(int teams1 = 4, int teams2 = 4);
  void setNames(int division, const QStringList &names);
  // The cell of home against away holds the jornada and the score.
  void play(int division, int home, int away, int jornada, int homeGoals, int awayGoals);
  QString &record(int k) { return records[k - 1]; }
  QString cell(int division, int home, int away) const;
  void setCurrentJornadas(const QString &jj) { records[1012] = jj; }
  // Home and away team of match i of jornada j of the calendar (2nd round exchanged).
  std::pair<int, int> fixture(int division, int j, int i) const;
  season::Season toSeason() const;
  QByteArray bytes() const;
  QString writeTo(const QString &folder, const QString &fileName) const;

  QStringList records; // 1036
  QString calendar1, calendar2;
  int teams1, teams2;
};

// A form with scripted services and a private program folder.
struct FormFixture {
  FormFixture();
  // Writes the season as fileName in the program folder and loads it as a user
  // choosing it in the dialog does. Returns false when the load failed.
  bool load(const TestSeason &season, const QString &fileName = QStringLiteral("Edato14.txt"));
  bool loadFile(const QString &path);
  QString folder() const { return dir.path() + u'/'; }

  QTemporaryDir dir;
  controls::ScriptedServices scripted;
  std::unique_ptr<vaticor::Qmodelop> form;
};

// A web server on 127.0.0.1 serving a folder, for the downloads.
class LocalServer {
public:
  explicit LocalServer(const QString &folder);
  ~LocalServer();
  QString base() const { return base_; } // "http://127.0.0.1:PORT/", empty when it did not start

private:
  QProcess *process_;
  QString base_;
};

// While it lives, files of this process cannot grow past `bytes` (as on a
// full disk): writes fail with EFBIG instead of the signal that would end the
// test. The limit and the signal's handling come back afterwards.
class FileSizeLimit {
public:
  explicit FileSizeLimit(long long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit &) = delete;
  FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
  long long previous_;
  void (*previousHandler_)(int);
};

// The bundled real seasons (the samples folder of the source tree).
QString samplePath(const QString &fileName);
// The real 2013/14 season with line k (1-based) replaced by text; an empty
// text removes the line, and "+text" inserts a line after it.
QByteArray realWithLine(int k, const QString &text);
// The file's bytes of a season, as the program writes it.
QByteArray seasonBytes(const season::Season &season);
QByteArray readAll(const QString &path);
QString writeAll(const QString &path, const QByteArray &bytes); // returns the path

} // namespace testing
