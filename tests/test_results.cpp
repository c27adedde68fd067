// The season grows: the jornada keys, the results typed in and archived, the
// file rewritten byte for byte, and downloads, from a scripted reply and from
// a real HTTP server on this machine. A failed step never harms the file.
#include "TestSeasons.h"
#include "cli/CommandLine.h"
#include "season/SeasonFile.h"
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
    // An update server of the user's (Vaticor.ini); none is set by default.
    form->updateServer = "http://127.0.0.1:1/";
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
    QVERIFY(s.lastMessage().startsWith(" Temporada no salvada!\r\nNo se ha guardado la temporada"));
    QCOMPARE(s.form->season.record(1013), QString("2042"));
    QCOMPARE(readAll(s.path()), readAll(testing::samplePath("Edato13.txt")));
  }

  // The entry stores results only on the matches it shows.
  void entryFollowsTheJornadaBox()
  {
    RealSeason s;
    s.moveTo(1);
    vaticor::Qmodelop &q = *s.form;
    q.Text1.text = "2"; // typed in the box; the list still shows jornada 1
    s.scripted.messages.answers = {MessageAnswer::Cancel};
    q.Text2_KeyPress(13);
    QVERIFY(q.entryOpen);
    QCOMPARE(int(q.shownJornada), 2);
    const QString firstLine = q.List1.item(2);
    const int h = q.teamNumberOf(firstLine.mid(3, 5)), a = q.teamNumberOf(firstLine.mid(9, 5));
    QCOMPARE(q.season.cell(1, h, a).left(2), QString("02")); // jornada 2's first match
    q.Text4.text = "55" + q.Text4.text.mid(2);
    q.Text4_KeyPress(13);
    QCOMPARE(q.season.cell(1, h, a), QString("0255"));
  }

  void entryRefused_data()
  {
    QTest::addColumn<QString>("box");     // the jornada box when Enter stores
    QTest::addColumn<QString>("typed");   // the results line
    QTest::addColumn<QString>("message"); // its beginning
    QTest::newRow("box moved on") << "21" << QString(20, '1') << " La lista muestra los partidos de la jornada 20 y la casilla dice 21.";
    QTest::newRow("box emptied") << "" << QString(20, '1') << " La casilla de la jornada dice «»: escriba una jornada de 1 a 38.";
    QTest::newRow("box past the season") << "39" << QString(20, '1') << " La casilla de la jornada dice «39»";
    QTest::newRow("results short") << "20" << "1111" << " Faltan resultados: se esperan 20 caracteres, dos por partido";
  }

  // Nothing typed is dropped without a word: the entry stays open with it.
  void entryRefused()
  {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    RealSeason s;
    s.moveTo(20);
    vaticor::Qmodelop &q = *s.form;
    const season::Season before = q.season;
    q.Text2_KeyPress(13);
    q.Text1.text = box;
    q.Text4.text = typed;
    q.Text4_KeyPress(13);
    QFETCH(QString, message);
    QVERIFY2(s.lastMessage().startsWith(message), qPrintable(s.lastMessage()));
    QVERIFY(q.entryOpen && q.Frame10.visible);
    QCOMPARE(q.Text4.text, typed);
    QCOMPARE(testing::seasonBytes(q.season), testing::seasonBytes(before));
    QVERIFY(q.operationFailed);
  }

  // A new season at "00", or a box outside the season: Enter says what to do.
  void entryNeedsAJornada_data()
  {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("box");
    QTest::newRow("new season at 00") << "0000" << "";
    QTest::newRow("box 00") << "0505" << "00";
    QTest::newRow("box past the season") << "0505" << "40";
  }

  void entryNeedsAJornada()
  {
    QFETCH(QString, stored);
    QFETCH(QString, box);
    testing::TestSeason t(20, 22);
    t.setCurrentJornadas(stored);
    FormFixture f;
    QVERIFY(f.load(t));
    if (!box.isEmpty())
      f.form->Text1.text = box;
    QCOMPARE(f.form->Text1.text.left(2), box.isEmpty() ? QString("00") : box);
    f.form->Text2_KeyPress(13);
    QVERIFY(!f.form->entryOpen && !f.form->Frame10.visible);
    QCOMPARE(f.scripted.messages.shown.value(0).text,
             QString(" Escriba primero en la casilla de la jornada la jornada que desea actualizar (de 1 a 38),\r\n"
                     " o llegue a ella con + y - en la casilla negra; después pulse ENTER."));
  }

  void archiveChecks_data()
  {
    QTest::addColumn<int>("teams2");
    QTest::addColumn<QString>("jornadas");
    QTest::addColumn<QString>("message");
    QTest::newRow("no 2ª: 00 saves") << 0 << "0500" << " Temporada salvada!";
    QTest::newRow("no 2ª: 01 refused") << 0 << "0501"
                                      << " Temporada no salvada!\r\n La 2ª División no tiene equipos: su jornada es 00.";
    QTest::newRow("99 past 38") << 0 << "9900"
                               << " Temporada no salvada!\r\n La 1ª División tiene 38 jornadas: 99 no vale.";
    QTest::newRow("43 past 42 of 2ª") << 22 << "0543"
                                     << " Temporada no salvada!\r\n La 2ª División tiene 42 jornadas: 43 no vale.";
    QTest::newRow("last jornadas") << 22 << "3842" << " Temporada salvada!";
  }

  void archiveChecks()
  {
    QFETCH(int, teams2);
    QFETCH(QString, jornadas);
    testing::TestSeason t(20, teams2);
    t.setCurrentJornadas(teams2 ? "0505" : "0500");
    FormFixture f;
    QVERIFY(f.load(t));
    const QByteArray before = readAll(f.folder() + "Edato14.txt");
    f.form->jornada = 5;
    f.form->showDivision();
    f.form->Text2_KeyPress(13);
    f.form->Text4.text = QString(20, '1');
    f.form->Text4_KeyPress(13); // stored; OK to the archive question
    f.form->Text4.text = jornadas;
    f.form->Text4_KeyPress(13);
    QTEST(f.scripted.messages.shown.last().text, "message");
    const bool saved = f.scripted.messages.shown.last().text == " Temporada salvada!";
    QCOMPARE(readAll(f.folder() + "Edato14.txt") == before, !saved);
    QCOMPARE(f.form->resultsUnsaved, !saved);
    if (saved) { // and it reads back
      QString error;
      QVERIFY2(season::readSeasonFile(f.folder() + "Edato14.txt", &error), qPrintable(error));
    }
  }

  // The general standings show the saved results at once.
  void standingsAfterSave()
  {
    testing::TestSeason t(4, 4);
    FormFixture f;
    QVERIFY(f.load(t));
    f.form->jornada = 1;
    f.form->showDivision();
    QCOMPARE(f.form->tablag.text(1, 2).left(2), QString(" 0"));
    f.form->Text2_KeyPress(13);
    f.form->Text4.text = "3021";
    f.form->Text4_KeyPress(13);
    f.form->Text4.text = "0101";
    f.form->Text4_KeyPress(13);
    QCOMPARE(f.scripted.messages.shown.last().text, QString(" Temporada salvada!"));
    QCOMPARE(f.form->tablag.text(1, 2).left(2), QString(" 3"));
    QCOMPARE(f.form->tablag.text(2, 2).left(2), QString(" 3"));
    QCOMPARE(f.form->tablag.text(4, 2).left(2), QString(" 0"));
  }

  // A disk that fills up while the season is saved: the file stays byte for
  // byte, memory keeps the typed results to be saved again, the user is told
  // which file and why.
  void fullDisk()
  {
    RealSeason s;
    s.moveTo(20);
    vaticor::Qmodelop &q = *s.form;
    q.Text2_KeyPress(13);
    q.Text4.text = QString(20, '1');
    q.Text4_KeyPress(13);
    q.Text4.text = "3842";
    {
      testing::FileSizeLimit full(4096);
      q.Text4_KeyPress(13);
    }
    QVERIFY2(s.lastMessage().startsWith(" Temporada no salvada!\r\nError al escribir el archivo " + s.path() + ": "),
             qPrintable(s.lastMessage()));
    QCOMPARE(readAll(s.path()), readAll(testing::samplePath("Edato13.txt")));
    QVERIFY(q.resultsUnsaved);
    QCOMPARE(q.season.record(1013), QString("2042")); // as before the jornadas line was typed
    // No temporary file is left; the lock stays while the results are unsaved.
    QCOMPARE(QDir(s.folder()).entryList({"Edato13.txt*"}, QDir::Files | QDir::Hidden),
             (QStringList{"Edato13.txt", "Edato13.txt.lock"}));
  }

  void unsavedResultsAsked_data()
  {
    QTest::addColumn<QString>("road");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("goesOn"); // the load or the exit happens
    QTest::newRow("load, Guardar") << "load" << MessageAnswer::Yes << true << true;
    QTest::newRow("load, Descartar") << "load" << MessageAnswer::No << false << true;
    QTest::newRow("load, Cancelar") << "load" << MessageAnswer::Cancel << false << false;
    QTest::newRow("exit, Guardar") << "exit" << MessageAnswer::Yes << true << true;
    QTest::newRow("exit, Cancelar") << "exit" << MessageAnswer::Cancel << false << false;
    QTest::newRow("download, Cancelar") << "download" << MessageAnswer::Cancel << false << false;
  }

  void unsavedResultsAsked()
  {
    QFETCH(QString, road);
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, saved);
    QFETCH(bool, goesOn);
    RealSeason s;
    QFile::copy(testing::samplePath("Edato14.txt"), s.folder() + "Edato14.txt");
    s.moveTo(20);
    vaticor::Qmodelop &q = *s.form;
    s.scripted.messages.answers = {MessageAnswer::Cancel}; // no archive now
    q.Text2_KeyPress(13);
    q.Text4.text = QString(20, '1');
    q.Text4_KeyPress(13);
    QVERIFY(q.resultsUnsaved);
    s.scripted.messages.answers = {answer, MessageAnswer::Ok};
    s.scripted.fileDialog.choices = {s.folder() + "Edato14.txt"};
    FixedReply http;
    http.reply = {true, 404, QByteArray(), QString()};
    q.services.http = &http;
    const int before = s.scripted.messages.shown.size();
    if (road == "load")
      q.mnuaCargar_Click();
    else if (road == "exit")
      q.mnuSalir_Click();
    else
      q.mnuActTI_Click();
    const controls::RecordedMessage asked = s.scripted.messages.shown.value(before);
    QCOMPARE(asked.title, QString("Resultados sin guardar"));
    QCOMPARE(asked.buttons, controls::MessageButtons::SaveDiscardCancel);
    QVERIFY(asked.text.startsWith("Hay resultados escritos que no se han guardado en " + s.path()));
    QCOMPARE(readAll(s.path()) != readAll(testing::samplePath("Edato13.txt")), saved);
    if (road == "load")
      QCOMPARE(q.seasonFilePath == s.folder() + "Edato14.txt", goesOn);
    if (road == "exit")
      QCOMPARE(q.endRequested, goesOn);
    if (road == "download")
      QVERIFY(http.urls.isEmpty());
    QCOMPARE(q.resultsUnsaved, !goesOn);
  }

  // With no update server set, "Jornada-Internet" brings the season from the
  // openfootball site, the source there is; "Pronóstico-Internet" has no such
  // source and says where a server is set.
  void noUpdateServer()
  {
    RealSeason s;
    s.form->updateServer.clear();
    s.scripted.clock.date = QDate(2025, 11, 20);
    s.form->openfootballBase = "http://127.0.0.1:1/espana/";
    FixedReply http;
    http.reply = {false, 0, QByteArray(), "No se pudo conectar con 127.0.0.1 (conexión rechazada)"};
    s.form->services.http = &http;
    s.form->mnuActTI_Click();
    QCOMPARE(http.urls, QStringList{"http://127.0.0.1:1/espana/2025-26/1-liga.txt"});
    QCOMPARE(s.lastMessage(), QString("Actualización NO Realizada\r\n1-liga.txt: No se pudo conectar con 127.0.0.1 "
                                      "(conexión rechazada)"));
    QVERIFY(!s.form->downloading);
    s.form->mnuActGI_Click();
    QCOMPARE(http.urls.size(), 1);
    QCOMPARE(s.lastMessage(), QString("No hay ningún servidor de actualizaciones del que traer los pronósticos.\r\n"
                                      "Se indica en Vaticor.ini, en el grupo [internet]: actualizaciones=https://..."));
    QVERIFY(!QFile::exists(s.folder() + "gprono26.txt"));
  }

  // Downloads ask before they replace a file the player has.
  void downloadAsksFirst_data()
  {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("question");
    QTest::newRow("season") << 1 << "Edato10.txt" << "La descarga reemplazará la temporada guardada en ";
    QTest::newRow("forecasts") << 2 << "gprono10.txt" << "La descarga reemplazará los pronósticos guardados en ";
  }

  void downloadAsksFirst()
  {
    QFETCH(int, mode);
    QFETCH(QString, file);
    RealSeason s;
    s.scripted.clock.date = QDate(2009, 9, 2);
    testing::writeAll(s.folder() + file, "mine");
    FixedReply http;
    http.reply = {true, 200, readAll(testing::samplePath("Edato14.txt")), QString()};
    s.form->services.http = &http;
    s.scripted.messages.answers = {MessageAnswer::Cancel};
    mode == 1 ? s.form->mnuActTI_Click() : s.form->mnuActGI_Click();
    QFETCH(QString, question);
    QCOMPARE(s.scripted.messages.shown.value(0).text, question + s.folder() + file + ".\r\n¿Desea continuar?");
    QVERIFY(http.urls.isEmpty());
    QCOMPARE(readAll(s.folder() + file), QByteArray("mine"));
  }

  // A second copy of the program does not write a season open for entry here.
  void secondCopy()
  {
    RealSeason s;
    s.moveTo(20);
    s.form->Text2_KeyPress(13);
    QVERIFY(s.form->entryOpen);
    // The other copy: the companion entering the same jornada.
    QProcess other;
    other.start(VATICOR_CLI, {s.path(), "--jornada", "20", "jornada", "--resultados", QString(20, '1'), "--actuales", "3842"});
    QVERIFY(other.waitForFinished(20000));
    QVERIFY(other.exitCode() != 0);
    QVERIFY2(other.readAllStandardOutput().contains("está abierta para actualizar en otra copia de Vaticor"),
             "the other copy is told why");
    QCOMPARE(readAll(s.path()), readAll(testing::samplePath("Edato13.txt")));
    // Once this copy has saved, the other may write.
    s.form->Text4.text = s.form->Text4.text; // the results as they were
    s.form->Text4_KeyPress(13);
    s.form->Text4.text = "3842";
    s.form->Text4_KeyPress(13);
    QCOMPARE(s.lastMessage(), QString(" Temporada salvada!"));
    other.start(VATICOR_CLI, {s.path(), "--jornada", "20", "jornada", "--resultados", "11113211053220212020", "--actuales", "3842"});
    QVERIFY(other.waitForFinished(20000));
    QCOMPARE(other.exitCode(), 0);
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

  // A program folder that cannot be written: what the program writes goes
  // to the user's data folder, it says so once, and the bundled seasons,
  // name table and manual are still read from the program's folder.
  void readOnlyInstall()
  {
    QTemporaryDir program, home;
    QFile::copy(testing::samplePath("Edato13.txt"), program.filePath("Edato27.txt")); // the season of today
    QFile::copy(testing::samplePath("nombres.csv"), program.filePath("nombres.csv"));
    const QString data = home.filePath("datos/Vaticor") + '/';
    controls::ScriptedServices scripted;
    scripted.fileInfo.readOnly = {program.path() + '/'};
    scripted.fileInfo.dataFolder = data;
    vaticor::Qmodelop q(scripted.services());
    q.programFolderOverride = program.path();
    q.layOutForm();
    QCOMPARE(q.workDir, data);
    QCOMPARE(q.programDir, program.path() + '/');
    q.startupLoad();
    QCOMPARE(scripted.messages.shown.value(0).text,
             "La carpeta del programa, " + program.path() + "/, no se puede escribir.\r\nLas temporadas, los "
             "pronósticos, los informes y los ajustes se guardan en " + data + ".");
    QCOMPARE(q.seasonFilePath, program.filePath("Edato27.txt"));
    QCOMPARE(q.readableFile("nombres.csv"), program.filePath("nombres.csv"));
    // A jornada saved: the user's copy in the data folder, the bundled one untouched.
    q.jornada = 20;
    q.recomputeStandings = false;
    q.showDivision();
    q.Text2_KeyPress(13);
    q.Text4.text = "11113211053220212020";
    q.Text4_KeyPress(13);
    q.Text4.text = "3842";
    q.Text4_KeyPress(13);
    QCOMPARE(scripted.messages.shown.last().text, QString(" Temporada salvada!"));
    QCOMPARE(scripted.messages.shown.value(scripted.messages.shown.size() - 2).text,
             "La temporada se ha guardado en " + data + "Edato27.txt.");
    QCOMPARE(q.seasonFilePath, data + "Edato27.txt");
    QCOMPARE(readAll(data + "Edato27.txt"), readAll(testing::samplePath("Edato13.txt")));
    QCOMPARE(readAll(program.filePath("Edato27.txt")), readAll(testing::samplePath("Edato13.txt")));
    // The user's copy is the one read from now on; the notice is not given again.
    vaticor::Qmodelop again(scripted.services());
    again.programFolderOverride = program.path();
    again.layOutForm();
    QVERIFY(again.dataFolderNotice.isEmpty());
    QCOMPARE(again.readableFile("Edato27.txt"), data + "Edato27.txt");
  }

  // Real servers compress, and a wrong server may send far too much: a gzip
  // reply is taken whole, a reply past the cap is no update.
  void compressedAndOversizedReplies()
  {
    QTemporaryDir site;
    QFile::copy(testing::samplePath("Edato14.txt"), site.filePath("Edato14.txt"));
    testing::writeAll(site.filePath("huge.txt"), QByteArray(3 * 1024 * 1024, 'x'));
    testing::LocalServer server(site.path());
    QVERIFY2(!server.base().isEmpty(), "python3 is needed to serve the files");
    ui::QtHttp http;
    const auto fetch = [&](const QString &path) -> controls::HttpReply {
      std::optional<controls::HttpReply> got;
      http.get(server.base() + path, [&](const controls::HttpReply &r) { got = r; });
      for (int i = 0; i < 200 && !got; ++i)
        QTest::qWait(50);
      return got.value_or(controls::HttpReply{false, 0, {}, QStringLiteral("sin respuesta")});
    };
    const controls::HttpReply gz = fetch("Edato14.txt?gzip");
    QVERIFY2(gz.completed, qPrintable(gz.error));
    QCOMPARE(gz.body, readAll(testing::samplePath("Edato14.txt")));
    const controls::HttpReply huge = fetch("huge.txt");
    QVERIFY(!huge.completed);
    QVERIFY(huge.body.isEmpty());
    QCOMPARE(huge.error, QString("la respuesta pasa de 2 MB"));
  }

  // A second download while one runs is refused; the first goes on.
  void oneDownloadAtATime()
  {
    RealSeason s;
    s.scripted.clock.date = QDate(2009, 9, 2);
    class Pending : public controls::HttpService {
    public:
      void get(const QString &url, std::function<void(const controls::HttpReply &)> d) override
      {
        urls.append(url);
        done = d;
      }
      QStringList urls;
      std::function<void(const controls::HttpReply &)> done;
    } http;
    s.form->services.http = &http;
    s.form->mnuActGI_Click();
    s.form->mnuActTI_Click();
    s.form->mnuActualizarTemporada_Click();
    QCOMPARE(http.urls.size(), 1);
    QCOMPARE(s.scripted.messages.shown.size(), 2);
    QCOMPARE(s.lastMessage(), QString("Ya hay una descarga en curso: espere a que termine."));
    http.done({true, 200, QByteArray("\"05\",\"V2V3V4V5V6V7V8V9V:V;ZAZBZCZDZE\"\r\n"), QString()});
    QCOMPARE(s.lastMessage(), QString("Actualización Realizada"));
    QVERIFY(!s.form->downloading);
  }

  // A reply that comes after the window has gone calls nothing.
  void replyAfterTheForm()
  {
    std::function<void(const controls::HttpReply &)> late;
    class Keeper : public controls::HttpService {
    public:
      explicit Keeper(std::function<void(const controls::HttpReply &)> &k) : keep(k) {}
      void get(const QString &, std::function<void(const controls::HttpReply &)> d) override { keep = d; }
      std::function<void(const controls::HttpReply &)> &keep;
    } http(late);
    {
      RealSeason s;
      s.form->services.http = &http;
      s.form->mnuActGI_Click();
    }
    QVERIFY(late);
    late({true, 200, QByteArray("\"05\",\"V2V3V4V5V6V7V8V9V:V;ZAZBZCZDZE\"\r\n"), QString()}); // no crash, nothing done
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
    // A file the server does not have changes nothing (the user was asked
    // before the season of that name could be replaced).
    QFile::remove(site.filePath("Edato14.txt"));
    s.form->mnuActTI_Click();
    QTRY_COMPARE_WITH_TIMEOUT(s.scripted.messages.shown.size(), 4, 10000);
    QVERIFY(s.scripted.messages.shown[2].text.startsWith("La descarga reemplazará la temporada guardada en "));
    QCOMPARE(s.scripted.messages.shown[3].text, QString("Actualización NO Realizada"));
    QCOMPARE(readAll(s.folder() + "Edato14.txt"), readAll(testing::samplePath("Edato14.txt")) + "\r\n");
  }
};

QTEST_GUILESS_MAIN(TestResults)
#include "test_results.moc"
