// Seasons from the openfootball league files: the real seasons byte for byte,
// both line forms, the 2ª vuelta of its own, seasons in progress or not yet
// begun, every refusal with the disk untouched, and the update from the
// internet against a server on this machine.
#include "TestSeasons.h"
#include "engine/SeasonImport.h"
#include "season/SeasonFile.h"
#include "ui/QtHttp.h"

#include <QtTest>

using namespace engine;
using testing::readAll;

namespace {

QString league(const QString &season, int division)
{
  return testing::samplePath(QStringLiteral("openfootball/%1/%2").arg(season, division == 1 ? "1-liga.txt" : "2-liga2.txt"));
}

QString names() { return testing::samplePath("nombres.csv"); }

std::optional<ImportedSeason> importSeasonOf(const QString &season, bool second = true, QString *error = nullptr)
{
  return importFiles(league(season, 1), second ? league(season, 2) : QString(), names(), error);
}

// A short 1ª División of four clubs, both rounds, as a test writes it.
QString fourClubs(const QStringList &extraLines = {})
{
  QStringList lines = {"= Spain Primera División 2030/31", "# a test season", "", "▪ Matchday 1", "  Sat Aug 16",
                       "    17:00  Real Madrid CF  v FC Barcelona   12-1 (6-0)", "           Sevilla FC  v Valencia CF",
                       "▪ Matchday 2", "  Real Madrid CF   0-0  Sevilla FC", "  Valencia CF   2-3 (1-1)  FC Barcelona",
                       "▪ Matchday 3", "  Real Madrid CF v Valencia CF  1-0 [awarded]", "  FC Barcelona v Sevilla FC",
                       "▪ 4. Round", "  FC Barcelona v Real Madrid CF", "  Valencia CF v Sevilla FC",
                       "▪ Jornada 5", "  Sevilla FC v Real Madrid CF", "  FC Barcelona v Valencia CF",
                       "▪ Matchday 6", "  Valencia CF v Real Madrid CF", "  Sevilla FC v FC Barcelona"};
  return (lines + extraLines).join('\n');
}

} // namespace

class TestImport : public QObject {
  Q_OBJECT

private slots:
  void realSeasons_data()
  {
    QTest::addColumn<QString>("season");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("second");
    QTest::newRow("2012-13") << "2012-13" << testing::samplePath("Edato13.txt") << true;
    QTest::newRow("2013-14") << "2013-14" << testing::samplePath("Edato14.txt") << true;
    QTest::newRow("2022-23, score between the names") << "2022-23" << testing::samplePath("Edato23.txt") << true;
    // The other seasons bundled, so the model has a past without the internet.
    QTest::newRow("2019-20") << "2019-20" << testing::samplePath("Edato20.txt") << true;
    QTest::newRow("2024-25, 2ª with matches not played") << "2024-25" << testing::samplePath("Edato25.txt") << true;
    QTest::newRow("2025-26, 2ª in progress") << "2025-26" << testing::samplePath("Edato26.txt") << true;
    QTest::newRow("2026-27, 1ª fixtures only") << "2026-27" << testing::samplePath("Edato27.txt") << false;
  }

  void realSeasons()
  {
    QFETCH(QString, season);
    QFETCH(QString, file);
    QFETCH(bool, second);
    QString error;
    const auto imported = importSeasonOf(season, second, &error);
    QVERIFY2(imported, qPrintable(error));
    QCOMPARE(testing::seasonBytes(imported->season), readAll(file));
    QVERIFY(imported->warnings.isEmpty());
  }

  // Since 2019/20 the 2ª vuelta is a calendar of its own: jornada 30 is round
  // 30 of the file (Granada-Villarreal first), not jornada 11 exchanged; a
  // season that mirrors shows jornada 30 as jornada 11 exchanged.
  void secondRound()
  {
    const auto own = importSeasonOf("2019-20");
    QVERIFY(own && own->secondRoundLine);
    const season::Season &s = own->season;
    const auto first = s.fixture(1, 30)[0];
    QCOMPARE(s.name(1, first.home) + '-' + s.name(1, first.away), QString("GRANA-VILLA"));
    const auto eleven = s.fixture(1, 11)[0];
    QVERIFY(first.home != eleven.away || first.away != eleven.home);
    const auto mirror = importSeasonOf("2012-13");
    QVERIFY(mirror && !mirror->secondRoundLine);
    const auto a = mirror->season.fixture(1, 30), b = mirror->season.fixture(1, 11);
    for (size_t i = 0; i < a.size(); ++i)
      QVERIFY(a[i].home == b[i].away && a[i].away == b[i].home);
  }

  void seasonsInProgress()
  {
    const auto running = importSeasonOf("2025-26");
    QVERIFY(running);
    QCOMPARE(running->season.record(1013), QString("3812"));
    QCOMPARE(running->divisions[1].played, 131);
    const auto fixtures = importSeasonOf("2026-27", false);
    QVERIFY(fixtures);
    QCOMPARE(fixtures->season.record(1013) + fixtures->season.record(1014), QString("00002000"));
    // The window shows its calendar and empty standings; 2ª División has no teams.
    testing::FormFixture f;
    QVERIFY(f.load(testing::TestSeason(), "Edato14.txt"));
    const QString path = f.folder() + "Edato27.txt";
    QCOMPARE(season::writeSeasonFile(path, fixtures->season), QString());
    QVERIFY(f.loadFile(path));
    QCOMPARE(f.form->List1.item(2), QString(" 1 ATLÉT-MÁLAG."));
    QCOMPARE(f.form->tablag.text(1, 2), QString(" 0   0"));
    f.form->Command6_Click();
    QCOMPARE(f.form->List1.count(), 2);
    QCOMPARE(f.form->tablag.rows(), 1);
  }

  // Both line forms, a time, a half-time score, "[awarded]", fixtures without a
  // score, split round headers, and a score above 9 kept as 9 with a warning.
  void lineForms()
  {
    const auto table = NameTable::read(names(), nullptr);
    QString error;
    const auto file = readLeagueFile(fourClubs(), "1-liga.txt", &error);
    QVERIFY2(file, qPrintable(error));
    QCOMPARE(file->seasonDigits, 31);
    QCOMPARE(file->matches.size(), 12);
    const auto imported = importSeason(*file, nullptr, *table, &error);
    QVERIFY2(imported, qPrintable(error));
    const season::Season &s = imported->season;
    // BARÇA 1, R.MAD 2, SEVIL 3, VALEN 4.
    QCOMPARE(QStringList({s.name(1, 1), s.name(1, 2), s.name(1, 3), s.name(1, 4)}),
             QStringList({"BARÇA", "R.MAD", "SEVIL", "VALEN"}));
    QCOMPARE(s.cell(1, 2, 1), QString("0191"));
    QCOMPARE(s.cell(1, 2, 3), QString("0200"));
    QCOMPARE(s.cell(1, 4, 1), QString("0223"));
    QCOMPARE(s.cell(1, 2, 4), QString("0310")); // awarded: played
    QCOMPARE(s.cell(1, 3, 4), QString("...."));
    QCOMPARE(s.record(1013), QString("0300"));
    QCOMPARE(imported->warnings, QStringList{"R.MAD - BARÇA (jornada 1, 1ª División): 12-1 se guarda como 9-1."});
    QCOMPARE(s.calendar(1).left(24), QString("020103040203040102040103"));
  }

  void nameTableRefusals_data()
  {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("message");
    QTest::newRow("a quote in the name") << "FC Barcelona;BARÇA\nReal \"Madrid\";R\"MAD"
                                         << "Tabla de nombres, línea 2: el nombre «R\"MAD» lleva comillas (\"), que el "
                                            "archivo de la temporada no puede guardar.";
    QTest::newRow("four characters") << "FC Barcelona;BARÇ"
                                     << "Tabla de nombres, línea 1: «FC Barcelona;BARÇ» debe ser «nombre del club;NOMBR», "
                                        "con un nombre de cinco caracteres.";
    QTest::newRow("a dash") << "# comment\nReal Madrid CF;R-MAD"
                            << "Tabla de nombres, línea 2: «Real Madrid CF;R-MAD» debe ser «nombre del club;NOMBR», con "
                               "un nombre de cinco caracteres.";
  }

  void nameTableRefusals()
  {
    QFETCH(QString, table);
    QString error;
    QVERIFY(!NameTable::parse(table, &error));
    QTEST(error, "message");
  }

  // A file far larger than any league file is refused before it is read whole.
  void oversizedFiles()
  {
    QTemporaryDir dir;
    const QString big = testing::writeAll(dir.filePath("1-liga.txt"), QByteArray(2 * 1024 * 1024 + 1, '\n'));
    QString error;
    QVERIFY(!engine::importFiles(big, QString(), names(), &error));
    QCOMPARE(error, big + " pasa de 2 MB: no es un archivo de resultados.");
    testing::writeAll(dir.filePath("nombres.csv"), QByteArray(2 * 1024 * 1024 + 1, '#'));
    QVERIFY(!NameTable::read(dir.filePath("nombres.csv"), &error));
    QCOMPARE(error, "Tabla de nombres: " + dir.filePath("nombres.csv") + " pasa de 2 MB: no es un archivo de resultados.");
  }

  void refusals_data()
  {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown club") << fourClubs({"▪ Matchday 6", "  Getafe CF Club v Levante Club"})
                                  << "Estos clubes no están en la tabla de nombres:\n  Getafe CF Club\n  Levante Club\n";
    QStringList short4 = fourClubs().split('\n');
    short4.removeAt(15); // the second match of round 4
    QTest::newRow("a round with a match missing")
        << short4.join('\n') << "La jornada 4 de la 1ª División (1-liga.txt) tiene 1 partidos; deben ser 2.";
    QTest::newRow("a line that does not read")
        << fourClubs({"  FC Barcelona v Sevilla FC  2-1 a.e.t."})
        << "1-liga.txt, línea 23: no se entiende el partido: los equipos o el resultado no están en su sitio.";
    QTest::newRow("a pairing twice") << fourClubs({"▪ Matchday 6", "  Real Madrid CF v FC Barcelona", "  Sevilla FC v Valencia CF"})
                                     << "La jornada 6 de la 1ª División (1-liga.txt) tiene 4 partidos; deben ser 2.";
  }

  // A refused source leaves the disk and the season shown as they were.
  void refusals()
  {
    QFETCH(QString, text);
    QFETCH(QString, message);
    testing::FormFixture f;
    QFile::copy(names(), f.folder() + "nombres.csv");
    QVERIFY(f.loadFile(testing::samplePath("Edato14.txt")));
    QVERIFY(!f.form->importLeagueTexts(text, "1-liga.txt", QString(), QString()));
    QVERIFY2(f.scripted.messages.shown.last().text.startsWith(message), qPrintable(f.scripted.messages.shown.last().text));
    QVERIFY(!QFile::exists(f.folder() + "Edato31.txt"));
    QCOMPARE(f.form->tablag.text(1, 1), QString(" ATLÉT"));
  }

  // The menu road: two files chosen, the season written, asked before it is
  // replaced, and loaded.
  void importFromTheMenu()
  {
    testing::FormFixture f;
    QFile::copy(names(), f.folder() + "nombres.csv");
    f.scripted.fileDialog.choices = {league("2013-14", 1), league("2013-14", 2)};
    f.form->mnuImportar_Click();
    QCOMPARE(readAll(f.folder() + "Edato14.txt"), readAll(testing::samplePath("Edato14.txt")));
    QCOMPARE(f.form->tablag.text(1, 1), QString(" ATLÉT"));
    QVERIFY(f.scripted.messages.shown.last().text.startsWith("Temporada importada en Edato14.txt"));
    f.scripted.fileDialog.choices = {league("2013-14", 1), QString()};
    f.scripted.messages.answers = {controls::MessageAnswer::No};
    f.form->mnuImportar_Click(); // only 1ª now: refused to replace
    QCOMPARE(readAll(f.folder() + "Edato14.txt"), readAll(testing::samplePath("Edato14.txt")));
  }

  void internetUpdate_data()
  {
    QTest::addColumn<QString>("served"); // what the server has of 2025-26
    QTest::addColumn<bool>("done");
    QTest::addColumn<bool>("jornadaInternet"); // the menu "Jornada-Internet", no update server set
    QTest::newRow("both files") << "both" << true << false;
    QTest::newRow("no 2ª División file") << "first" << true << false;
    QTest::newRow("no 1ª División file: 404") << "second" << false << false;
    QTest::newRow("cut short") << "cut" << false << false;
    QTest::newRow("not a league file") << "html" << false << false;
    QTest::newRow("Jornada-Internet without an update server") << "both" << true << true;
  }

  void internetUpdate()
  {
    QFETCH(QString, served);
    QFETCH(bool, done);
    QTemporaryDir site;
    QDir(site.path()).mkpath("espana/2025-26");
    const QString folder = site.path() + "/espana/2025-26/";
    const QByteArray first = readAll(league("2025-26", 1));
    if (served == "both" || served == "first")
      testing::writeAll(folder + "1-liga.txt", first);
    if (served == "both" || served == "second")
      testing::writeAll(folder + "2-liga2.txt", readAll(league("2025-26", 2)));
    if (served == "cut")
      testing::writeAll(folder + "1-liga.txt", first.left(first.size() / 2));
    if (served == "html")
      testing::writeAll(folder + "1-liga.txt", "<html><body>Not here</body></html>");
    testing::LocalServer server(site.path());
    QVERIFY2(!server.base().isEmpty(), "python3 is needed to serve the files");

    testing::FormFixture f;
    QFile::copy(names(), f.folder() + "nombres.csv");
    QVERIFY(f.loadFile(testing::samplePath("Edato14.txt")));
    f.scripted.clock.date = QDate(2025, 11, 20);
    ui::QtHttp http;
    f.form->services.http = &http;
    f.form->openfootballBase = server.base() + "espana/";
    const int before = f.scripted.messages.shown.size();
    QFETCH(bool, jornadaInternet);
    if (jornadaInternet)
      f.form->mnuActTI_Click();
    else
      f.form->mnuActualizarTemporada_Click();
    QTRY_VERIFY_WITH_TIMEOUT(f.scripted.messages.shown.size() > before, 10000);
    QCOMPARE(QFile::exists(f.folder() + "Edato26.txt"), done);
    if (done) {
      QCOMPARE(f.form->seasonFilePath, f.folder() + "Edato26.txt");
      QCOMPARE(f.form->season.record(1014), QString(served == "both" ? "2022" : "2000"));
    } else {
      QCOMPARE(f.form->tablag.text(1, 1), QString(" ATLÉT")); // 2013/14 still shown
    }
  }

  // "Importar temporadas anteriores": the seasons the site has are fetched,
  // imported byte for byte as the bundled ones, those already beside the
  // program left alone, those the site lacks named; a Cancel stops it.
  void pastSeasons()
  {
    QTemporaryDir site;
    for (const char *season : {"2012-13", "2019-20"}) {
      QDir(site.path()).mkpath(QString("espana/") + season);
      for (int d = 1; d <= 2; ++d)
        QFile::copy(league(season, d), site.path() + "/espana/" + season + (d == 1 ? "/1-liga.txt" : "/2-liga2.txt"));
    }
    testing::LocalServer server(site.path());
    QVERIFY2(!server.base().isEmpty(), "python3 is needed to serve the files");
    class Progress : public controls::ProgressService {
    public:
      void start(const QString &, int t) override { total = t; }
      bool advance(int, const QString &what) override
      {
        steps << what;
        return steps.size() <= stopAfter;
      }
      void finish() override { finished = true; }
      int total = 0, stopAfter = 100;
      QStringList steps;
      bool finished = false;
    } progress;

    testing::FormFixture f;
    QFile::copy(names(), f.folder() + "nombres.csv");
    QVERIFY(f.loadFile(testing::samplePath("Edato14.txt")));
    QFile::copy(testing::samplePath("Edato14.txt"), f.folder() + "Edato14.txt");
    f.scripted.clock.date = QDate(2020, 9, 1); // 2020/21: the seasons before are 2012/13 .. 2019/20
    ui::QtHttp http;
    f.form->services.http = &http;
    f.form->services.progress = &progress;
    f.form->openfootballBase = server.base() + "espana/";
    const int before = f.scripted.messages.shown.size();
    f.form->mnuImportarAnteriores_Click();
    QTRY_VERIFY_WITH_TIMEOUT(f.scripted.messages.shown.size() > before, 20000);
    QCOMPARE(progress.total, 7);
    QCOMPARE(progress.steps.first(), QString("Temporada 2012/13"));
    QVERIFY(progress.finished);
    QCOMPARE(readAll(f.folder() + "Edato13.txt"), readAll(testing::samplePath("Edato13.txt")));
    QCOMPARE(readAll(f.folder() + "Edato20.txt"), readAll(testing::samplePath("Edato20.txt")));
    QCOMPARE(readAll(f.folder() + "Edato14.txt"), readAll(testing::samplePath("Edato14.txt")));
    const QString said = f.scripted.messages.shown.last().text;
    QVERIFY2(said.startsWith("Importadas: 2012/13, 2019/20\r\nYa estaban: 2013/14\r\n2014/15: 1-liga.txt: "), qPrintable(said));
    QVERIFY2(said.count("\r\n") == 6, qPrintable(said)); // 2014/15 .. 2018/19 are not on this site
    QCOMPARE(f.form->seasonFilePath, testing::samplePath("Edato14.txt")); // the season shown stays

    // Again, stopped before the second season: nothing more is fetched.
    QFile::remove(f.folder() + "Edato13.txt");
    QFile::remove(f.folder() + "Edato20.txt");
    progress.steps.clear();
    progress.stopAfter = 1;
    f.form->mnuImportarAnteriores_Click();
    QTRY_VERIFY_WITH_TIMEOUT(f.scripted.messages.shown.last().text.contains("detenida"), 20000);
    QVERIFY(QFile::exists(f.folder() + "Edato13.txt"));
    QVERIFY(!QFile::exists(f.folder() + "Edato20.txt"));
    QCOMPARE(progress.steps.size(), 2);
    QVERIFY(!f.form->downloading);
  }

  // A failed transfer in the program's own words, with the server's name:
  // never Qt's translation, which calls the host "Equipo".
  void transferWords_data()
  {
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("words");
    const QString host = "raw.githubusercontent.com";
    QTest::newRow("host not found") << int(QNetworkReply::HostNotFoundError) << 0
                                    << "No se pudo conectar con " + host + " (servidor no encontrado)";
    QTest::newRow("refused") << int(QNetworkReply::ConnectionRefusedError) << 0
                             << "No se pudo conectar con " + host + " (conexión rechazada)";
    QTest::newRow("time out") << int(QNetworkReply::TimeoutError) << 0 << host + " no respondió a tiempo";
    QTest::newRow("transfer time limit") << int(QNetworkReply::OperationCanceledError) << 0
                                         << host + " no respondió a tiempo";
    QTest::newRow("closed") << int(QNetworkReply::RemoteHostClosedError) << 0
                            << host + " cerró la conexión antes de terminar";
    QTest::newRow("SSL") << int(QNetworkReply::SslHandshakeFailedError) << 0
                         << "No se pudo conectar con " + host +
                                " (falló la conexión segura SSL; revise la fecha y la hora del ordenador)";
    QTest::newRow("no network") << int(QNetworkReply::TemporaryNetworkFailureError) << 0
                                << "No se pudo conectar con " + host + " (no hay red)";
    QTest::newRow("proxy") << int(QNetworkReply::ProxyNotFoundError) << 0
                           << "No se pudo conectar con " + host + " (falló el proxy)";
    QTest::newRow("404") << int(QNetworkReply::ContentNotFoundError) << 404
                         << host + " respondió con el error HTTP 404 (el archivo no existe)";
    QTest::newRow("503") << int(QNetworkReply::ServiceUnavailableError) << 503
                         << host + " respondió con el error HTTP 503 (servicio no disponible)";
    QTest::newRow("an HTTP status without a name") << int(QNetworkReply::UnknownContentError) << 418
                                                   << host + " respondió con el error HTTP 418";
    QTest::newRow("anything else") << int(QNetworkReply::UnknownNetworkError) << 0
                                   << "Falló la descarga desde " + host + " (error de red 99)";
    QTest::newRow("no error") << int(QNetworkReply::NoError) << 200 << "";
  }
  void transferWords()
  {
    QFETCH(int, error);
    QFETCH(int, status);
    QTEST(ui::transferErrorText(QNetworkReply::NetworkError(error), "raw.githubusercontent.com", status), "words");
  }

  // The same words from real transfers: a server that does not exist, a port
  // where nobody listens, a file the server does not have; and the update
  // menu says them after the file's name.
  void transferWordsOnTheNetwork_data()
  {
    QTest::addColumn<QString>("base"); // "local": the server on this machine
    QTest::addColumn<QString>("words");
    QTest::newRow("host not found") << "http://sin-servidor.invalid/"
                                    << "No se pudo conectar con sin-servidor.invalid (servidor no encontrado)";
    QTest::newRow("refused") << "http://127.0.0.1:1/" << "No se pudo conectar con 127.0.0.1 (conexión rechazada)";
    QTest::newRow("not found") << "local" << "127.0.0.1 respondió con el error HTTP 404 (el archivo no existe)";
    QTest::newRow("stalled") << "local/lento/" << "127.0.0.1 no respondió a tiempo";
  }
  void transferWordsOnTheNetwork()
  {
    QFETCH(QString, base);
    QFETCH(QString, words);
    QTemporaryDir site;
    testing::LocalServer server(site.path());
    if (base.startsWith("local")) {
      QVERIFY2(!server.base().isEmpty(), "python3 is needed to serve the files");
      base = server.base() + base.mid(QStringLiteral("local/").size());
    }
    testing::FormFixture f;
    f.scripted.clock.date = QDate(2025, 11, 20);
    ui::QtHttp http;
    http.transferTimeoutMs = 1500; // a stalled transfer given up sooner than the program's 30 s
    f.form->services.http = &http;
    f.form->openfootballBase = base + "espana/";
    f.form->mnuActualizarTemporada_Click();
    QTRY_VERIFY_WITH_TIMEOUT(!f.scripted.messages.shown.isEmpty(), 35000);
    QCOMPARE(f.scripted.messages.shown.last().text, "Actualización NO Realizada\r\n1-liga.txt: " + words);
    QVERIFY(!f.form->downloading);
  }

  void nameOrder_data()
  {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::newRow("accents off") << "MÁLAG" << "MALLO";
    QTest::newRow("dot before letters") << "R.MAD" << "RAYOV";
    QTest::newRow("Ç as C") << "BARÇA" << "BARCB";
    QTest::newRow("tie: as written") << "CADIZ" << "CÁDIZ";
  }

  void nameOrder()
  {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QVERIFY(namesInOrder(a, b));
    QVERIFY(!namesInOrder(b, a));
  }
};

QTEST_GUILESS_MAIN(TestImport)
#include "test_import.moc"
