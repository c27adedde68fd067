// The season grows: the jornada keys, the results typed in and archived, the
// file rewritten byte for byte, and downloads, from a scripted reply and from
// a real HTTP server on this machine. A failed step never harms the file.
#include "TestSeasons.h"
#include "output/CommandLine.h"
#include "ui/QtHttp.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

using controls::MessageAnswer;
using testing::FormFixture;
using testing::readAll;

namespace {

// The real 2012/13 season in a folder of its own.
struct RealSeason : FormFixture {
  RealSeason()
  {
    QFile::copy(testing::samplePath("Edato13.txt"), path());
    loadFile(path());
  }
  QString path() const { return folder() + "Edato13.txt"; }
  void moveTo(int j)
  {
    form->jornada = static_cast<int16_t>(j);
    form->recomputeStandings = false;
    form->showDivision();
  }
  // Enter in the key box, the results, Enter, OK, the jornadas, Enter.
  void enter(const QString &results, const QString &jornadas)
  {
    form->Text2_KeyPress(13);
    form->Text4.text = results;
    form->Text4_KeyPress(13);
    if (form->archivePending) {
      form->Text4.text = jornadas;
      form->Text4_KeyPress(13);
    }
  }
  QString lastMessage() const
  {
    return scripted.messages.shown.isEmpty() ? QString() : scripted.messages.shown.last().text;
  }
};

class FixedReply : public controls::HttpService {
public:
  void get(const QString &url, std::function<void(const controls::HttpReply &)> done) override
  {
    urls.append(url);
    done(reply);
  }
  controls::HttpReply reply;
  QStringList urls;
};

} // namespace

class TestResults : public QObject {
  Q_OBJECT

private slots:
  void jornadaKeys_data()
  {
    QTest::addColumn<int>("from");
    QTest::addColumn<char>("key");
    QTest::addColumn<int>("jornada");
    QTest::newRow("+") << 20 << '+' << 21;
    QTest::newRow("- ") << 20 << '-' << 19;
    QTest::newRow("b") << 20 << 'b' << 25;
    QTest::newRow("c at 3 is 1") << 3 << 'c' << 1;
    QTest::newRow("+ at 38 stays") << 38 << '+' << 38;
    QTest::newRow("b at 36 is 38") << 36 << 'b' << 38;
  }

  void jornadaKeys()
  {
    QFETCH(int, from);
    QFETCH(char, key);
    RealSeason s;
    s.moveTo(from);
    s.form->Text2_KeyPress(key);
    QTEST(int(s.form->jornada), "jornada");
    QCOMPARE(s.form->Text1.text.toInt(), std::min(s.form->jornada + 0, from == 38 || from == 36 ? from : 99));
    QVERIFY(s.scripted.messages.shown.isEmpty());
  }

  void wrongKey()
  {
    RealSeason s;
    s.form->Text2_KeyPress('x');
    QCOMPARE(s.scripted.messages.shown.value(0).text, QString(" Debe ser +/- +/-1,   b/c +/-5"));
    QCOMPARE(s.scripted.messages.shown.value(0).title, QString("¡¡Letra incorrecta!!"));
    QCOMPARE(s.scripted.messages.shown.value(0).icon, controls::MessageIcon::Critical);
    QCOMPARE(int(s.form->jornada), 38);
  }

  // Jornada 12: "21" stores 1221, "10" 1210, ".." not played ("...." at once).
  void typedResults()
  {
    RealSeason s;
    s.moveTo(12);
    vaticor::Qmodelop &q = *s.form;
    const auto cell = [&](int match) {
      const int h = q.teamNumberOf(q.List1.item(match + 1).mid(3, 5));
      const int a = q.teamNumberOf(q.List1.item(match + 1).mid(9, 5));
      return q.season.cell(1, h, a);
    };
    s.scripted.messages.answers = {MessageAnswer::Cancel};
    q.Text2_KeyPress(13);
    QVERIFY(q.entryOpen && q.Frame10.visible);
    QCOMPARE(q.Text4.text.size(), 20); // the jornada's results, prefilled
    q.Text4.text = "2110.." + q.Text4.text.mid(6);
    q.Text4_KeyPress(13);
    QCOMPARE(cell(1), QString("1221"));
    QCOMPARE(cell(2), QString("1210"));
    QCOMPARE(cell(3), QString("...."));
    QCOMPARE(q.List6.item(4), QString(".."));
    QCOMPARE(q.season.record(1013), QString("3842")); // 12 is behind the stored jornada
    QCOMPARE(s.scripted.messages.shown.value(0).title, QString("Archivar Jornadas!!"));
    QVERIFY(!q.archivePending); // Cancel: nothing written
    QCOMPARE(readAll(s.path()), readAll(testing::samplePath("Edato13.txt")));
  }

  void storedJornadaRaised_data()
  {
    QTest::addColumn<int>("jornada");
    QTest::addColumn<QString>("record");
    QTest::newRow("20 over 18") << 20 << "2009";
    QTest::newRow("15 under 18") << 15 << "1809";
  }

  void storedJornadaRaised()
  {
    QFETCH(int, jornada);
    testing::TestSeason t(20, 22);
    t.setCurrentJornadas("1809");
    FormFixture f;
    QVERIFY(f.load(t));
    f.form->jornada = static_cast<int16_t>(jornada);
    f.form->showDivision();
    f.scripted.messages.answers = {MessageAnswer::Cancel};
    f.form->Text2_KeyPress(13);
    f.form->Text4.text = QString(20, '1');
    f.form->Text4_KeyPress(13);
    QTEST(f.form->season.record(1013), "record");
  }

  // Jornada 20 of 2012/13 taken out, typed back and archived: the real file again.
  void typedBackByteForByte()
  {
    QTemporaryDir dir;
    QList<QByteArray> lines = readAll(testing::samplePath("Edato13.txt")).split('\n');
    for (int k = 0; k < 484; ++k)
      if (lines[k].startsWith("\"20"))
        lines[k] = "\"....\"\r";
    const QString path = testing::writeAll(dir.filePath("Edato13.txt"), lines.join('\n'));
    const vaticor::CommandLineResult r = vaticor::runCommandLine(
        {path, "--jornada", "20", "jornada", "--resultados", "11113211053220212020", "--actuales", "3842"});
    QCOMPARE(r.error, QString());
    QCOMPARE(r.lines.mid(0, 5), (QStringList{"Archivar Jornadas!!", "Desea Archivar las Jornadas?",
                                             " Necesario para estar actualizado.", "Datos correctos!!",
                                             " Temporada salvada!"}));
    QCOMPARE(readAll(path), readAll(testing::samplePath("Edato13.txt")));
  }

  void archiveLines_data()
  {
    QTest::addColumn<QString>("jornadas");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("record");
    QTest::newRow("0000") << "0000" << " Temporada no salvada!" << "3842";
    QTest::newRow("3800: a half 00") << "3800" << " Temporada no salvada!" << "3842";
    QTest::newRow("38x2") << "38x2" << " Temporada no salvada!" << "3842";
    QTest::newRow("1005: 10 and 05") << "1005" << " Temporada salvada!" << "1005";
  }

  void archiveLines()
  {
    QFETCH(QString, jornadas);
    RealSeason s;
    s.enter(s.form->Text4.text, jornadas); // the results as they were
    s.enter(QString(), jornadas);
    QTEST(s.lastMessage(), "message");
    QTEST(s.form->season.record(1013), "record");
  }

  void refusedResults()
  {
    RealSeason s;
    s.moveTo(20);
    s.enter("x1" + QString(18, '1'), "3842");
    QCOMPARE(s.lastMessage(), QString(" El resultado del partido 1, «x1», no vale: escriba dos cifras (goles de casa y "
                                      "de fuera) o «..» si no se jugó."));
    QCOMPARE(readAll(s.path()), readAll(testing::samplePath("Edato13.txt")));
    QVERIFY(s.form->Frame10.visible); // the entry stays open to be corrected
  }

  // A write that fails leaves the file and the jornadas as they were.
  void failedWrite()
  {
    RealSeason s;
    s.form->season.setRecord(970, "ŁÓDŹ1");
    s.moveTo(20);
    s.enter(QString(20, '1'), "3842");
    QVERIFY(s.lastMessage().startsWith("No se ha guardado la temporada"));
    QCOMPARE(s.form->season.record(1013), QString("2042"));
    QCOMPARE(readAll(s.path()), readAll(testing::samplePath("Edato13.txt")));
  }

  void downloads_data()
  {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("message");
    const QByteArray season = readAll(testing::samplePath("Edato14.txt"));
    QTest::newRow("season") << 1 << 200 << season << "Actualización Realizada";
    QTest::newRow("store") << 2 << 200 << QByteArray("\"05\",\"V2V3V4V5V6V7V8V9V:V;ZAZBZCZDZE\"\r\n")
                           << "Actualización Realizada";
    QTest::newRow("4 characters") << 1 << 200 << QByteArray("abcd") << "Actualización NO Realizada";
    QTest::newRow("not found") << 1 << 404 << season << "Actualización NO Realizada";
    QTest::newRow("cut short") << 1 << 200 << season.left(6000) << "Actualización NO Realizada";
    QTest::newRow("an error page") << 2 << 200 << QByteArray("<html>error</html>") << "Actualización NO Realizada";
  }

  void downloads()
  {
    QFETCH(int, mode);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    RealSeason s;
    s.scripted.clock.date = QDate(2009, 9, 2);
    FixedReply http;
    http.reply = {true, status, body, QString()};
    s.form->services.http = &http;
    s.form->updateServer = "http://127.0.0.1:1/";
    s.form->Command6_Click(); // 2ª shown while the season arrives
    mode == 1 ? s.form->mnuActTI_Click() : s.form->mnuActGI_Click();
    const QString name = mode == 1 ? "Edato10.txt" : "gprono10.txt";
    QCOMPARE(http.urls, QStringList{"http://127.0.0.1:1/" + name});
    QTEST(s.lastMessage(), "message");
    const bool done = s.lastMessage() == "Actualización Realizada";
    QCOMPARE(QFile::exists(s.folder() + name), done);
    if (done)
      QCOMPARE(readAll(s.folder() + name), body + "\r\n");
    if (done && mode == 1) {
      QCOMPARE(s.form->seasonFilePath, s.folder() + name);
      QCOMPARE(s.form->division, int16_t(1));
      QCOMPARE(s.form->tablag.text(1, 1), QString(" ATLÉT")); // the 2013/14 season now
      QVERIFY(s.form->archivePending);
      QCOMPARE(s.form->Text4.text, QString("3842 Jorndas Actuales"));
    } else {
      QCOMPARE(s.form->tablag.text(1, 1), QString(" ELCHE")); // 2012/13's 2ª, untouched
    }
  }

  // The real HTTP transfer, against a server this test starts on 127.0.0.1.
  void realServer()
  {
    QTemporaryDir site;
    QFile::copy(testing::samplePath("Edato14.txt"), site.filePath("Edato14.txt"));
    QByteArray seventy;
    for (int k = 0; k < 70; ++k)
      seventy += "\"00\",\"" + QByteArray(30, ' ') + "\"\r\n";
    testing::writeAll(site.filePath("gprono14.txt"), seventy);
    testing::LocalServer server(site.path());
    QVERIFY2(!server.base().isEmpty(), "python3 is needed to serve the files");

    RealSeason s;
    s.scripted.clock.date = QDate(2013, 10, 1);
    ui::QtHttp http;
    s.form->services.http = &http;
    s.form->updateServer = server.base();
    for (int mode : {2, 1}) {
      const int before = s.scripted.messages.shown.size();
      mode == 1 ? s.form->mnuActTI_Click() : s.form->mnuActGI_Click();
      QTRY_COMPARE_WITH_TIMEOUT(s.scripted.messages.shown.size(), before + 1, 10000);
    }
    // The store was not a store (70 lines): refused; the season came and opened its jornadas line.
    QCOMPARE(s.scripted.messages.shown[0].text, QString("Actualización NO Realizada"));
    QVERIFY(!QFile::exists(s.folder() + "gprono14.txt"));
    QCOMPARE(s.scripted.messages.shown[1].text, QString("Actualización Realizada"));
    QCOMPARE(readAll(s.folder() + "Edato14.txt"), readAll(testing::samplePath("Edato14.txt")) + "\r\n");
    QVERIFY(s.form->archivePending);
    // A file the server does not have changes nothing.
    QFile::remove(site.filePath("Edato14.txt"));
    s.form->mnuActTI_Click();
    QTRY_COMPARE_WITH_TIMEOUT(s.scripted.messages.shown.size(), 3, 10000);
    QCOMPARE(s.scripted.messages.shown[2].text, QString("Actualización NO Realizada"));
    QCOMPARE(readAll(s.folder() + "Edato14.txt"), readAll(testing::samplePath("Edato14.txt")) + "\r\n");
  }
};

QTEST_GUILESS_MAIN(TestResults)
#include "test_results.moc"
