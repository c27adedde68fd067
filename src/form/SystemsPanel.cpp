// The "Sistemas" panel: the coupon's forecast signs as a system, its direct
// columns and the reductions that keep 13 or 12, with or without the
// conditions of a reducción condicionada (filled from the forecast figure if
// the player likes), what each costs and saves, the chance of each prize from
// the score model, the columns printed or written to a file, and the check of
// the columns once the jornada's results are in. The reductions themselves
// are pieces of work (sistemas_NextWork) a window runs on its worker thread.
#include "engine/Systems.h"
#include "form/Qmodelop.h"
#include "text/SequentialFile.h"
#include "text/TextRules.h"

using text::fmt;
using text::mid;

namespace vaticor {

namespace {

QString signsOf(const QString &forecastSign)
{
  const QString s = forecastSign.trimmed();
  if (s == QStringLiteral("T"))
    return QStringLiteral("1X2");
  return s == QStringLiteral("1") || s == QStringLiteral("1X") || s == QStringLiteral("X2") || s == QStringLiteral("2")
             ? s
             : QStringLiteral("1X2");
}

QString euros(double amount)
{
  return text::spanishDecimal(amount, 2) + QStringLiteral(" €");
}

// A chance in percent with a decimal comma, as the euros are written.
QString percent(double chance, int decimals)
{
  return text::spanishDecimal(chance * 100, decimals);
}

// 0, 1, 2 or M: the pleno al 15's answer for a number of goals.
QString plenoGoals(int goals)
{
  return goals >= 3 ? QStringLiteral("M") : QString::number(goals);
}

QString rangeText(const engine::systems::CountRange &r)
{
  return r.min == r.max ? QString::number(r.min) : QStringLiteral("%1-%2").arg(r.min).arg(r.max);
}

engine::systems::ReductionOrder orderOf(const SystemsPanel &p, int guarantee)
{
  return {p.system, guarantee, p.conditions, p.probabilities};
}

// The cache's key: what the columns depend on (the probabilities are the
// coupon's, the same while the panel is open).
QString keyOf(const engine::systems::ReductionOrder &o)
{
  const engine::systems::Conditions &c = o.conditions;
  return QStringList(o.system.begin(), o.system.end()).join(u',') +
         QStringLiteral("/%1/%2/%3/%4/%5/%6")
             .arg(o.guarantee)
             .arg(rangeText(c.draws), rangeText(c.aways), rangeText(c.variants), rangeText(c.interruptions),
                  rangeText(c.longestRun));
}

const engine::systems::ReducedSystem *known(const SystemsPanel &p, int guarantee)
{
  const auto it = p.reductions.constFind(keyOf(orderOf(p, guarantee)));
  return it == p.reductions.constEnd() ? nullptr : &*it;
}

void keep(SystemsPanel &p, const engine::systems::ReductionOrder &order, const engine::systems::ReducedSystem &result)
{
  // Worked out for another coupon's probabilities: its chances do not hold here.
  if (order.probabilities != p.probabilities)
    return;
  if (p.reductions.size() >= 24) {
    // Room is made among the systems no longer shown.
    const QStringList current = {keyOf(orderOf(p, 14)), keyOf(orderOf(p, 13)), keyOf(orderOf(p, 12))};
    p.reductions.removeIf([&current](const auto &entry) { return !current.contains(entry.key()); });
  }
  p.reductions.insert(keyOf(order), result);
}

// The forecast figure as the coupon shows it under the grid ("  5.4 |3.3 |2.1":
// variants, X and 2); nothing before the coupon has its fifteen lines.
std::optional<std::array<double, 3>> figureOf(const QString &caption)
{
  const QStringList parts = caption.split(u'|');
  if (parts.size() != 3)
    return std::nullopt;
  std::array<double, 3> figure{};
  for (int i = 0; i < 3; ++i) {
    const QString part = parts[i].trimmed();
    if (part.isEmpty() || !(part[0].isDigit() || part[0] == u'.'))
      return std::nullopt;
    figure[i] = text::val(part);
  }
  return figure;
}

// "Reducida al 13:   2936 columnas, 2.202,00 €.  Prob.: 14 …": what a set of columns costs and may win.
QString costLine(const QString &label, const engine::systems::ReducedSystem &r, const SystemsPanel &p, double pleno)
{
  const qint64 n = static_cast<qint64>(r.columns->size());
  QString line = label + QStringLiteral("%1 %2, %3.")
                             .arg(n, 5)
                             .arg(n == 1 ? QStringLiteral("columna") : QStringLiteral("columnas"))
                             .arg(euros(double(n) * p.price));
  if (n == 0)
    return line + QStringLiteral("  Ninguna columna cumple las condiciones.");
  const auto &c = r.chances;
  line += QStringLiteral("  Prob.: 14 %1%  13 %2%  12 %3%  11 %4%  10 %5%  pleno %6%")
              .arg(percent(c[0], 3), percent(c[1], 2), percent(c[2], 1), percent(c[3], 1), percent(c[4], 1),
                   percent(c[0] * pleno, 4));
  return r.cutShort ? line + QStringLiteral(" *") : line;
}

} // namespace

void Qmodelop::sistemas_Open()
{
  SystemsPanel &p = sistemas;
  engine::SignProbabilities probabilities{};
  for (int k = 1; k <= engine::kMatches; ++k) {
    p.system[k - 1] = signsOf(tablap.text(2 * k - 1, 11).right(2));
    probabilities[k - 1] = lineModel[k].known
                               ? std::array<double, 3>{lineModel[k].p.home, lineModel[k].p.draw, lineModel[k].p.away}
                               : std::array<double, 3>{1.0 / 3, 1.0 / 3, 1.0 / 3};
  }
  // The chances kept belong to the coupon they were worked out for.
  if (probabilities != p.probabilities)
    p.reductions.clear();
  p.probabilities = probabilities;
  // The pleno: each side's most likely goals by the model.
  if (lineModel[15].known) {
    const auto &h = lineModel[15].p.homeGoals, &a = lineModel[15].p.awayGoals;
    p.plenoHome = plenoGoals(static_cast<int>(std::max_element(h.begin(), h.end()) - h.begin()));
    p.plenoAway = plenoGoals(static_cast<int>(std::max_element(a.begin(), a.end()) - a.begin()));
  }
  // Conditions belong to the system, which starts again from the coupon.
  p.conditions = {};
  p.figure = figureOf(Label46.caption);
  p.checkSummary.clear();
  p.checkLines.clear();
  p.visible = true;
  p.windowShown = false;
  if (services.windows)
    services.windows->showModal(QStringLiteral("sistemas"));
  // Without a window to work them out on its worker thread (the command
  // line, the tests' scripted windows), the reductions are worked out here.
  if (!p.windowShown)
    sistemas_Compute();
}

void Qmodelop::sistemas_SetSigns(int match, const QString &signs)
{
  if (match < 1 || match > engine::kMatches)
    return;
  engine::System changed = sistemas.system;
  changed[match - 1] = signs;
  // Only a set of 1, X and 2 is taken; anything else leaves the match as it was.
  QStringList all;
  for (const QString &s : changed)
    all << s;
  if (const auto parsed = engine::parseSystem(all.join(u','))) {
    sistemas.system = *parsed;
    sistemas_Compute();
  }
}

void Qmodelop::sistemas_SetPleno(const QString &home, const QString &away)
{
  const QStringList answers = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("M")};
  if (answers.contains(home) && answers.contains(away)) {
    sistemas.plenoHome = home;
    sistemas.plenoAway = away;
    sistemas_Compute();
  }
}

void Qmodelop::sistemas_Choose(int guarantee)
{
  if (guarantee < 12 || guarantee > 14)
    return;
  sistemas.guarantee = guarantee;
  sistemas_Compute();
}

void Qmodelop::sistemas_SetConditions(const engine::systems::Conditions &conditions)
{
  if (!conditions.valid())
    return;
  sistemas.conditions = conditions;
  sistemas_Compute();
}

void Qmodelop::sistemas_FillConditions(int margin)
{
  SystemsPanel &p = sistemas;
  if (margin < 0 || margin > engine::kMatches)
    return;
  p.margin = margin;
  if (!p.figure) {
    refuse(QStringLiteral("La quiniela aún no tiene figura media (VX2): complete sus 15 líneas."),
           QStringLiteral("Sistemas"), controls::MessageIcon::Information);
    return;
  }
  const auto &f = *p.figure;
  const engine::systems::Conditions around = engine::systems::conditionsFromFigure(f[0], f[1], f[2], margin);
  // The figure says nothing of the changes of sign or the runs: those stay as the player set them.
  engine::systems::Conditions c = p.conditions;
  c.variants = around.variants;
  c.draws = around.draws;
  c.aways = around.aways;
  sistemas_SetConditions(c);
}

std::optional<engine::systems::ReductionOrder> Qmodelop::sistemas_NextWork() const
{
  const SystemsPanel &p = sistemas;
  for (int g : {p.guarantee, 14, 13, 12}) {
    const engine::systems::ReducedSystem *r = known(p, g);
    // A search cut short is worked out again when the window asks once more.
    if (!r || r->cutShort)
      return orderOf(p, g);
  }
  return std::nullopt;
}

void Qmodelop::sistemas_Store(const engine::systems::ReductionOrder &order, const engine::systems::ReducedSystem &result)
{
  keep(sistemas, order, result);
  sistemas_Compute();
}

void Qmodelop::sistemas_Compute()
{
  SystemsPanel &p = sistemas;
  if (!p.onWorker) {
    // At most one search for each guarantee: nothing is cut short here.
    for (int i = 0; i < 3; ++i) {
      const std::optional<engine::systems::ReductionOrder> order = sistemas_NextWork();
      if (!order)
        break;
      keep(p, *order, engine::systems::reduceSystem(*order));
    }
  }
  const bool conditioned = p.conditions.restricts();
  p.directColumns = engine::directCount(p.system);
  p.summary.clear();
  // The chance of the pleno: each side's goals by the model of line 15.
  double pleno = 0;
  if (lineModel[15].known) {
    auto at = [](const QString &g) { return g == QStringLiteral("M") ? 3 : g.toInt(); };
    pleno = lineModel[15].p.homeGoals[at(p.plenoHome)] * lineModel[15].p.awayGoals[at(p.plenoAway)];
  }
  if (conditioned)
    p.summary << QStringLiteral("Directas:        %1 columnas, %2.")
                     .arg(p.directColumns, 5)
                     .arg(euros(double(p.directColumns) * p.price));
  QStringList savings;
  bool cutShort = false;
  const engine::systems::ReducedSystem *any = nullptr;
  for (int g : {14, 13, 12}) {
    const QString label = g < 14         ? QStringLiteral("Reducida al %1:  ").arg(g)
                          : conditioned ? QStringLiteral("Condicionadas:   ")
                                        : QStringLiteral("Directas:        ");
    const engine::systems::ReducedSystem *r = known(p, g);
    if (!r) {
      p.summary << label + QStringLiteral("pendiente de cálculo");
      continue;
    }
    any = r;
    if (!r->columns) {
      p.summary << label + QStringLiteral("demasiadas columnas para reducirlas aquí");
      continue;
    }
    p.summary << costLine(label, *r, p, pleno);
    cutShort = cutShort || r->cutShort;
    const qint64 saved = p.directColumns - static_cast<qint64>(r->columns->size());
    if (saved > 0 && !r->columns->empty())
      savings << QStringLiteral("%1%2 columnas, %3 menos que las directas.")
                     .arg((g == 14 ? QStringLiteral("Ahorro condicionadas:") : QStringLiteral("Ahorro al %1:").arg(g))
                              .leftJustified(22))
                     .arg(saved, 5)
                     .arg(euros(double(saved) * p.price));
  }
  p.summary << savings;
  if (conditioned) {
    const engine::systems::Conditions &c = p.conditions;
    p.summary << QStringLiteral("Condiciones: X %1, 2 %2, variantes %3, interrupciones %4, racha más larga %5.")
                     .arg(rangeText(c.draws), rangeText(c.aways), rangeText(c.variants), rangeText(c.interruptions),
                          rangeText(c.longestRun));
    p.summary << (any ? QStringLiteral("Prob. de que el resultado cumpla las condiciones: %1%.")
                            .arg(percent(any->conditionsChance, 4))
                      : QStringLiteral("Prob. de que el resultado cumpla las condiciones: pendiente de cálculo"));
  }
  if (cutShort)
    p.summary << QStringLiteral("* Búsqueda cancelada: con más tiempo quizá salgan menos columnas.");
  // The columns of the choice; a check belongs to the columns it was made of.
  const engine::systems::ReducedSystem *chosen = known(p, p.guarantee);
  std::vector<engine::Column> columns;
  p.ready = chosen && chosen->columns;
  if (p.ready)
    columns = *chosen->columns;
  if (columns != p.columns) {
    p.checkSummary.clear();
    p.checkLines.clear();
  }
  p.columns = std::move(columns);
}

QStringList Qmodelop::sistemas_Lines() const
{
  const SystemsPanel &p = sistemas;
  QStringList lines;
  QString signs;
  for (const QString &s : p.system)
    signs += fmt(s, QStringLiteral("!@@@ "));
  lines << QStringLiteral("Sistema: ") + signs + QStringLiteral(" Pleno al 15: ") + p.plenoHome + u'-' + p.plenoAway;
  const bool conditioned = p.conditions.restricts();
  if (conditioned) {
    const engine::systems::Conditions &c = p.conditions;
    lines << QStringLiteral("Condiciones: X %1, 2 %2, variantes %3, interrupciones %4, racha más larga %5")
                 .arg(rangeText(c.draws), rangeText(c.aways), rangeText(c.variants), rangeText(c.interruptions),
                      rangeText(c.longestRun));
  }
  const engine::systems::ReducedSystem *chosen = known(p, p.guarantee);
  if (!p.ready || !chosen) {
    lines << QStringLiteral("Columnas pendientes de cálculo");
    return lines;
  }
  const qsizetype n = p.columns.size();
  const QString columns = QString::number(n) + (n == 1 ? QStringLiteral(" columna") : QStringLiteral(" columnas"));
  if (!conditioned)
    lines << (p.guarantee == 14 ? QStringLiteral("Columnas directas: %1").arg(n)
                                : QStringLiteral("Reducida al %1: %2 de %3 directas")
                                      .arg(p.guarantee)
                                      .arg(columns)
                                      .arg(p.directColumns));
  else
    lines << (p.guarantee == 14 ? QStringLiteral("Condicionadas: %1 de %2 directas").arg(columns).arg(p.directColumns)
                                : QStringLiteral("Reducida al %1: %2 de %3 condicionadas (%4 directas)")
                                      .arg(p.guarantee)
                                      .arg(columns)
                                      .arg(chosen->filtered)
                                      .arg(p.directColumns));
  int i = 0;
  for (const engine::Column &c : p.columns)
    lines << fmt(++i, QStringLiteral("@@@@ ")) + engine::columnText(c);
  return lines;
}

void Qmodelop::sistemas_Print()
{
  if (!sistemas.ready) {
    refuse(QStringLiteral("Las columnas aún no están calculadas."), QStringLiteral("Sistemas"),
           controls::MessageIcon::Information);
    return;
  }
  controls::PrinterService &printer = *services.printer;
  printer.setFontName(QStringLiteral("Lucida Console"));
  printer.setFontSize(9);
  printer.printLine(QStringLiteral("Vaticor - columnas de la quiniela nº ") + Text3.text + QStringLiteral("   ") +
                    reportDate());
  for (const QString &line : sistemas_Lines())
    printer.printLine(line);
  reportEnded(printer.endDoc(), true);
}

QString Qmodelop::sistemas_Export()
{
  const SystemsPanel &p = sistemas;
  if (!p.ready || p.columns.empty()) {
    const QString why = p.ready ? QStringLiteral("Ninguna columna cumple las condiciones: no hay nada que guardar.")
                                : QStringLiteral("Las columnas aún no están calculadas.");
    refuse(why, QStringLiteral("Sistemas"), controls::MessageIcon::Information);
    return why;
  }
  const QString path = workDir + QStringLiteral("Columnas-") + fmt(text::ival(Text3.text), QStringLiteral("00")) +
                       QStringLiteral(".txt");
  // Each line a whole bet: the 14 signs and the pleno al 15 played with them.
  const QString pleno = QStringLiteral(" ") + p.plenoHome + u'-' + p.plenoAway;
  QString content;
  for (const engine::Column &c : p.columns)
    content += engine::columnText(c) + pleno + kBreak;
  const QString error = text::writeFileAtomically(path, content.toLatin1());
  if (!error.isEmpty())
    operationFailed = true;
  services.messages->show(error.isEmpty() ? QStringLiteral("Columnas guardadas en ") + path : error,
                          QStringLiteral("Sistemas"), error.isEmpty() ? controls::MessageIcon::Information
                                                                      : controls::MessageIcon::Critical);
  return error;
}

void Qmodelop::mnuFiabilidad_Click()
{
  if (seasonFilePath.isEmpty()) {
    refuse(QStringLiteral("Cargue primero una temporada."), QStringLiteral("Fiabilidad"),
                            controls::MessageIcon::Information);
    return;
  }
  if (services.windows)
    services.windows->showModal(QStringLiteral("fiabilidad"));
}

void Qmodelop::sistemas_Check()
{
  SystemsPanel &p = sistemas;
  p.checkSummary.clear();
  p.checkLines.clear();
  if (!p.ready) {
    refuse(QStringLiteral("Las columnas aún no están calculadas."), QStringLiteral("Escrutinio"),
           controls::MessageIcon::Information);
    return;
  }
  // The real sign of each coupon line, from the season as it stands now.
  engine::Column result{};
  QStringList missing;
  auto cellOf = [this](int k) {
    const int d = text::ival(mid(tablap.text(2 * k - 1, 1), 10, 1));
    const QString home = mid(tablap.text(2 * k - 1, 0), 4, 5), away = mid(tablap.text(2 * k, 0), 4, 5);
    int h = 0, a = 0;
    for (int t = 1; t <= season.teamCount(d); ++t) {
      h = season.name(d, t) == home ? t : h;
      a = season.name(d, t) == away ? t : a;
    }
    return h && a ? season.cell(d, h, a) : QStringLiteral("....");
  };
  for (int k = 1; k <= engine::kMatches; ++k) {
    const QString cell = cellOf(k);
    if (cell == QStringLiteral("....")) {
      missing << QString::number(k);
      continue;
    }
    const int h = cell.mid(2, 1).toInt(), a = cell.mid(3, 1).toInt();
    result[k - 1] = h > a ? '1' : h == a ? 'X' : '2';
  }
  if (!missing.isEmpty()) {
    refuse(QStringLiteral("Faltan los resultados de los partidos ") + missing.join(QStringLiteral(", ")) +
                                QStringLiteral(".") + kBreak + QStringLiteral(" Actualice la jornada y vuelva a escrutar."),
                            QStringLiteral("Escrutinio"), controls::MessageIcon::Information);
    return;
  }
  const QString pleno = cellOf(15);
  const bool plenoKnown = pleno != QStringLiteral("....");
  const bool plenoRight = plenoKnown && plenoGoals(pleno.mid(2, 1).toInt()) == p.plenoHome &&
                          plenoGoals(pleno.mid(3, 1).toInt()) == p.plenoAway;
  int counts[5] = {}, especial = 0;
  int n = 0;
  for (const engine::Column &c : p.columns) {
    const int hits = engine::hits(c, result);
    p.checkLines << fmt(++n, QStringLiteral("@@@@ ")) + engine::columnText(c) + fmt(hits, QStringLiteral("@@@")) +
                        QStringLiteral("  ") + engine::category(hits);
    if (hits >= 10)
      ++counts[14 - hits];
    especial += hits == 14 && plenoRight;
  }
  // The prizes first: with thousands of columns nobody scrolls to the end for them.
  p.checkSummary << QStringLiteral("Resultado: ") + engine::columnText(result) +
                        (plenoKnown ? QStringLiteral("  Pleno: ") + plenoGoals(pleno.mid(2, 1).toInt()) + u'-' +
                                          plenoGoals(pleno.mid(3, 1).toInt())
                                    : QStringLiteral("  Pleno sin jugar"));
  p.checkSummary << QStringLiteral("Especial: %1   14: %2   13: %3   12: %4   11: %5   10: %6")
                      .arg(especial)
                      .arg(counts[0])
                      .arg(counts[1])
                      .arg(counts[2])
                      .arg(counts[3])
                      .arg(counts[4]);
}

} // namespace vaticor
