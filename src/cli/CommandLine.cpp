#include "cli/CommandLine.h"

#include "form/HeadlessForm.h"
#include "engine/SeasonImport.h"
#include "engine/ModelBacktest.h"
#include "engine/Reliability.h"
#include "form/CouponRoad.h"
#include "engine/Systems.h"
#include "cli/ViewDump.h"
#include "engine/systems/Conditions.h"
#include "engine/systems/Reduction.h"
#include "season/SeasonFile.h"

#include <QCoreApplication>
#include "text/TextRules.h"
#include "form/Qmodelop.h"

#include <QFileInfo>
#include <QLocale>
#include <cmath>
#include <optional>

namespace vaticor {

QString commandLineUsage()
{
  return QStringLiteral("Uso: vaticor-cli ARCHIVO [--division 2] [--jornada J] VISTA [opciones]\n"
                        "     vaticor-cli ARCHIVO quiniela|guardar --numero N PASO...  (PASO: D/J/M o D/J/todo)\n"
                        "     vaticor-cli ARCHIVO pronostico|estadistica --numero N\n"
                        "     vaticor-cli ARCHIVO [--division 2] --jornada J jornada --resultados PARES --actuales JJjj\n"
                        "Vistas: %1\n"
                        "Opciones de clasificacion: --sort K (0..6)  --desde J (jornada inicial)\n"
                        "Opciones de jornadas: --hasta J; de historial: --equipos K (el último de los seis)\n"
                        "     vaticor-cli ARCHIVO imprimir INFORME [PASO...]   vaticor-cli ARCHIVO exportar\n"
                        "     vaticor-cli importar PRIMERA.txt [SEGUNDA.txt] --salida ARCHIVO [--nombres TABLA]\n"
                        "     vaticor-cli reducir SIGNOS [--garantia 14|13|12] [--x|--dos|--variantes|--interrupciones|--racha MIN-MAX]\n"
                        "     vaticor-cli escrutinio RESULTADO COLUMNA...\n"
                        "     vaticor-cli ARCHIVO backtest [--desde J]   vaticor-cli backtest-temporadas ARCHIVO... [--desde J]\n")
      .arg(knownViews().join(QStringLiteral(", ")));
}

namespace {

std::optional<int> parseNumber(const QString &s)
{
  bool ok = false;
  const int n = s.toInt(&ok);
  return ok ? std::optional<int>(n) : std::nullopt;
}

CommandLineResult failure(int code, const QString &error)
{
  CommandLineResult r;
  r.exitCode = code;
  r.error = error;
  return r;
}

CommandLineResult refusedIfFailed(const Qmodelop &form, CommandLineResult result)
{
  if (form.operationFailed) {
    result.exitCode = kExitRefused;
    result.error = QStringLiteral("vaticor-cli: la operación no se ha realizado\n");
  }
  return result;
}

} // namespace


namespace {

// vaticor-cli importar PRIMERA [SEGUNDA] --salida OUT [--nombres TABLA]
CommandLineResult runImport(const QStringList &args)
{
  QStringList files;
  QString out, table = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() + QStringLiteral("/nombres.csv")
                                                     : QStringLiteral("nombres.csv");
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == QStringLiteral("--salida") || args[i] == QStringLiteral("--nombres")) {
      if (i + 1 >= args.size())
        return failure(1, QStringLiteral("Falta el valor de %1\n").arg(args[i]));
      (args[i] == QStringLiteral("--salida") ? out : table) = args[i + 1];
      ++i;
    } else if (args[i].startsWith(QStringLiteral("--"))) {
      return failure(1, QStringLiteral("Opción desconocida: %1\n").arg(args[i]));
    } else {
      files << args[i];
    }
  }
  if (files.isEmpty() || files.size() > 2 || out.isEmpty())
    return failure(1, QStringLiteral("Uso: vaticor-cli importar PRIMERA.txt [SEGUNDA.txt] --salida ARCHIVO [--nombres "
                                     "TABLA]\n"));
  QString error;
  const std::optional<engine::ImportedSeason> imported = engine::importFiles(files[0], files.value(1), table, &error);
  if (!imported)
    return failure(1, error + u'\n');
  error = season::writeSeasonFile(out, imported->season);
  if (!error.isEmpty())
    return failure(2, error + u'\n');
  CommandLineResult result;
  result.lines = engine::importSummary(*imported);
  for (const QString &warning : imported->warnings)
    result.lines << QStringLiteral("Aviso: ") + warning;
  return result;
}

} // namespace

namespace {

const QString kReduceUsage = QStringLiteral(
    "Uso: vaticor-cli reducir SIGNOS [--garantia 14|13|12] [--x MIN-MAX] [--dos MIN-MAX] [--variantes MIN-MAX]\n"
    "       [--interrupciones MIN-MAX] [--racha MIN-MAX] [--figura V/X/2 [--margen M]] [--precio EUROS]\n"
    "       [--probabilidades P1/PX/P2,...]\n"
    "SIGNOS: 14 grupos separados por comas de 1, X, 2, 1X, X2, 12 o 1X2\n"
    "Condiciones: número de X, de 2, de variantes (X y 2), de interrupciones (cambios de signo de un partido\n"
    "al siguiente) y la racha más larga de un mismo signo; --figura las toma de la figura media (V, X y 2)\n"
    "más o menos el margen (1 si no se da). Probabilidades en tanto por ciento, 14 grupos (1/3 cada signo si no se dan).\n");

// "MIN-MAX" or "N" within lo..hi.
std::optional<engine::systems::CountRange> parseRange(const QString &text, int lo, int hi)
{
  const QStringList parts = text.split(u'-');
  if (parts.size() > 2)
    return std::nullopt;
  const std::optional<int> a = parseNumber(parts[0]), b = parseNumber(parts.value(parts.size() - 1));
  if (!a || !b || *a < lo || *b > hi || *a > *b || parts[0].startsWith(u'+') || parts.last().startsWith(u'+'))
    return std::nullopt;
  return engine::systems::CountRange{*a, *b};
}

// A decimal number with a point or a comma, read without the C library's locale.
std::optional<double> parseDecimal(QString text)
{
  text.replace(u',', u'.');
  bool ok = false;
  const double v = QLocale::c().toDouble(text, &ok);
  return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

// "50/30/20,45/30/25,..." (percent, 14 groups); each group scaled to sum 1.
std::optional<engine::systems::SignProbabilities> parseProbabilities(const QString &text)
{
  const QStringList groups = text.split(u',');
  if (groups.size() != engine::kMatches)
    return std::nullopt;
  engine::systems::SignProbabilities p{};
  for (int m = 0; m < engine::kMatches; ++m) {
    const QStringList three = groups[m].split(u'/');
    if (three.size() != 3)
      return std::nullopt;
    double sum = 0;
    for (int s = 0; s < 3; ++s) {
      const std::optional<double> v = parseDecimal(three[s]);
      if (!v || *v < 0)
        return std::nullopt;
      p[m][s] = *v;
      sum += *v;
    }
    if (!(sum > 0))
      return std::nullopt;
    for (double &v : p[m])
      v /= sum;
  }
  return p;
}

QString rangeText(const engine::systems::CountRange &r)
{
  return QStringLiteral("%1-%2").arg(r.min).arg(r.max);
}

} // namespace

// vaticor-cli reducir SIGNOS [--garantia 14|13|12] [condiciones]
CommandLineResult runReduce(const QStringList &args)
{
  int guarantee = 13;
  engine::systems::Conditions conditions;
  bool conditioned = false; // any option of the reducción condicionada: its lines are printed
  std::optional<QString> figure;
  int margin = 1;
  double price = 0.75;
  engine::systems::SignProbabilities probabilities;
  for (auto &match : probabilities)
    match = {1.0 / 3, 1.0 / 3, 1.0 / 3};
  QStringList rest;
  const CommandLineResult usage = failure(1, kReduceUsage);
  for (int i = 1; i < args.size(); ++i) {
    const QString &a = args[i];
    if (!a.startsWith(QStringLiteral("--"))) {
      rest << a;
      continue;
    }
    if (i + 1 >= args.size())
      return failure(1, QStringLiteral("Falta el valor de %1\n").arg(a) + kReduceUsage);
    const QString value = args[++i];
    struct Counted {
      const char *flag;
      engine::systems::CountRange *range;
      int lo, hi;
    };
    const Counted counted[] = {{"--x", &conditions.draws, 0, 14},
                               {"--dos", &conditions.aways, 0, 14},
                               {"--variantes", &conditions.variants, 0, 14},
                               {"--interrupciones", &conditions.interruptions, 0, 13},
                               {"--racha", &conditions.longestRun, 1, 14}};
    const auto known = std::find_if(std::begin(counted), std::end(counted),
                                    [&a](const Counted &c) { return a == QLatin1String(c.flag); });
    if (known != std::end(counted)) {
      const auto range = parseRange(value, known->lo, known->hi);
      if (!range)
        return failure(1, QStringLiteral("%1 pide MIN-MAX entre %2 y %3: %4\n").arg(a).arg(known->lo).arg(known->hi).arg(value));
      *known->range = *range;
      conditioned = true;
    } else if (a == QStringLiteral("--garantia")) {
      const std::optional<int> g = parseNumber(value);
      if (!g || *g < 12 || *g > 14)
        return usage;
      guarantee = *g;
    } else if (a == QStringLiteral("--figura")) {
      figure = value;
      conditioned = true;
    } else if (a == QStringLiteral("--margen")) {
      const std::optional<int> m = parseNumber(value);
      if (!m || *m < 0 || *m > 14)
        return failure(1, QStringLiteral("--margen pide un número de 0 a 14: %1\n").arg(value));
      margin = *m;
    } else if (a == QStringLiteral("--precio")) {
      const std::optional<double> euros = parseDecimal(value);
      if (!euros || *euros < 0)
        return failure(1, QStringLiteral("Precio no válido: %1\n").arg(value));
      price = *euros;
      conditioned = true;
    } else if (a == QStringLiteral("--probabilidades")) {
      const auto p = parseProbabilities(value);
      if (!p)
        return failure(1, QStringLiteral("--probabilidades pide 14 grupos P1/PX/P2 separados por comas\n"));
      probabilities = *p;
      conditioned = true;
    } else {
      return failure(1, QStringLiteral("Opción desconocida: %1\n").arg(a) + kReduceUsage);
    }
  }
  const std::optional<engine::System> system = rest.size() == 1 ? engine::parseSystem(rest[0]) : std::nullopt;
  if (!system)
    return usage;
  if (figure) {
    // The figure gives variants, X and 2; a condition given by its own option stays as given.
    const QStringList vx2 = figure->split(u'/');
    std::optional<double> v = parseDecimal(vx2.value(0)), x = parseDecimal(vx2.value(1)), two = parseDecimal(vx2.value(2));
    if (vx2.size() != 3 || !v || !x || !two)
      return failure(1, QStringLiteral("--figura pide V/X/2, por ejemplo 5.4/3.3/2.1: %1\n").arg(*figure));
    const engine::systems::Conditions around = engine::systems::conditionsFromFigure(*v, *x, *two, margin);
    const engine::systems::Conditions open;
    if (conditions.variants == open.variants)
      conditions.variants = around.variants;
    if (conditions.draws == open.draws)
      conditions.draws = around.draws;
    if (conditions.aways == open.aways)
      conditions.aways = around.aways;
  }
  if (!conditioned) {
    const auto columns = engine::reduce(*system, guarantee);
    if (!columns)
      return failure(1, QStringLiteral("El sistema de %1 columnas es demasiado grande para reducirlo.\n")
                            .arg(engine::directCount(*system)));
    CommandLineResult r;
    for (const engine::Column &c : *columns)
      r.lines << engine::columnText(c);
    r.lines << QStringLiteral("columnas %1 directas %2 garantia %3")
                   .arg(columns->size())
                   .arg(engine::directCount(*system))
                   .arg(guarantee);
    return r;
  }
  const auto reduced = engine::systems::reduceConditioned(*system, guarantee, conditions,
                                                          engine::systems::interactiveLimits());
  if (!reduced)
    return failure(1, QStringLiteral("El sistema de %1 columnas es demasiado grande para reducirlo.\n")
                          .arg(engine::directCount(*system)));
  if (reduced->columns.empty())
    return failure(2, QStringLiteral("Ninguna columna del sistema cumple las condiciones.\n"));
  CommandLineResult r;
  for (const engine::Column &c : reduced->columns)
    r.lines << engine::columnText(c);
  r.lines << QStringLiteral("columnas %1 directas %2 garantia %3").arg(reduced->columns.size()).arg(reduced->direct).arg(guarantee);
  r.lines << QStringLiteral("condiciones x %1 dos %2 variantes %3 interrupciones %4 racha %5")
                 .arg(rangeText(conditions.draws), rangeText(conditions.aways), rangeText(conditions.variants),
                      rangeText(conditions.interruptions), rangeText(conditions.longestRun));
  r.lines << QStringLiteral("filtradas %1 precio %2 €")
                 .arg(reduced->filtered)
                 .arg(text::spanishDecimal(double(reduced->columns.size()) * price, 2));
  r.lines << QStringLiteral("probabilidad condiciones %1% sistema %2%")
                 .arg(text::spanishDecimal(100 * engine::systems::conditionsChance(conditions, probabilities), 4),
                      text::spanishDecimal(100 * engine::systems::conditionsChance(conditions, probabilities, &*system), 4));
  return r;
}

// vaticor-cli escrutinio RESULTADO COLUMNA...
CommandLineResult runCheck(const QStringList &args)
{
  const std::optional<engine::Column> result = engine::parseColumn(args.value(1));
  if (!result || args.size() < 3)
    return failure(1, QStringLiteral("Uso: vaticor-cli escrutinio RESULTADO COLUMNA...  (14 signos de 1, X y 2 cada uno)\n"));
  CommandLineResult r;
  int counts[5] = {};
  for (const QString &text : args.mid(2)) {
    const std::optional<engine::Column> column = engine::parseColumn(text);
    if (!column)
      return failure(1, QStringLiteral("Columna no válida: %1\n").arg(text));
    const int h = engine::hits(*column, *result);
    r.lines << QStringLiteral("%1 %2 %3").arg(engine::columnText(*column)).arg(h).arg(engine::category(h));
    if (h >= 10)
      ++counts[14 - h];
  }
  for (int k = 0; k < 5; ++k)
    r.lines << QStringLiteral("categoria %1: %2").arg(14 - k).arg(counts[k]);
  return r;
}

namespace {

QString valuationLine(const QString &head, const engine::ValuationScore &v)
{
  return QStringLiteral("%1: partidos %2 local %3 empates %4 acierto %5 cubre %6 signos %7")
      .arg(head)
      .arg(v.matches)
      .arg(v.homeWins)
      .arg(v.draws)
      .arg(v.pickRight)
      .arg(v.covered)
      .arg(v.signs);
}

QString modelLine(const QString &head, const engine::ModelTally &m)
{
  const long rps = m.matches ? std::lround(m.rankedProbabilityScore / m.matches * 10000) : 0;
  return QStringLiteral("%1 modelo: partidos %2 acierto %3 rps %4").arg(head).arg(m.matches).arg(m.right).arg(rps);
}

// A season's lines: per division the valuation's and the model's (with the
// season's past), then where that past came from.
QStringList seasonLines(const engine::SeasonReliability &s)
{
  QStringList lines;
  for (const engine::DivisionValuationBacktest &d : s.valuation) {
    const QString head = QStringLiteral("division %1").arg(d.division);
    lines << valuationLine(head, d.score);
    engine::ModelTally m;
    for (const engine::DivisionModelBacktest &md : s.model)
      if (md.division == d.division)
        m = md.tally;
    lines << modelLine(head, m);
  }
  lines << QStringLiteral("modelo previa: ") + (s.previousFile.isEmpty() ? QStringLiteral("ninguna") : s.previousFile);
  return lines;
}

// The lines of each season, then, over several, the totals of each division.
CommandLineResult runSeasonsBacktest(const QStringList &files, int from, bool totals)
{
  std::vector<engine::SeasonSource> sources;
  for (const QString &f : files)
    sources.push_back({f, std::nullopt});
  const std::optional<engine::Reliability> result = engine::reliability(sources, from);
  if (!result)
    return failure(2, QStringLiteral("No se pudo repasar las temporadas.\n"));
  CommandLineResult r;
  std::array<bool, 2> seen{};
  for (size_t i = 0; i < result->seasons.size(); ++i) {
    const engine::SeasonReliability &s = result->seasons[i];
    if (!s.error.isEmpty())
      return failure(2, QStringLiteral("Error al cargar %1: %2\n").arg(files[static_cast<int>(i)], s.error));
    r.lines += seasonLines(s);
    for (const engine::DivisionValuationBacktest &d : s.valuation)
      seen[static_cast<size_t>(d.division - 1)] = true;
  }
  for (int d = 1; d <= 2 && totals; ++d) {
    if (!seen[static_cast<size_t>(d - 1)])
      continue;
    const QString head = QStringLiteral("total division %1").arg(d);
    r.lines << valuationLine(head, result->pooledValuation[static_cast<size_t>(d - 1)]);
    r.lines << modelLine(head, result->pooledModel[static_cast<size_t>(d - 1)].tally);
  }
  return r;
}

// vaticor-cli backtest-temporadas ARCHIVO... [--desde J]
CommandLineResult runSeasonsBacktestCommand(const QStringList &args)
{
  QStringList files;
  int from = 6;
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == QStringLiteral("--desde")) {
      const std::optional<int> value = parseNumber(args.value(i + 1));
      if (!value || *value < 1)
        return failure(1, QStringLiteral("La vista backtest-temporadas sólo admite --desde J (1 o más).\n"));
      from = *value;
      ++i;
    } else if (args[i].startsWith(QStringLiteral("--"))) {
      return failure(1, QStringLiteral("Opción desconocida: %1\n").arg(args[i]));
    } else {
      files << args[i];
    }
  }
  if (files.isEmpty())
    return failure(1, QStringLiteral("Uso: vaticor-cli backtest-temporadas ARCHIVO... [--desde J]\n"));
  return runSeasonsBacktest(files, from, true);
}

} // namespace

// vaticor-cli ARCHIVO backtest [--desde J]: the valuation, and the model
// with the season before beside the file.
CommandLineResult runBacktest(const QString &file, std::optional<int> from)
{
  return runSeasonsBacktest({file}, from.value_or(6), false);
}

CommandLineResult runCommandLine(const QStringList &args)
{
  if (args.value(0) == QStringLiteral("importar"))
    return runImport(args);
  if (args.value(0) == QStringLiteral("reducir"))
    return runReduce(args);
  if (args.value(0) == QStringLiteral("escrutinio"))
    return runCheck(args);
  if (args.value(0) == QStringLiteral("backtest-temporadas"))
    return runSeasonsBacktestCommand(args);
  QStringList positional;
  std::optional<int> division, jornada, sortKey, firstJornada, number, blockEnd, lastTeam;
  std::optional<QString> results, current;
  for (int i = 0; i < args.size(); ++i) {
    const QString &a = args[i];
    if (!a.startsWith(QStringLiteral("--"))) {
      positional.append(a);
      continue;
    }
    if (i + 1 >= args.size())
      return failure(1, QStringLiteral("Falta el valor de %1\n").arg(a) + commandLineUsage());
    if (a == QStringLiteral("--resultados") || a == QStringLiteral("--actuales")) {
      (a == QStringLiteral("--resultados") ? results : current) = args[++i];
      continue;
    }
    const std::optional<int> value = parseNumber(args[++i]);
    if (!value)
      return failure(1, QStringLiteral("Valor no numérico para %1: %2\n").arg(a, args[i]));
    if (a == QStringLiteral("--division"))
      division = value;
    else if (a == QStringLiteral("--jornada"))
      jornada = value;
    else if (a == QStringLiteral("--sort"))
      sortKey = value;
    else if (a == QStringLiteral("--desde"))
      firstJornada = value;
    else if (a == QStringLiteral("--numero"))
      number = value;
    else if (a == QStringLiteral("--hasta"))
      blockEnd = value;
    else if (a == QStringLiteral("--equipos"))
      lastTeam = value;
    else
      return failure(1, QStringLiteral("Opción desconocida: %1\n").arg(a) + commandLineUsage());
  }
  if (positional.size() < 2)
    return failure(1, commandLineUsage());
  const QString file = positional[0];
  const QString view = positional[1];
  if (!knownViews().contains(view))
    return failure(1, QStringLiteral("Vista desconocida: %1\n").arg(view) + commandLineUsage());
  // The coupon's roads: building it (quiniela, guardar) from passes, or
  // rebuilding a stored one (pronostico, estadistica).
  // A report printed as text: the view as its button shows it, then its print button.
  const bool printing = view == QStringLiteral("imprimir");
  const QStringList reports = {QStringLiteral("cuadrante"),  QStringLiteral("signos"),    QStringLiteral("clasificacion"),
                               QStringLiteral("evolucion"),  QStringLiteral("jornadas"),  QStringLiteral("historial"),
                               QStringLiteral("general"),    QStringLiteral("equivalentes"), QStringLiteral("quiniela")};
  const QString report = printing ? positional.value(2) : QString();
  if (printing && !reports.contains(report))
    return failure(1, QStringLiteral("Informe desconocido: %1\nInformes: %2\n").arg(report, reports.join(QStringLiteral(", "))));
  const bool building = view == QStringLiteral("quiniela") || view == QStringLiteral("guardar") ||
                        (printing && report == QStringLiteral("quiniela"));
  const bool coupon = building || view == QStringLiteral("pronostico") || view == QStringLiteral("estadistica");
  const QStringList passes = positional.mid(printing ? 3 : 2);
  if (!building && !passes.isEmpty())
    return failure(1, commandLineUsage());
  for (const QString &text : passes)
    if (!isCouponPass(text))
      return failure(1, QStringLiteral("Paso no válido: %1 (D/J/M o D/J/todo)\n").arg(text));
  if (coupon && (!number || *number < 1))
    return failure(1, QStringLiteral("La vista %1 pide --numero N (1 o más).\n").arg(view));
  if (building && passes.isEmpty())
    return failure(1, QStringLiteral("La vista %1 pide al menos un paso D/J/M o D/J/todo.\n").arg(view));
  if (!coupon && number)
    return failure(1, QStringLiteral("--numero sólo vale para las vistas de la quiniela.\n"));
  if (coupon && (division || jornada))
    return failure(1, QStringLiteral("La vista %1 no admite --division ni --jornada.\n").arg(view));
  const bool entry = view == QStringLiteral("jornada");
  if (entry && (!jornada || !results || !current))
    return failure(1, QStringLiteral("La vista jornada pide --jornada J, --resultados PARES y --actuales JJjj.\n"));
  if (!entry && (results || current))
    return failure(1, QStringLiteral("--resultados y --actuales sólo valen para la vista jornada.\n"));
  if (division && *division != 1 && *division != 2)
    return failure(1, QStringLiteral("La división debe ser 1 o 2.\n"));
  if (sortKey && (*sortKey < 0 || *sortKey > 6))
    return failure(1, QStringLiteral("La clave de orden debe estar entre 0 y 6.\n"));
  if (view == QStringLiteral("backtest")) {
    if (division || jornada || sortKey || number || (firstJornada && *firstJornada < 1))
      return failure(1, QStringLiteral("La vista backtest sólo admite --desde J (1 o más).\n"));
    return runBacktest(file, firstJornada);
  }
  if ((sortKey || firstJornada) && view != QStringLiteral("clasificacion") && report != QStringLiteral("clasificacion"))
    return failure(1, QStringLiteral("--sort y --desde sólo valen para la vista clasificacion.\n"));
  if (blockEnd && view != QStringLiteral("jornadas"))
    return failure(1, QStringLiteral("--hasta sólo vale para la vista jornadas.\n"));
  if (lastTeam && view != QStringLiteral("historial"))
    return failure(1, QStringLiteral("--equipos sólo vale para la vista historial.\n"));

  const QFileInfo info(file);
  HeadlessForm headless(info.absolutePath());
  Qmodelop &form = headless.form;
  controls::MessageLog &messages = headless.messages;
  controls::TextPrinter &printer = headless.printer;
  if (!form.loadSeason(info.absoluteFilePath())) {
    const QString why = messages.messages.isEmpty() ? QStringLiteral("no se pudo cargar la temporada")
                                                    : messages.messages.first().text;
    return failure(2, QStringLiteral("Error al cargar %1: %2\n").arg(file, QString(why).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
  }
  if (coupon) {
    CommandLineResult result;
    if (building) {
      const QString error = playCoupon(form, *number, passes);
      if (!error.isEmpty())
        return failure(1, error);
      result.lines = viewLines(form, QStringLiteral("quiniela"));
    }
    // What the road showed on the way is told on the side; the store's own
    // messages are part of what these views print.
    for (const controls::Message &m : messages.messages)
      result.notices.append(m.title + QStringLiteral(": ") + QString(m.text).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    messages.messages.clear();
    if (printing) {
      form.Label43_Click();
      result.lines = printer.pageLines;
      return result;
    }
    form.Text5.text = QString::number(*number);
    form.operationFailed = false;
    if (view == QStringLiteral("guardar")) {
      form.Command22_Click();
    } else if (view != QStringLiteral("quiniela")) {
      form.Command32_Click();
      if (view == QStringLiteral("estadistica"))
        form.Command29_Click();
      result.lines = viewLines(form, view);
    }
    for (const controls::Message &m : messages.messages) {
      result.lines.append(m.title);
      result.lines += QString(m.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    }
    return refusedIfFailed(form, result);
  }
  if (division && *division == 2)
    form.Command6_Click();
  // Jornadas are those of the division's season.
  const int last = form.jornadaCount();
  auto outside = [last](int j) { return j < 1 || j > last; };
  if (jornada && outside(*jornada))
    return failure(1, QStringLiteral("Jornada fuera de 1 .. %1: %2\n").arg(last).arg(*jornada));
  if (firstJornada && outside(*firstJornada))
    return failure(1, QStringLiteral("Jornada inicial fuera de 1 .. %1: %2\n").arg(last).arg(*firstJornada));
  if (blockEnd && outside(*blockEnd))
    return failure(1, QStringLiteral("Jornada final fuera de 1 .. %1: %2\n").arg(last).arg(*blockEnd));
  if (lastTeam && (*lastTeam < 1 || *lastTeam > form.teamCount()))
    return failure(1, QStringLiteral("Equipo fuera de 1 .. %1: %2\n").arg(form.teamCount()).arg(*lastTeam));
  if (jornada) {
    form.jornada = static_cast<int16_t>(*jornada);
    form.recomputeStandings = false;
    form.showDivision();
  }

  if (entry) {
    // The key box's Enter opens the entry; Enter stores the results typed
    // (the archive question answered OK); Enter on the jornadas line writes the file.
    form.operationFailed = false;
    form.Text2_KeyPress(Qmodelop::kEnter);
    form.Text4.text = *results;
    form.Text4_KeyPress(Qmodelop::kEnter);
    if (form.archivePending) {
      form.Text4.text = *current;
      form.Text4_KeyPress(Qmodelop::kEnter);
    }
    CommandLineResult result;
    for (const controls::Message &m : messages.messages) {
      result.lines.append(m.title);
      result.lines += QString(m.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    }
    result.lines += viewLines(form, view);
    // Results that were not stored, or stored but not saved, are no success.
    if (form.resultsUnsaved)
      form.operationFailed = true;
    return refusedIfFailed(form, result);
  }
  if (printing || view == QStringLiteral("exportar")) {
    using Step = void (Qmodelop::*)();
    const QMap<QString, QList<Step>> steps = {
        {QStringLiteral("cuadrante"), {&Qmodelop::Command7_Click, &Qmodelop::Command2_Click}},
        {QStringLiteral("signos"), {&Qmodelop::Command4_Click, &Qmodelop::Command5_Click}},
        {QStringLiteral("clasificacion"), {&Qmodelop::Command12_Click, &Qmodelop::Label30_Click}},
        {QStringLiteral("evolucion"), {&Qmodelop::Command11_Click, &Qmodelop::Label31_Click}},
        {QStringLiteral("jornadas"), {&Qmodelop::Command8_Click, &Qmodelop::Label31_Click}},
        {QStringLiteral("historial"), {&Qmodelop::Command9_Click, &Qmodelop::Label36_Click}},
        {QStringLiteral("general"), {&Qmodelop::Label48_Click}},
        {QStringLiteral("equivalentes"), {&Qmodelop::Command1_Click}},
    };
    if (sortKey)
      form.sortKey = static_cast<int16_t>(*sortKey);
    if (firstJornada)
      form.firstJornada = static_cast<int16_t>(*firstJornada);
    CommandLineResult result;
    if (printing) {
      for (Step step : steps.value(report))
        (form.*step)();
      result.lines = printer.pageLines;
    } else {
      form.Command10_Click();
      const QString error = form.Label37_Click();
      if (!error.isEmpty())
        return failure(2, error + u'\n');
    }
    return result;
  }
  if (view == QStringLiteral("clasificacion")) {
    if (sortKey)
      form.sortKey = static_cast<int16_t>(*sortKey);
    if (firstJornada)
      form.firstJornada = static_cast<int16_t>(*firstJornada);
    form.Command12_Click();
  } else if (view == QStringLiteral("cuadrante")) {
    form.Command7_Click();
  } else if (view == QStringLiteral("evolucion-equipos")) {
    form.Command11_Click();
  } else if (view == QStringLiteral("evolucion-signos")) {
    form.Command4_Click();
  } else if (view == QStringLiteral("equivalente")) {
    form.Command3_Click();
  } else if (view == QStringLiteral("jornadas")) {
    if (blockEnd)
      form.tenBlockEnd = static_cast<int16_t>(*blockEnd);
    form.Command8_Click();
  } else if (view == QStringLiteral("historial")) {
    if (lastTeam)
      form.historyLast = static_cast<int16_t>(*lastTeam);
    form.Command9_Click();
  } else if (view == QStringLiteral("tablas1x2")) {
    form.Command10_Click();
  }
  CommandLineResult result;
  result.lines = viewLines(form, view);
  return result;
}

} // namespace vaticor
