// The "Sistemas" panel: the coupon's forecast signs as a system, its direct
// columns and the reductions that keep 13 or 12, what each costs, the chance
// of each prize from the score model, the columns printed or written to a
// file, and the check of the columns once the jornada's results are in.
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

} // namespace

void Qmodelop::sistemas_Open()
{
  SystemsPanel &p = sistemas;
  for (int k = 1; k <= engine::kMatches; ++k) {
    p.system[k - 1] = signsOf(tablap.text(2 * k - 1, 11).right(2));
    p.probabilities[k - 1] = lineModel[k].known
                                 ? std::array<double, 3>{lineModel[k].p.home, lineModel[k].p.draw, lineModel[k].p.away}
                                 : std::array<double, 3>{1.0 / 3, 1.0 / 3, 1.0 / 3};
  }
  // The pleno: each side's most likely goals by the model.
  if (lineModel[15].known) {
    const auto &h = lineModel[15].p.homeGoals, &a = lineModel[15].p.awayGoals;
    p.plenoHome = plenoGoals(static_cast<int>(std::max_element(h.begin(), h.end()) - h.begin()));
    p.plenoAway = plenoGoals(static_cast<int>(std::max_element(a.begin(), a.end()) - a.begin()));
  }
  p.visible = true;
  sistemas_Compute();
  if (services.windows)
    services.windows->showModal(QStringLiteral("sistemas"));
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

void Qmodelop::sistemas_Compute()
{
  SystemsPanel &p = sistemas;
  const qint64 direct = engine::directCount(p.system);
  p.summary.clear();
  p.columns.clear();
  p.checkLines.clear(); // a check belongs to the columns it was made of
  // The chance of the pleno: each side's goals by the model of line 15.
  double pleno = 0;
  if (lineModel[15].known) {
    auto at = [](const QString &g) { return g == QStringLiteral("M") ? 3 : g.toInt(); };
    pleno = lineModel[15].p.homeGoals[at(p.plenoHome)] * lineModel[15].p.awayGoals[at(p.plenoAway)];
  }
  for (int g : {14, 13, 12}) {
    const QString key = QStringList(p.system.begin(), p.system.end()).join(u',') + u'/' + QString::number(g);
    if (!p.reductions.contains(key)) {
      if (p.reductions.size() >= 16)
        p.reductions.clear();
      p.reductions.insert(key, engine::reduce(p.system, g));
    }
    const auto &columns = p.reductions[key];
    QString line = g == 14 ? QStringLiteral("Directas:        ") : QStringLiteral("Reducida al %1:  ").arg(g);
    if (!columns) {
      p.summary << line + QStringLiteral("demasiadas columnas para reducirlas aquí");
      continue;
    }
    const auto chances = engine::prizeChances(*columns, p.probabilities);
    line += QStringLiteral("%1 columnas, %2.").arg(columns->size(), 5).arg(euros(columns->size() * p.price));
    line += QStringLiteral("  Prob.: 14 %1%  13 %2%  12 %3%  11 %4%  10 %5%  pleno %6%")
                .arg(percent(chances[0], 3), percent(chances[1], 2), percent(chances[2], 1), percent(chances[3], 1),
                     percent(chances[4], 1), percent(chances[0] * pleno, 4));
    p.summary << line;
    if (g == p.guarantee)
      p.columns = *columns;
  }
  p.directColumns = direct;
}

QStringList Qmodelop::sistemas_Lines() const
{
  QStringList lines;
  QString signs;
  for (const QString &s : sistemas.system)
    signs += fmt(s, QStringLiteral("!@@@ "));
  lines << QStringLiteral("Sistema: ") + signs + QStringLiteral(" Pleno al 15: ") + sistemas.plenoHome + u'-' +
               sistemas.plenoAway;
  lines << (sistemas.guarantee == 14 ? QStringLiteral("Columnas directas: %1").arg(sistemas.columns.size())
                                     : QStringLiteral("Reducida al %1: %2 columnas de %3 directas")
                                           .arg(sistemas.guarantee)
                                           .arg(sistemas.columns.size())
                                           .arg(sistemas.directColumns));
  int n = 0;
  for (const engine::Column &c : sistemas.columns)
    lines << fmt(++n, QStringLiteral("@@@@ ")) + engine::columnText(c);
  return lines;
}

void Qmodelop::sistemas_Print()
{
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
  const QString path = workDir + QStringLiteral("Columnas-") + fmt(text::ival(Text3.text), QStringLiteral("00")) +
                       QStringLiteral(".txt");
  QString content;
  for (const engine::Column &c : sistemas.columns)
    content += engine::columnText(c) + kBreak;
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
  p.checkLines.clear();
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
  p.checkLines << QStringLiteral("Resultado: ") + engine::columnText(result) +
                      (plenoKnown ? QStringLiteral("  Pleno: ") + plenoGoals(pleno.mid(2, 1).toInt()) + u'-' +
                                        plenoGoals(pleno.mid(3, 1).toInt())
                                  : QStringLiteral("  Pleno sin jugar"));
  p.checkLines << QStringLiteral("Especial: %1   14: %2   13: %3   12: %4   11: %5   10: %6")
                      .arg(especial)
                      .arg(counts[0])
                      .arg(counts[1])
                      .arg(counts[2])
                      .arg(counts[3])
                      .arg(counts[4]);
}

} // namespace vaticor
