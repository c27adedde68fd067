// vaticor-cli: the lines it prints of the real seasons, and a clear error with
// a non-zero exit for anything it cannot do.
#include "TestSeasons.h"
#include "cli/CommandLine.h"

#include <QtTest>

#include <optional>

namespace {

const QString kSample = testing::samplePath("Edato13.txt");

} // namespace

class CliTest : public QObject {
  Q_OBJECT

private slots:
  void sampleLines_data();
  void sampleLines();
  void errors_data();
  void errors();
  void refusals_data();
  void refusals();
};

void CliTest::sampleLines_data()
{
  QTest::addColumn<QStringList>("args");
  QTest::addColumn<int>("line");
  QTest::addColumn<QString>("expected");

  // The real 2012/13 table: BARÇA 100, R.MAD 85, ATLÉT 76.
  QTest::newRow("general: champion") << QStringList{"general"} << 4 << " 1| BARÇA|100  44";
  QTest::newRow("general: third") << QStringList{"general"} << 6 << " 3| ATLÉT|76  21";
  QTest::newRow("general: 2ª heading") << QStringList{"general", "--division", "2"} << 2 << " 2ª  DIVISIÓN  Puntos";
  QTest::newRow("standings: third") << QStringList{"clasificacion"} << 7 << " 3 ATLÉT ";
  QTest::newRow("standings: title")
      << QStringList{"clasificacion", "--jornada", "20", "--desde", "11", "--sort", "0"} << 0
      << "1ª Clasificación de los Equipos de   1ª División,  J. Inicial= 11   J. Final=20       Nº Jdas. =10";
  QTest::newRow("results grid: caption")
      << QStringList{"cuadrante", "--jornada", "9"} << 0
      << "Jornada No 09       Cuadrante de Resultados de los Equipos de  Primera División";
  QTest::newRow("equivalent of 12") << QStringList{"equivalente", "--jornada", "12"} << 12 << "31";
  QTest::newRow("sign evolution: caption")
      << QStringList{"evolucion-signos", "--jornada", "7"} << 0
      << "  EVOLUCIÓN:  ULTIMOS  RESULTADOS: Primera División Ultima Jornada Nº   7";
}

void CliTest::sampleLines()
{
  QFETCH(QStringList, args);
  QFETCH(int, line);
  QFETCH(QString, expected);

  const vaticor::CommandLineResult result = vaticor::runCommandLine(QStringList{kSample} + args);
  QCOMPARE(result.exitCode, 0);
  QCOMPARE(result.lines.value(line), expected);
}

void CliTest::errors_data()
{
  QTest::addColumn<QStringList>("args"); // "@sample", "@dir" stand for the sample and a scratch folder
  QTest::addColumn<int>("exitCode");
  QTest::addColumn<QString>("message");

  QTest::newRow("no such file") << QStringList{"@dir/Edato99.txt", "general"} << 2 << "No se ha encontrado el archivo";
  QTest::newRow("not a season") << QStringList{"@dir/Edato98.txt", "general"} << 2
                                << "El archivo no es una temporada válida.\nFaltan datos";
  QTest::newRow("reserved name") << QStringList{"@dir/EdatoAA.txt", "general"} << 2 << "File no válido";
  QTest::newRow("unknown view") << QStringList{"@sample", "quinielas"} << 1 << "Vista desconocida: quinielas";
  QTest::newRow("coupon without number") << QStringList{"@sample", "quiniela", "1/20/todo"} << 1
                                         << "La vista quiniela pide --numero N";
  QTest::newRow("coupon pass of division 3") << QStringList{"@sample", "quiniela", "--numero", "5", "3/20/1"} << 1
                                             << "Paso no válido: 3/20/1";
  QTest::newRow("coupon jornada 39") << QStringList{"@sample", "quiniela", "--numero", "5", "1/39/1"} << 1
                                     << "Jornada fuera de 1 .. 38: 39";
  QTest::newRow("coupon match 11 of 10") << QStringList{"@sample", "quiniela", "--numero", "5", "1/20/11"} << 1
                                         << "La jornada tiene 10 partidos: 11";
  QTest::newRow("no view") << QStringList{"@sample"} << 1 << "Uso: vaticor-cli";
  QTest::newRow("nothing") << QStringList{} << 1 << "Uso: vaticor-cli";
  QTest::newRow("jornada 0") << QStringList{"@sample", "general", "--jornada", "0"} << 1
                             << "Jornada fuera de 1 .. 38: 0";
  QTest::newRow("jornada 39 of 20 teams") << QStringList{"@sample", "cuadrante", "--jornada", "39"} << 1
                                          << "Jornada fuera de 1 .. 38: 39";
  QTest::newRow("jornada 43 of 22 teams") << QStringList{"@sample", "cuadrante", "--division", "2", "--jornada", "43"}
                                          << 1 << "Jornada fuera de 1 .. 42: 43";
  QTest::newRow("--desde 0") << QStringList{"@sample", "clasificacion", "--desde", "0"} << 1
                            << "Jornada inicial fuera de 1 .. 38: 0";
  QTest::newRow("--desde 65537") << QStringList{"@sample", "clasificacion", "--desde", "65537"} << 1
                                 << "Jornada inicial fuera de 1 .. 38: 65537";
  QTest::newRow("jornada not a number") << QStringList{"@sample", "general", "--jornada", "diez"} << 1
                                        << "Valor no numérico para --jornada: diez";
  QTest::newRow("jornada without value") << QStringList{"@sample", "general", "--jornada"} << 1
                                         << "Falta el valor de --jornada";
  QTest::newRow("division 3") << QStringList{"@sample", "general", "--division", "3"} << 1
                              << "La división debe ser 1 o 2.";
  QTest::newRow("sort key 7") << QStringList{"@sample", "clasificacion", "--sort", "7"} << 1
                              << "La clave de orden debe estar entre 0 y 6.";
  QTest::newRow("sort outside the standings") << QStringList{"@sample", "cuadrante", "--sort", "2"} << 1
                                              << "sólo valen para la vista clasificacion";
  QTest::newRow("unknown option") << QStringList{"@sample", "general", "--temporada", "13"} << 1
                                  << "Opción desconocida: --temporada";
  QTest::newRow("backtest of a damaged season") << QStringList{"@dir/Edato98.txt", "backtest"} << 2
                                                << "Error al cargar";
  QTest::newRow("seasons backtest without seasons") << QStringList{"backtest-temporadas"} << 1
                                                    << "Uso: vaticor-cli backtest-temporadas ARCHIVO...";
  QTest::newRow("seasons backtest, one missing") << QStringList{"backtest-temporadas", "@sample", "@dir/Edato99.txt"}
                                                 << 2 << "No se ha encontrado el archivo";
  QTest::newRow("seasons backtest, one damaged") << QStringList{"backtest-temporadas", "@dir/Edato98.txt", "@sample"}
                                                 << 2 << "El archivo no es una temporada válida";
  QTest::newRow("seasons backtest from 0") << QStringList{"backtest-temporadas", "@sample", "--desde", "0"} << 1
                                           << "sólo admite --desde J (1 o más)";
  QTest::newRow("seasons backtest, --desde without value") << QStringList{"backtest-temporadas", "@sample", "--desde"}
                                                           << 1 << "sólo admite --desde J (1 o más)";
  QTest::newRow("seasons backtest by division") << QStringList{"backtest-temporadas", "@sample", "--division", "2"}
                                                << 1 << "Opción desconocida: --division";
}

void CliTest::errors()
{
  QFETCH(QStringList, args);
  QFETCH(int, exitCode);
  QFETCH(QString, message);

  QTemporaryDir dir;
  QFile garbage(dir.filePath("Edato98.txt"));
  QVERIFY(garbage.open(QIODevice::WriteOnly));
  garbage.write("\"3822\",\"1621\"\r\n");
  garbage.close();
  QFile::copy(kSample, dir.filePath("EdatoAA.txt"));
  for (QString &a : args) {
    a.replace("@sample", kSample);
    a.replace("@dir", dir.path());
  }
  const vaticor::CommandLineResult result = vaticor::runCommandLine(args);
  QCOMPARE(result.exitCode, exitCode);
  QVERIFY2(result.error.contains(message), qPrintable(result.error));
  QVERIFY(result.lines.isEmpty());
}

// What the program refused is printed, and the exit says it was not done.
void CliTest::refusals_data()
{
  QTest::addColumn<QStringList>("args"); // after the season's path
  QTest::addColumn<int>("limit");        // bytes a file may reach; 0 no limit
  QTest::addColumn<int>("exitCode");
  QTest::addColumn<QString>("message"); // a line printed
  QTest::addColumn<bool>("seasonKept");  // the season file stays byte for byte

  const QStringList coupon{"1/20/todo", "2/22/1", "2/22/2", "2/22/3", "2/22/4", "2/22/5"};
  QTest::newRow("stored") << (QStringList{"guardar", "--numero", "21"} + coupon) << 0 << 0 << " Pronóstico nº 21 Guardado!" << true;
  QTest::newRow("coupon 99") << (QStringList{"guardar", "--numero", "99"} + coupon) << 0 << 4 << "Máximo de Pronósticos 59!!" << true;
  QTest::newRow("store on a full disk") << (QStringList{"guardar", "--numero", "21"} + coupon) << 100 << 4
                                        << "Guarda Pronóstico!!" << true;
  QTest::newRow("empty slot") << QStringList{"pronostico", "--numero", "33"} << 0 << 4 << " Primero debe guardarlo!" << true;
  QTest::newRow("record on an empty slot") << QStringList{"estadistica", "--numero", "33"} << 0 << 4 << " Primero debe guardarlo!" << true;
  QTest::newRow("archive 0000") << QStringList{"--jornada", "20", "jornada", "--resultados", "11113211053220212020", "--actuales", "0000"}
                                << 0 << 4 << " Temporada no salvada!" << true;
  QTest::newRow("archive 9942") << QStringList{"--jornada", "20", "jornada", "--resultados", "11113211053220212020", "--actuales", "9942"}
                                << 0 << 4 << " La 1ª División tiene 38 jornadas: 99 no vale." << true;
  QTest::newRow("results not results") << QStringList{"--jornada", "20", "jornada", "--resultados", "1x113211053220212020", "--actuales", "3842"}
                                       << 0 << 4 << "Actualiza la Jornada" << true;
  QTest::newRow("results short") << QStringList{"--jornada", "20", "jornada", "--resultados", "1111", "--actuales", "3842"}
                                 << 0 << 4 << "Actualiza la Jornada" << true;
  QTest::newRow("season on a full disk")
      << QStringList{"--jornada", "20", "jornada", "--resultados", "11113211053220212020", "--actuales", "3842"} << 4096 << 4
      << " Temporada no salvada!" << true;
  QTest::newRow("season saved") << QStringList{"--jornada", "20", "jornada", "--resultados", "11113211053220212020", "--actuales", "3842"}
                                << 0 << 0 << " Temporada salvada!" << true; // the same results: the same file
  QTest::newRow("export on a full disk") << QStringList{"exportar"} << 100 << 2 << "" << true;
}

void CliTest::refusals()
{
  QFETCH(QStringList, args);
  QFETCH(int, limit);
  QTemporaryDir dir;
  const QString path = dir.filePath("Edato13.txt");
  QFile::copy(kSample, path);
  if (args.first() == "pronostico" || args.first() == "estadistica")
    QCOMPARE(vaticor::runCommandLine({path, "guardar", "--numero", "5", "1/20/todo"}).exitCode, 0);
  const QStringList before = QDir(dir.path()).entryList(QDir::Files);
  vaticor::CommandLineResult result;
  {
    std::optional<testing::FileSizeLimit> full;
    if (limit)
      full.emplace(limit);
    result = vaticor::runCommandLine(QStringList{path} + args);
  }
  QTEST(result.exitCode, "exitCode");
  QFETCH(QString, message);
  if (!message.isEmpty())
    QVERIFY2(result.lines.contains(message), qPrintable(result.lines.join('\n')));
  QCOMPARE(testing::readAll(path), testing::readAll(kSample));
  if (limit) // nothing new is left behind by a failed write
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
}

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
