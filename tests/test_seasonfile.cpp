// The season data file: exact layout on writing, and no bad file may crash the
// reading or get past it half-read.
#include "TestSeasons.h"
#include "season/SeasonFile.h"
#include "text/SequentialFile.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace season;

namespace {

using testing::readAll;
using testing::writeAll;

std::optional<SeasonFileData> parseBytes(const QByteArray &bytes, QString *error)
{
  return parseSeasonText(text::decodeDataFile(bytes), error);
}

// A well-formed file of the hand-made season, its calendars line replaced.
QByteArray fileWithLastLine(const QByteArray &lastLine)
{
  const QByteArray bytes = testing::TestSeason().bytes();
  return bytes.left(bytes.lastIndexOf("\r\n", bytes.size() - 3) + 2) + lastLine;
}

QByteArray sample(const QString &name) { return readAll(testing::samplePath(name)); }

} // namespace

class TestSeasonFile : public QObject {
  Q_OBJECT

private slots:
  void sampleRoundTrip_data()
  {
    QTest::addColumn<QString>("name");
    QTest::newRow("Edato13") << "Edato13.txt";
    QTest::newRow("Edato14") << "Edato14.txt";
  }

  void sampleRoundTrip()
  {
    QFETCH(QString, name);
    QString error;
    const auto data = readSeasonFile(testing::samplePath(name), &error);
    QVERIFY2(data, qPrintable(error));
    QCOMPARE(data->records.size(), 1036);
    QCOMPARE(data->records[1013], QString("2022"));
    for (int k = 969; k <= 1012; ++k)
      QCOMPARE(data->records[k - 1].size(), 5); // accented names are one character each
    QCOMPARE(data->calendar1.size(), 924);
    QCOMPARE(data->calendar2.size(), 924);

    QTemporaryDir dir;
    QStringList records = data->records;
    QCOMPARE(writeSeasonFile(dir.filePath(name), records, data->calendar1, data->calendar2), QString());
    QCOMPARE(readAll(dir.filePath(name)), sample(name));
    QCOMPARE(records, data->records);
  }

  void unplayedMarks_data()
  {
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("written");
    QTest::newRow("..2.") << 1 << "..2." << "....";
    QTest::newRow("a name") << 969 << "A..BC" << "....";
    QTest::newRow("a carried record") << 1015 << "x.." << "....";
    QTest::newRow("one dot") << 3 << ".1.2" << ".1.2";
    QTest::newRow("name with a dot") << 970 << "R.MAD" << "R.MAD";
  }

  void unplayedMarks()
  {
    QFETCH(int, record);
    QFETCH(QString, value);
    QFETCH(QString, written);
    testing::TestSeason s;
    s.record(record) = value;
    QStringList records = s.records;
    QTemporaryDir dir;
    const QString path = dir.filePath("Edato14.txt");
    QCOMPARE(writeSeasonFile(path, records, s.calendar1, s.calendar2), QString());
    QCOMPARE(records[record - 1], written); // the caller's copy too
    const QList<QByteArray> lines = readAll(path).split('\n');
    QCOMPARE(lines.size(), 1038);
    QCOMPARE(lines[record - 1], "\"" + written.toLatin1() + "\"\r");
    QCOMPARE(lines[record], "\"" + s.records[record].toLatin1() + "\"\r");
  }

  void calendarLength_data()
  {
    QTest::addColumn<QString>("calendar");
    QTest::addColumn<QString>("held"); // as read, and as written back
    const QString full = QString("0102").repeated(231);
    QTest::newRow("short") << "0102" << "0102" + QString(920, ' ');
    QTest::newRow("empty") << "" << QString(924, ' ');
    QTest::newRow("exact") << full << full;
    QTest::newRow("long") << QString("0304").repeated(250) << QString("0304").repeated(231);
  }

  void calendarLength()
  {
    QFETCH(QString, calendar);
    QFETCH(QString, held);
    QString error;
    const QByteArray lastLine = text::encodeWindows1252(text::quotedLine({calendar, "0403"}));
    const auto data = parseBytes(fileWithLastLine(lastLine), &error);
    QVERIFY2(data, qPrintable(error));
    QCOMPARE(data->calendar1, held);
    QCOMPARE(data->calendar2, "0403" + QString(920, ' '));

    QTemporaryDir dir;
    QStringList records = data->records;
    QCOMPARE(writeSeasonFile(dir.filePath("Edato14.txt"), records, calendar, calendar), QString());
    const QByteArray bytes = readAll(dir.filePath("Edato14.txt"));
    QVERIFY(bytes.endsWith("\"" + held.toLatin1() + "\",\"" + held.toLatin1() + "\"\r\n"));
    QCOMPARE(bytes.size() - (bytes.lastIndexOf("\r\n", bytes.size() - 3) + 2), 1 + 924 + 3 + 924 + 1 + 2);
  }

  // Files that must be refused whole, and the limits of the team counts.
  void parse_data()
  {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    auto counts = [](const QString &record1014) {
      testing::TestSeason s;
      s.record(1014) = record1014;
      return s.bytes();
    };
    QTest::newRow("fewest teams 0202") << counts("0202") << true;
    QTest::newRow("most teams 2222") << counts("2222") << true;
    QTest::newRow("one team 0122") << counts("0122") << false;
    QTest::newRow("one team 2201") << counts("2201") << false;
    QTest::newRow("23 teams 2302") << counts("2302") << false;
    QTest::newRow("23 teams 2223") << counts("2223") << false;
    QTest::newRow("counts in letters") << counts("AB22") << false;
    QTest::newRow("counts of two digits") << counts("22") << false;
    const QByteArray good = testing::TestSeason().bytes();
    const int lastLine = good.lastIndexOf("\r\n", good.size() - 3) + 2;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("blank lines") << QByteArray("  \r\n\r\n") << false;
    QTest::newRow("one value") << QByteArray("\"....\"\r\n") << false;
    QTest::newRow("records without calendars") << good.left(lastLine) << false;
    QTest::newRow("first calendar only") << good.left(lastLine) + "\"0102\"\r\n" << false;
    QTest::newRow("first calendar and a comma") << good.left(lastLine) + "\"0102\"," << false;
    for (quint32 seed = 1; seed <= 12; ++seed) {
      QRandomGenerator random(seed);
      QByteArray garbage(int(random.bounded(20000)), '\0');
      for (char &c : garbage)
        c = char(random.bounded(256));
      QTest::newRow(qPrintable(QString("random bytes, seed %1").arg(seed))) << garbage << false;
    }
  }

  void parse()
  {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QTemporaryDir dir;
    QString error;
    QCOMPARE(bool(readSeasonFile(writeAll(dir.filePath("Edato14.txt"), bytes), &error)), valid);
    QCOMPARE(error.isEmpty(), valid);
  }

  // A file cut short keeps its 1038 values only while the second calendar has
  // begun; whatever it keeps of that calendar is padded.
  void truncatedSample()
  {
    const QByteArray full = sample("Edato13.txt");
    QString error;
    const auto whole = parseBytes(full, &error);
    QVERIFY2(whole, qPrintable(error));
    const int secondQuote = full.lastIndexOf(",\"") + 1;
    const int lastTwoLines = full.lastIndexOf("\r\n", full.lastIndexOf("\r\n", full.size() - 3) - 1) + 2;
    QList<int> cuts;
    for (int c = 0; c < full.size(); c += 37)
      cuts.append(c);
    for (int c = lastTwoLines; c < full.size(); ++c)
      cuts.append(c);
    for (int cut : cuts) {
      error.clear();
      const auto data = parseBytes(full.left(cut), &error);
      const bool expectValid = cut > secondQuote;
      if (bool(data) != expectValid || error.isEmpty() == !expectValid)
        QFAIL(qPrintable(QString("cut at %1 of %2: %3").arg(cut).arg(full.size()).arg(error)));
      if (!data)
        continue;
      QCOMPARE(data->records, whole->records);
      QCOMPARE(data->calendar1, whole->calendar1);
      const QString kept = QString::fromLatin1(full.mid(secondQuote + 1, cut - secondQuote - 1)).section('"', 0, 0);
      QCOMPARE(data->calendar2, fitCalendar(kept));
    }
  }

  // Any byte of the file replaced by anything: a season or an error, never a crash;
  // a replaced character inside a quoted value changes that value only.
  void corruptedSample()
  {
    const QByteArray full = sample("Edato13.txt");
    QString error;
    const auto whole = parseBytes(full, &error);
    QVERIFY(whole);
    const char replacements[] = {'\0', '"', ',', '\n', '\r', '\xFF', ' ', '7'};
    int valid = 0, refused = 0;
    for (int at = 0; at < full.size(); at += 17) {
      const int lineStart = full.lastIndexOf('\n', at - 1) + 1;
      const int line = full.left(lineStart).count('\n') + 1;
      const int column = at - lineStart; // 0 is the opening quote
      const bool insideRecord = line <= 1036 && column >= 1 && full[at] != '"' && full[at] != '\r' && full[at] != '\n';
      for (char r : replacements) {
        QByteArray bytes = full;
        bytes[at] = r;
        error.clear();
        const auto data = parseBytes(bytes, &error);
        if (!data) {
          QVERIFY(!error.isEmpty());
          ++refused;
          continue;
        }
        ++valid;
        QCOMPARE(data->records.size(), 1036);
        QCOMPARE(data->calendar1.size(), 924);
        QCOMPARE(data->calendar2.size(), 924);
        if (r == '7' && insideRecord) {
          QStringList expected = whole->records;
          expected[line - 1][column - 1] = u'7';
          QCOMPARE(data->records, expected);
          QCOMPARE(data->calendar1, whole->calendar1);
        }
      }
    }
    QVERIFY(valid > 0 && refused > 0);
  }

  // Seasons that read well but hold odd values load into the form without harm.
  void corruptedSeasonsLoad()
  {
    const QByteArray full = sample("Edato13.txt");
    const auto whole = parseBytes(full, nullptr);
    QVERIFY(whole);
    QList<QStringList> variants;
    auto vary = [&](QList<int> indexes, const QString &value) {
      variants.append(whole->records);
      for (int k : indexes)
        variants.last()[k - 1] = value;
    };
    for (const char *jornadas : {"9999", "0000", "4242", "-1-1", "ABCD", "", "01"})
      vary({1013}, jornadas);
    for (const char *counts : {"0202", "2222", "0222", "2203"})
      vary({1014}, counts);
    for (const char *cell : {"9999", "4299", "00..", "ABCD", "1", ""})
      vary({2, 23}, cell);
    vary({969}, "");
    vary({970}, "NOMBRE LARGO");
    QRandomGenerator random(2014);
    testing::FormFixture fixture;
    int loaded = 0;
    for (int i = 0; i < variants.size() + 60; ++i) {
      QByteArray bytes = full;
      if (i < variants.size())
        bytes = seasonFileBytes(variants[i], whole->calendar1, whole->calendar2);
      else
        for (int n = 0; n < 3; ++n)
          bytes[int(random.bounded(full.size()))] = char(random.bounded(256));
      const QString path = writeAll(fixture.folder() + QString("Edato%1.txt").arg(i + 10), bytes);
      const bool readable = bool(readSeasonFile(path, nullptr));
      QCOMPARE(fixture.loadFile(path), readable);
      loaded += readable;
    }
    QVERIFY(loaded >= variants.size());
  }

  // The largest file accepted; one byte more, a missing file and a folder are refused.
  void fileLimits()
  {
    QByteArray bytes = sample("Edato13.txt");
    while (bytes.size() < kLargestSeasonFile)
      bytes += "\r\n";
    bytes.truncate(int(kLargestSeasonFile));
    QTemporaryDir dir;
    QString error;
    QVERIFY2(readSeasonFile(writeAll(dir.filePath("Edato13.txt"), bytes), &error), qPrintable(error));
    const QString tooLarge = writeAll(dir.filePath("Edato14.txt"), bytes + "\n");
    for (const QString &path : {tooLarge, dir.filePath("Edato15.txt"), dir.path()}) {
      error.clear();
      QVERIFY(!readSeasonFile(path, &error));
      QVERIFY(!error.isEmpty());
    }
  }

  // The sample rewritten as UTF-8, with a byte-order mark and decomposed accents.
  void utf8Names()
  {
    const QString content = text::decodeWindows1252(sample("Edato13.txt"));
    QTemporaryDir dir;
    const QByteArray utf8 = "\xEF\xBB\xBF" + content.normalized(QString::NormalizationForm_D).toUtf8();
    const auto fromWindows = readSeasonFile(testing::samplePath("Edato13.txt"), nullptr);
    const auto fromUtf8 = readSeasonFile(writeAll(dir.filePath("Edato13.txt"), utf8), nullptr);
    QVERIFY(fromWindows && fromUtf8);
    QCOMPARE(fromUtf8->records, fromWindows->records);
    QCOMPARE(fromUtf8->records[968], QString("BARÇA"));
    QCOMPARE(fromUtf8->calendar2, fromWindows->calendar2);
  }
};

QTEST_GUILESS_MAIN(TestSeasonFile)
#include "test_seasonfile.moc"
