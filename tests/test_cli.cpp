// vaticor-cli: the lines it prints are what the form holds after the same
// steps by hand, in well under a second; bad input gives a clear error and a
// non-zero exit.
#include "TestSeasons.h"
#include "output/CommandLine.h"

#include <QtTest>

using testing::FormFixture;
using vaticor::Qmodelop;

namespace {

QStringList captionLines(const controls::Label &label)
{
  QString caption = label.caption;
  caption.replace("\r\n", "\n");
  return caption.split(u'\n');
}

QStringList gridLines(const controls::Grid &grid)
{
  QStringList out;
  for (int r = 0; r < grid.rows(); ++r) {
    QStringList cells;
    for (int c = 0; c < grid.cols(); ++c)
      cells.append(grid.text(r, c));
    out.append(cells.join(u'|'));
  }
  return out;
}

// The view as its controls show it: captions, then list lines, then grid rows
// with the cells joined by "|".
QStringList shownLines(const Qmodelop &f, const QString &view)
{
  QStringList out;
  if (view == "general") {
    out << captionLines(f.Label18) << captionLines(f.Label10) << captionLines(f.Label11) << gridLines(f.tablag)
        << f.List1.lines() << f.List6.lines();
  } else if (view == "clasificacion") {
    out << captionLines(f.Label7);
    for (const auto &list : f.List12)
      out << list.lines();
  } else if (view == "cuadrante") {
    out << captionLines(f.Label4) << gridLines(f.tab1) << f.List7.lines() << f.List8.lines();
  } else if (view == "evolucion-equipos") {
    out << captionLines(f.Label27);
    for (const auto &list : f.List2)
      out << list.lines();
    for (const auto &list : f.List3)
      out << list.lines();
  } else if (view == "evolucion-signos") {
    out << captionLines(f.Label53) << captionLines(f.Label14) << gridLines(f.tabl1x2);
  } else if (view == "equivalente") {
    out << f.List7.lines() << f.List8.lines();
  }
  return out;
}

const QString kSample = testing::samplePath("Edato13.txt");

} // namespace

class CliTest : public QObject {
  Q_OBJECT

private slots:
  void matchesForm_data();
  void matchesForm();
  void sampleLines_data();
  void sampleLines();
  void errors_data();
  void errors();
};

void CliTest::matchesForm_data()
{
  QTest::addColumn<QString>("view");
  QTest::addColumn<int>("division");
  QTest::addColumn<int>("jornada");  // 0: as loaded
  QTest::addColumn<int>("sortKey");  // -1: as loaded
  QTest::addColumn<int>("backTen");  // presses of "Retrocede 10"; --desde jornada - 9
  QTest::addColumn<QStringList>("args");

  for (const char *view : {"general", "clasificacion", "cuadrante", "evolucion-equipos", "evolucion-signos",
                           "equivalente"}) {
    QTest::addRow("%s", view) << QString(view) << 1 << 0 << -1 << 0 << QStringList{};
    QTest::addRow("%s, 2ª", view) << QString(view) << 2 << 0 << -1 << 0 << QStringList{"--division", "2"};
    QTest::addRow("%s, jornada 12", view) << QString(view) << 1 << 12 << -1 << 0 << QStringList{"--jornada", "12"};
  }
  QTest::newRow("2ª at its last jornada") << "cuadrante" << 2 << 42 << -1 << 0
                                          << QStringList{"--jornada", "42", "--division", "2"};
  QTest::newRow("1ª at jornada 1") << "equivalente" << 1 << 1 << -1 << 0 << QStringList{"--jornada", "1"};
  QTest::newRow("sort by away points") << "clasificacion" << 1 << 0 << 5 << 0 << QStringList{"--sort", "5"};
  QTest::newRow("last 10 jornadas") << "clasificacion" << 1 << 0 << -1 << 1 << QStringList{"--desde", "29"};
  QTest::newRow("2ª, jornada 30, goal difference, last 10")
      << "clasificacion" << 2 << 30 << 3 << 1
      << QStringList{"--division", "2", "--jornada", "30", "--sort", "3", "--desde", "21"};
}

void CliTest::matchesForm()
{
  QFETCH(QString, view);
  QFETCH(int, division);
  QFETCH(int, jornada);
  QFETCH(int, sortKey);
  QFETCH(int, backTen);
  QFETCH(QStringList, args);

  // By hand: load, switch division, move with the jornada keys, press the view's button.
  FormFixture f;
  QVERIFY(f.loadFile(kSample));
  Qmodelop &form = *f.form;
  if (division == 2)
    form.Command6_Click();
  if (jornada) {
    form.jornada = static_cast<int16_t>(jornada);
    form.recomputeStandings = false; // what the jornada keys do
    form.showDivision();
  }
  if (view == "clasificacion") {
    if (sortKey >= 0)
      form.Label40_Click(sortKey);
    else
      form.Command12_Click();
    for (int i = 0; i < backTen; ++i)
      form.Label34_Click();
  } else if (view == "cuadrante") {
    form.Command7_Click();
  } else if (view == "evolucion-equipos") {
    form.Command11_Click();
  } else if (view == "evolucion-signos") {
    form.Command4_Click();
  } else if (view == "equivalente") {
    form.Command3_Click();
  }
  const QStringList expected = shownLines(form, view);
  QVERIFY(expected.size() > 10);

  QElapsedTimer timer;
  timer.start();
  const vaticor::CommandLineResult result = vaticor::runCommandLine(QStringList{kSample, view} + args);
  const qint64 ms = timer.elapsed();
  QVERIFY2(ms < 1000, qPrintable(QStringLiteral("%1 ms").arg(ms)));
  QCOMPARE(result.error, QString());
  QCOMPARE(result.exitCode, 0);
  QCOMPARE(result.lines, expected);
}

void CliTest::sampleLines_data()
{
  QTest::addColumn<QStringList>("args");
  QTest::addColumn<int>("line");
  QTest::addColumn<QString>("expected");

  QTest::newRow("general: champion") << QStringList{"general"} << 4 << " 1| BARÇA|100  44";
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
  QTest::newRow("not a season") << QStringList{"@dir/Edato98.txt", "general"} << 2 << "faltan datos";
  QTest::newRow("reserved name") << QStringList{"@dir/EdatoAA.txt", "general"} << 2 << "File no válido";
  QTest::newRow("unknown view") << QStringList{"@sample", "quiniela"} << 1 << "Vista desconocida: quiniela";
  QTest::newRow("no view") << QStringList{"@sample"} << 1 << "Uso: vaticor-cli";
  QTest::newRow("nothing") << QStringList{} << 1 << "Uso: vaticor-cli";
  QTest::newRow("jornada 0") << QStringList{"@sample", "general", "--jornada", "0"} << 1
                             << "Jornada fuera de 1 .. 38: 0";
  QTest::newRow("jornada 39 of 20 teams") << QStringList{"@sample", "cuadrante", "--jornada", "39"} << 1
                                          << "Jornada fuera de 1 .. 38: 39";
  QTest::newRow("jornada 43 of 22 teams") << QStringList{"@sample", "cuadrante", "--division", "2", "--jornada", "43"}
                                          << 1 << "Jornada fuera de 1 .. 42: 43";
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

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
