// The season data file: the real seasons read and written back byte for byte,
// every damaged file refused with a message naming its line, nothing that
// Windows-1252 cannot hold ever written.
#include "TestSeasons.h"
#include "season/SeasonFile.h"
#include "text/SequentialFile.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

using namespace season;
using testing::readAll;
using testing::writeAll;

namespace {

std::optional<Season> parseBytes(const QByteArray &bytes, QString *error = nullptr)
{
  return parseSeasonText(text::decodeDataFile(bytes), error);
}

QByteArray sample(const QString &name) { return readAll(testing::samplePath(name)); }

using testing::realWithLine;

} // namespace

class TestSeasonFile : public QObject {
  Q_OBJECT

private slots:
  void realSeasonsRoundTrip_data()
  {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("secondRound"); // the file has its own 2ª vuelta calendars
    QTest::newRow("2012/13") << "Edato13.txt" << false;
    QTest::newRow("2013/14") << "Edato14.txt" << false;
    QTest::newRow("2022/23, with the 2ª vuelta line") << "Edato23.txt" << true;
  }

  void realSeasonsRoundTrip()
  {
    QFETCH(QString, name);
    QFETCH(bool, secondRound);
    QString error;
    const auto s = readSeasonFile(testing::samplePath(name), &error);
    QVERIFY2(s, qPrintable(error));
    QCOMPARE(s->teamCount(1) * 100 + s->teamCount(2), 2022);
    QCOMPARE(s->hasSecondRoundCalendars(), secondRound);
    for (int k = 969; k <= 1012; ++k)
      QCOMPARE(s->record(k).size(), 5); // accented names are one character each
    QTemporaryDir dir;
    QCOMPARE(writeSeasonFile(dir.filePath(name), *s), QString());
    QCOMPARE(readAll(dir.filePath(name)), sample(name));
  }

  // Files that are not a season at all, or are cut short anywhere: refused
  // with a message, never a crash.
  void notSeasons_data()
  {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray real = sample("Edato13.txt");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("blank lines") << QByteArray("  \r\n\r\n");
    QTest::newRow("one value") << QByteArray("\"....\"\r\n");
    for (int cut : {1, 5000, 9000, int(real.lastIndexOf(",\"")), int(real.size()) - 4})
      QTest::addRow("cut at byte %d", cut) << real.left(cut);
    for (quint32 seed = 1; seed <= 8; ++seed) {
      QRandomGenerator random(seed);
      QByteArray garbage(int(random.bounded(20000)), '\0');
      for (char &c : garbage)
        c = char(random.bounded(256));
      QTest::addRow("random bytes, seed %u", seed) << garbage;
    }
  }

  void notSeasons()
  {
    QFETCH(QByteArray, bytes);
    QString error;
    QVERIFY(!parseBytes(bytes, &error));
    QVERIFY(error.startsWith("El archivo no es una temporada válida."));
  }

  // What a damaged real file is told, line by line (the refusals the user
  // meets most are tried through the window's load as well).
  void refusals_data()
  {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("one dot") << realWithLine(5, "\"1.23\"") << "Registro 5 (línea 5): el resultado «1.23»";
    QTest::newRow("jornada 39 of 20 teams") << realWithLine(2, "\"3910\"")
                                            << "Registro 2 (línea 2): el resultado «3910» es de la jornada 39, y la 1ª "
                                               "División juega las jornadas 1 a 38.";
    QTest::newRow("team 21 of 20") << realWithLine(441, "\"0510\"")
                                   << "Registro 441 (línea 441): hay un resultado («0510») del equipo 21 contra el 1, "
                                      "y la 1ª División tiene 20 equipos.";
    QTest::newRow("a record missing") << realWithLine(300, "")
                                      << "Faltan datos: el archivo acaba en la línea 1036, con 1037 de los 1038 valores";
    QTest::newRow("a record too many") << realWithLine(300, "+\"....\"") << "La línea 1037 debe llevar los dos calendarios separados por una coma: sobra o falta "
                                                                "una línea antes de ella.";
    QTest::newRow("short name") << realWithLine(970, "\"ATH\"")
                                << "Registro 970 (línea 970): el nombre «ATH» del equipo 2 de 1ª División debe tener "
                                   "cinco caracteres.";
    QTest::newRow("repeated name") << realWithLine(992, "\"ALAVÉ\"") << "del equipo 2 de 2ª División está repetido.";
    QTest::newRow("name with a dash") << realWithLine(969, "\"AL-ME\"") << "no puede llevar el guion «-».";
    QTest::newRow("24 teams") << realWithLine(1014, "\"2024\"") << "Registro 1014 (línea 1014): el número de equipos";
    QTest::newRow("1ª played past its 38 jornadas") << realWithLine(1013, "\"9942\"")
                                               << "Registro 1013 (línea 1013): las jornadas actuales «9942» dicen 99 en la 1ª "
                                                  "División, que juega 38 jornadas.";
    QTest::newRow("2ª played past its 42 jornadas") << realWithLine(1013, "\"3843\"")
                                               << "dicen 43 en la 2ª División, que juega 42 jornadas.";
    QTest::newRow("jornadas in letters") << realWithLine(1013, "\"38AB\"")
                                         << "Registro 1013 (línea 1013): las jornadas actuales «38AB» deben ser cuatro "
                                            "cifras, dos por división (por ejemplo 0909).";
    QByteArray calendars = sample("Edato14.txt");
    const int lastLine = calendars.lastIndexOf("\r\n", calendars.size() - 3) + 3;
    QByteArray twice = calendars, letter = calendars, tail = calendars, unclosed = calendars;
    twice.replace(lastLine + 4, 2, "15");
    letter.replace(lastLine + 10, 1, "x");
    tail.replace(lastLine + 800, 1, "7");
    unclosed.chop(3);
    QTest::newRow("calendar team twice") << twice
                                         << "Línea 1037: el calendario de 1ª División: en la jornada 1 el equipo 15 "
                                            "juega dos veces.";
    QTest::newRow("calendar letter") << letter << "tiene «x» en la posición 11; sólo puede tener cifras y blancos.";
    QTest::newRow("calendar past its season") << tail
                                              << "Línea 1037: el calendario de 1ª División sigue después de su última "
                                                 "jornada, en la posición 801; ahí debe estar en blanco.";
    QTest::newRow("cut inside the last calendar")
        << unclosed << "La línea 1037 abre unas comillas que no se cierran: el archivo está cortado.";
    QByteArray ownSecond = sample("Edato23.txt");
    ownSecond.replace(ownSecond.lastIndexOf(",\"") + 2, 4, "0123");
    QTest::newRow("2ª vuelta calendar out of range")
        << ownSecond << "Línea 1038: el calendario de la 2ª vuelta de 2ª División, jornada 22, partido 1, dice «0123»";
  }

  void refusals()
  {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QString error;
    QVERIFY(!parseBytes(bytes, &error));
    const QString detail = error.section("\r\n", 1);
    QVERIFY2(detail.startsWith(message) || detail.contains(message), qPrintable(error));
  }

  // What is left alone: blank lines at the end, a short calendar at a match's
  // end, blank padding past 924, a division without teams, carried records.
  void accepted_data()
  {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("calendar2"); // as held, blanks dropped at the end
    const QByteArray real = sample("Edato14.txt");
    const QString realSecond = parseBytes(real)->calendar(2);
    const int secondStart = real.lastIndexOf(",\"") + 2;
    QByteArray shortCalendar = real, longCalendar = real;
    shortCalendar.remove(secondStart + 44, 924 - 44);
    longCalendar.insert(real.size() - 3, QByteArray(40, ' '));
    testing::TestSeason noSecond(4, 0);
    QTest::newRow("trailing blank lines") << real + "\r\n  \r\n" << realSecond.trimmed();
    QTest::newRow("first jornada only") << shortCalendar << realSecond.left(44);
    QTest::newRow("blanks past 924") << longCalendar << realSecond.trimmed();
    QTest::newRow("no 2ª División") << noSecond.bytes() << QString();
    QTest::newRow("carried records") << realWithLine(1020, "\"cualquier cosa\"") << realSecond.trimmed();
  }

  void accepted()
  {
    QFETCH(QByteArray, bytes);
    QString error;
    const auto s = parseBytes(bytes, &error);
    QVERIFY2(s, qPrintable(error));
    QCOMPARE(s->calendar(2).size(), kCalendarLength);
    QTEST(QString(s->calendar(2)).remove(QRegularExpression(" +$")), "calendar2");
  }

  void unplayedMarks_data()
  {
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("written");
    QTest::newRow("a result typed unplayed") << 1 << "12.." << "....";
    QTest::newRow("a carried record") << 1015 << "x.." << "....";
    QTest::newRow("a name is never emptied") << 969 << "A..BC" << "A..BC";
    QTest::newRow("a name with one dot") << 970 << "R.MAD" << "R.MAD";
  }

  void unplayedMarks()
  {
    QFETCH(int, record);
    QFETCH(QString, value);
    QFETCH(QString, written);
    Season s = testing::TestSeason().toSeason();
    s.setRecord(record, value);
    markUnplayed(s);
    QCOMPARE(s.record(record), written);
    const QList<QByteArray> lines = testing::seasonBytes(s).split('\n');
    QCOMPARE(lines.size(), 1038);
    QCOMPARE(lines[record - 1], "\"" + written.toLatin1() + "\"\r");
  }

  // A character Windows-1252 cannot hold is never written as "?": the write is
  // refused and the file on disk stays as it was.
  void unwritableCharacter()
  {
    QTemporaryDir dir;
    const QString path = writeAll(dir.filePath("Edato14.txt"), sample("Edato14.txt"));
    Season s = *readSeasonFile(path, nullptr);
    s.setRecord(970, QStringLiteral("ŁÓDŹ1"));
    const QString error = writeSeasonFile(path, s);
    QCOMPARE(error, QStringLiteral("No se ha guardado la temporada: la línea 970 lleva el carácter «Ł», que el archivo "
                                   "de temporada (Windows-1252) no puede guardar."));
    QCOMPARE(readAll(path), sample("Edato14.txt"));
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

  // The real season rewritten as UTF-8, with a byte-order mark and decomposed accents.
  void utf8Names()
  {
    const QString content = text::decodeWindows1252(sample("Edato13.txt"));
    const QByteArray utf8 = "\xEF\xBB\xBF" + content.normalized(QString::NormalizationForm_D).toUtf8();
    const auto fromUtf8 = parseBytes(utf8);
    QVERIFY(fromUtf8);
    QCOMPARE(fromUtf8->name(1, 3), QString("BARÇA"));
    QCOMPARE(testing::seasonBytes(*fromUtf8), sample("Edato13.txt"));
  }
};

QTEST_GUILESS_MAIN(TestSeasonFile)
#include "test_seasonfile.moc"
