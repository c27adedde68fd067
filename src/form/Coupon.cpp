// The coupon: preparing it, passing matches from the jornada list into the
// coupon grid `tablap`, and valuing each match as it arrives. Line k of the
// coupon is rows 2k-1 (home club) and 2k (away club); line i of List14 belongs
// to row i of the grid.
#include "engine/MatchValuation.h"
#include "engine/ScoreModel.h"
#include "form/Qmodelop.h"
#include "engine/SeasonPrior.h"

#include <QFileInfo>
#include "text/TextRules.h"

#include <QLocale>
#include <algorithm>

using text::fmt;
using text::instr;
using text::ival;
using text::left;
using text::mid;
using text::right;
using text::val;

namespace vaticor {

namespace {

const char16_t *const kInstructions[] = {
    u"     Pasar Encuentros a la Quiniela",
    u"  El comando ROJO indica que puede pasar la jornada ENTERA ó UNO a UNO. Cambia al pulsarlo.",
    u"  Para ello debe pulsar sobre la lista de encuentros superior izquierda, cuando se pase UNO a UNO, debe pulsar "
    u"la línea del encuentro deseado.",
    u"  Con +/- se elije la jornada de 1ra o de 2da División que forme parte de la Quiniela.",
    u"  BORRAR el Pronóstico: Pulsar sobre el titulo en azul marino del pronóstico ó sobre el botón <<BORRAR>>",
    u"  Para el -signo 15- pulsar previamente en la fila 15 y añadir después y asi para el siguiente",
    u"  Para sobreescribir un encuentro: 1ro pulse el núm 1 del pronóstico, seguidamente pulse núm. a sobreescribir y "
    u"después pase el encuentro.",
    u"  Después pulsar en <<Pronóstico>> ó el menú  <<Pronóstico>> y visualizará la Quiniela entera.",
    u"  Colocar el núm. de la Jornada ==> Guardar Pronóstico, de esta forma se salvan los pronósticos, para "
    u"recuperarlos después.",
    u"  Restablecer, pulsar menú <<Pronóstico>>.",
};


// A score of the results grid that is not a played result reads "..".
QString playedScore(const QString &cell, bool dotAllowed)
{
  const QChar first = cell.isEmpty() ? QChar() : cell[0];
  return first.isDigit() || (dotAllowed && first == u'.') ? cell : QStringLiteral("..");
}

} // namespace

QString Qmodelop::couponTitle(const QString &number) const
{
  // Today as the Spanish long date: "domingo, 6 de diciembre de 2026".
  const QString today = QLocale(QLocale::Spanish, QLocale::Spain)
                            .toString(services.clock->today(), QStringLiteral("dddd, d 'de' MMMM 'de' yyyy"));
  return QStringLiteral(" Pronóstico de la Quiniela:  Temp.") + fmt(right(Label18.caption, 8), QStringLiteral("@@@@@@@@")) +
         QStringLiteral("; Q.nº ") + fmt(number, QStringLiteral("@@@@")) + QStringLiteral(";  ") + today;
}

void Qmodelop::showCouponPanel()
{
  hideViewFrames();
  Frame9.visible = true;
  Frame12.visible = true;
  QString lines;
  for (int i = 0; i < 10; ++i) {
    lines += QString::fromUtf16(kInstructions[i]) + kBreak;
    if (i == 0 || i == 3 || i == 6)
      lines += kBreak;
  }
  Label39.caption = lines;
  Label39.visible = true;
}

void Qmodelop::Command13_Click()
{
  if (val(Text3.text) < 1) {
    refuse(QStringLiteral(" Por favor introduzca el") + kBreak +
                                QStringLiteral("nº de la Quiniela futbolística ") + kBreak +
                                QStringLiteral("en la casilla rosa"),
                            QStringLiteral("Falta Nº de Quiniela"), controls::MessageIcon::Information);
    return;
  }
  couponModeActive = true;
  Label49.caption = couponTitle(Text3.text);
  // The views the valuation reads, the standings last.
  Command7_Click();
  Command4_Click();
  Command11_Click();
  Command12_Click();
  Command7_Click();
  Check2[5].value = 1;
  Check2_Click(5);
  showCouponPanel();
  Text5.text = Text3.text;
}

void Qmodelop::Command16_Click()
{
  wholeJornadaMode = !wholeJornadaMode;
  Text2.text = wholeJornadaMode ? QStringLiteral("T") : QStringLiteral("U");
  Command16.caption = wholeJornadaMode ? QStringLiteral("Jornada Entera") : QStringLiteral("Uno a Uno");
}

void Qmodelop::List6_Click()
{
  if (wholeJornadaMode)
    Command16_Click();
  List1_Click();
}

void Qmodelop::List1_Click()
{
  if (tablap.text(1, 0).trimmed().isEmpty()) {
    Frame16.visible = false;
    Label49_Click();
  }
  division = instr(List1.item(0), QStringLiteral("1")) > 0 ? 1 : 2;
  if (!couponModeActive) {
    Command13_Click();
    if (!couponModeActive)
      return; // no coupon number: nothing is passed
  }
  Label49.caption = couponTitle(Text3.text);

  if (wholeJornadaMode) {
    if (List12[0].count() <= 4) {
      refuse(QStringLiteral("Debe obtener previamente la Clasificación de la división actual"),
                              QStringLiteral(" Pronóstico!!"), controls::MessageIcon::Exclamation);
      return;
    }
    // The list starts with its empty line, so that line i belongs to row i.
    List14.clear();
    List14.addItem(QString());
    const int matches = teamCount() / 2;
    for (int k = 1; k <= matches && k <= 15; ++k) {
      couponPosition = static_cast<int16_t>(k);
      fillCouponLine(k, List1.item(k + 1), k + 1);
    }
  } else {
    const int listIndex = recallMode ? recallLine : List1.listIndex();
    if (listIndex < 1 || listIndex >= List1.count())
      return; // the heading, or no line chosen
    if (couponPosition == 15)
      couponPosition = 0;
    int line = couponPosition + 1;
    if (overwriteTarget > couponPosition) {
      line = overwriteTarget;
      overwriteTarget = 0;
    }
    couponPosition = static_cast<int16_t>(line);
    if (line > 15)
      return;
    if (line == 1)
      List14.addItem(QString());
    fillCouponLine(line, List1.item(listIndex), listIndex);
  }

  if (!wholeJornadaMode && couponPosition == 15)
    Label46_Click();
  if (wholeJornadaMode)
    division = division == 1 ? 2 : 1;
}

void Qmodelop::fillCouponLine(int k, const QString &matchLine, int listIndex)
{
  const QString homeName = mid(matchLine, 4, 5);
  const QString awayName = mid(matchLine, 10, 5);
  const int home = 2 * k - 1;
  const int away = 2 * k;
  for (const auto &[row, name] : {std::pair{home, homeName}, std::pair{away, awayName}}) {
    tablap.setText(row, 0, fmt(k, QStringLiteral("@@ ")) + name);
    List14.addItem(tablap.text(row, 0));
  }
  // A line without clubs (an empty line of a stored coupon) keeps its number only.
  if (homeName.trimmed().isEmpty() && awayName.trimmed().isEmpty()) {
    if (k >= 1 && k <= 15)
      linePlayed[k] = false;
    showPlayedNote();
    return;
  }

  const int n = teamCount();
  homeTeamNumber = static_cast<int16_t>(teamNumberOf(homeName));
  awayTeamNumber = static_cast<int16_t>(teamNumberOf(awayName));
  // Places in the standings computed last, found by name as its list shows them.
  const QString standingsNames = lastStandingsNames.left(6 * n);
  homePosition = static_cast<int16_t>(instr(standingsNames, homeName) / 6 + 1);
  awayPosition = static_cast<int16_t>(instr(standingsNames, awayName) / 6 + 1);
  const int hT = homeTeamNumber, aT = awayTeamNumber;

  // Column 1: the match's key, which the forecast store reads back, and the signs.
  lookUpResult(fmt(hT, QStringLiteral("00")) + fmt(aT, QStringLiteral("00")));
  const QString cutOff = Text1.text;
  tablap.setText(home, 1,
                 QStringLiteral("R") + fmt(lookupGoals, QStringLiteral("@@")) +
                     fmt(playedScore(resultsGridCell(hT, aT), true), QStringLiteral("@@@")) +
                     fmt(val(cutOff), QStringLiteral("-00")) + fmt(division, QStringLiteral("0")) +
                     fmt(listIndex, QStringLiteral("00")));
  resultSign(playedScore(resultsGridCell(aT, hT), false));
  const QString otherMeeting = val(cutOff) <= n / 2 ? QStringLiteral(" ") : signChar;
  resultSign(playedScore(resultsGridCell(hT, aT), false));
  realSign = signChar;
  tablap.setText(away, 1,
                 QStringLiteral("S:") + fmt(otherMeeting, QStringLiteral("@")) + fmt(realSign, QStringLiteral(" @")));

  auto generalPoints = [this](const QString &name) {
    for (int r = 1; r < tablag.rows(); ++r)
      if (mid(tablag.text(r, 1), 2, 5) == name)
        return left(tablag.text(r, 2), 2);
    return QString();
  };
  const struct {
    int row, team, position;
    QString name;
    bool atHome;
  } clubs[2] = {{home, hT, homePosition, homeName, true}, {away, aT, awayPosition, awayName, false}};
  QString form[2];
  for (const auto &c : clubs) {
    const StandingsLines lines = standingsLines(c.position);
    const QString &equatedLine = lines[3];
    tablap.setText(c.row, 2, lines[2]);
    tablap.setText(c.row, 3, lines[1]);
    form[c.atHome ? 0 : 1] = (c.atHome ? QStringLiteral("C:") : QStringLiteral("F:")) + signEvolutionCell(c.team, c.atHome ? 1 : 3);
    tablap.setText(c.row, 4, form[c.atHome ? 0 : 1]);
    tablap.setText(c.row, 5,
                   fmt(venueSigns(c.team, c.atHome), QStringLiteral("!@@@@@@@@@@@@@@@")) + mid(equatedLine, 15, 22));
    tablap.setText(c.row, 6, fmt(teamEvolutionPlaces(c.name), QStringLiteral("!@@@@@@@@@@@@@@@@@")));
    QString total = signEvolutionCell(c.team, 5);
    while (total.endsWith(u' '))
      total.chop(1);
    tablap.setText(c.row, 7, fmt(right(total, 16), QStringLiteral("@@@@@@@@@@@@@@@@")));
    tablap.setText(c.row, 8, mid(equatedLine, 16, 21));
    tablap.setText(c.row, 10,
                   fmt(c.position, QStringLiteral("@@")) + fmt(generalPoints(c.name), QStringLiteral("|@@")) +
                       fmt(signEvolutionCell(c.team, 7), QStringLiteral("|@@@")) +
                       fmt(mid(equatedLine, 11, 2), QStringLiteral("|@@")));
  }
  tablap.setText(home, 12, fmt(QStringLiteral("   "), QStringLiteral("@@@")));
  valueMatch(k, form[0], form[1]);
  modelLine(k, hT, aT);
  // The standings the line was valued on reach its jornada: when that jornada
  // has results, they are in the valuation.
  const int j = val(cutOff);
  if (k >= 1 && k <= 15)
    linePlayed[k] = j >= 1 && lastStandings.division == division && j <= lastStandings.last &&
                    !season.playedInJornada(division, j).empty();
  showPlayedNote();
}

void Qmodelop::showPlayedNote()
{
  playedNote.caption = QStringLiteral("Jornada ya jugada: la valoración incluye sus resultados");
  playedNote.visible = std::find(linePlayed.begin(), linePlayed.end(), true) != linePlayed.end();
}

void Qmodelop::modelLine(int k, int home, int away)
{
  // The model is fitted on the results before the jornada being forecast.
  const int j = text::toInt16(val(Text1.text));
  std::vector<engine::PlayedMatch> played;
  const int n = teamCount();
  for (int h = 1; h <= n; ++h) {
    for (int a = 1; a <= n; ++a) {
      const QString &cell = season.record(season::Season::cellRecord(division, h, a));
      auto digit = [&cell](int i) { return cell[i] >= u'0' && cell[i] <= u'9' ? cell[i].unicode() - u'0' : -1; };
      if (cell.size() == 4 && digit(0) >= 0 && digit(1) >= 0 && digit(2) >= 0 && digit(3) >= 0)
        played.push_back({h, a, digit(2), digit(3), digit(0) * 10 + digit(1)});
    }
  }
  const ModelPast &past = modelPast();
  const std::optional<engine::ModelPrior> &prior = division == 1 || division == 2 ? past.priors[division - 1] : std::nullopt;
  ModelFit &last = lastModelFit_;
  if (last.teams != n || last.jornada != j || last.division != division || last.seasonPath != seasonFilePath ||
      last.played != played) {
    last.model = prior ? engine::ScoreModel::fit(n, played, j, *prior) : engine::ScoreModel::fit(n, played, j);
    last.teams = n, last.jornada = j, last.division = division, last.seasonPath = seasonFilePath, last.played = played;
  }
  const QString previous = QFileInfo(engine::previousSeasonPath(seasonFilePath)).fileName();
  modelNote.caption = prior ? QStringLiteral("Modelo: con la temporada anterior") : QStringLiteral("Modelo: sin la temporada anterior");
  modelNoteDetail = prior ? QStringLiteral("El modelo parte de la temporada anterior, %1").arg(past.previousFile)
                          : QStringLiteral("Falta %1 junto a la temporada: Actualizar, Importar temporadas anteriores")
                                .arg(previous);
  const engine::MatchProbabilities p = last.model.predict(home, away);
  if (k >= 1 && k <= 15) {
    lineModel[k] = {true, p};
    modelNote.visible = true;
  }
  auto percent = [](double v) { return fmt(text::toInt16(v * 100), QStringLiteral("@@@")); };
  if (k < 1 || k > 15)
    return;
  tablam.setText(2 * k - 1, 0, percent(p.home) + percent(p.draw) + percent(p.away) + u' ' + QChar(p.sign()));
  if (k != 15)
    return;
  // The pleno al 15: each side's likeliest goals, 0, 1, 2 or M, and their chance.
  auto likeliest = [&](const std::array<double, 4> &goals) {
    const int g = static_cast<int>(std::max_element(goals.begin(), goals.end()) - goals.begin());
    return (g == 3 ? QStringLiteral("M") : QString::number(g)) + u':' + fmt(text::toInt16(goals[g] * 100), QStringLiteral("@@"));
  };
  tablam.setText(30, 0, u' ' + likeliest(p.homeGoals) + u' ' + likeliest(p.awayGoals));
}

const Qmodelop::ModelPast &Qmodelop::modelPast()
{
  // Worked out once per season file; the season before is read from its file.
  if (modelPast_.seasonPath != seasonFilePath) {
    engine::SeasonChain chain;
    modelPast_ = {seasonFilePath, QString(), {}};
    modelPast_.priors = chain.priorsFor(seasonFilePath, season, &modelPast_.previousFile);
  }
  return modelPast_;
}

QString Qmodelop::venueSigns(int team, bool atHome)
{
  QString signs;
  const int last = std::min<int>(jornada, jornadaCount());
  for (int j = std::max(1, jornada - 24); j <= last; ++j) {
    const std::optional<season::PlayedCell> match = season.matchOfTeam(division, j, team);
    if (!match || (match->home == team) != atHome)
      continue;
    resultSign(right(match->cell, 2));
    if (signChar != QStringLiteral("-"))
      signs += signChar;
  }
  return right(signs, 15);
}

QString Qmodelop::teamEvolutionPlaces(const QString &name) const
{
  QString places;
  for (const ListBox &list : List2) {
    for (const QString &line : list.lines()) {
      if (instr(line, name) > 0) {
        places += u' ' + mid(line, 4, 2);
        break;
      }
    }
  }
  return fmt(places, QStringLiteral("!@@@@@@@@@@@@@@@@@"));
}

engine::StandingsFigures Qmodelop::valuationFigures(int position)
{
  // The tally as it stands (the standings', or the evolution's points where
  // it ran since), and the printed figures of the standings computed last.
  engine::StandingsFigures f;
  if (position >= 1 && position <= kMaxTeams) {
    const StandingsTally &s = tally;
    f.homeGoalsFor = s.homeGoalsFor[position], f.homeGoalsAgainst = s.homeGoalsAgainst[position];
    f.awayGoalsFor = s.awayGoalsFor[position], f.awayGoalsAgainst = s.awayGoalsAgainst[position];
    f.goalsFor = s.goalsFor[position], f.goalsAgainst = s.goalsAgainst[position];
    f.homePoints = s.homePoints[position], f.awayPoints = s.awayPoints[position], f.points = s.points[position];
    f.negativeTotal = s.negativeTotal[position];
  }
  if (position >= 1 && position <= static_cast<int>(lastPrintedFigures.size())) {
    std::optional<engine::PrintedFigures> &printed = lastPrintedFigures[static_cast<size_t>(position - 1)];
    if (!printed)
      printed = engine::printedFigures(lastStandings.rows[static_cast<size_t>(position - 1)]);
    f.printed = *printed;
  }
  return f;
}

void Qmodelop::valueMatch(int k, const QString &homeForm, const QString &awayForm)
{
  if (couponPosition < 1)
    couponPosition = 1;
  const int n = teamCount();
  const std::array<engine::StandingsFigures, 5> top = {valuationFigures(1), valuationFigures(2), valuationFigures(3),
                                                       valuationFigures(4), valuationFigures(5)};
  const engine::Scales scales = engine::valuationScales(top, valuationFigures(n));
  const engine::MatchValues m = engine::valueMatch(scales, valuationFigures(homePosition), valuationFigures(awayPosition),
                                                   homeForm, awayForm, otherFactorsOf(k), signModeStored);
  signText = m.forecastSign;
  tablap.setText(2 * k - 1, 9, m.valueLine);
  tablap.setText(2 * k, 9, m.signLine);
  tablap.setText(2 * k - 1, 11, fmt(m.general, QStringLiteral("@@@")) + fmt(m.forecastSign, QStringLiteral(" @@")));

  // The sign counts go to the away row of the line passed last.
  int r = List14.count() - 1;
  if (r > 31)
    r = 30;
  if (List14.item(r).size() >= 5) {
    tablap.setText(r, 11, QString());
    tablap.setText(r, 11, fmt(m.countDigits(), QStringLiteral("@@@@@@")));
    tablap.setText(r - 1, 12, fmt(QStringLiteral("   "), QStringLiteral("@@@")));
    figureDigits += m.countDigits();
  }

  // While stored coupons are rebuilt, each valued match's real sign goes to
  // the table of valuations against real signs.
  if ((realSign == QStringLiteral("1") || realSign == QStringLiteral("X") || realSign == QStringLiteral("2")) &&
      recallRow >= 1) {
    const int c = engine::valuationColumn(m.general);
    tablac.setText(recallRow, 0, fmt(recallRow, QStringLiteral("@@")));
    tablac.setText(recallRow, c, tablac.text(recallRow, c) + realSign);
  }
}

void Qmodelop::tablap_Click(int row, int)
{
  if (row < 2)
    couponPosition = 0;
  overwriteTarget = static_cast<int16_t>((row + 1) / 2);
}

void Qmodelop::Command19_Click()
{
  Label46.caption = QStringLiteral("- - - - -");
  List14.clear();
  for (int r = 1; r <= 30; ++r)
    for (int c = 1; c <= 14; ++c)
      tablap.setText(r, c, QString());
  for (int r = 1; r < tablam.rows(); ++r)
    for (int c = 0; c < tablam.cols(); ++c)
      tablam.setText(r, c, QString());
  lineModel = {};
  linePlayed = {};
  showPlayedNote();
  modelNote.visible = false;
}

void Qmodelop::Label49_Click()
{
  couponPosition = 0;
  overwriteTarget = 0;
  Command19_Click();
}

void Qmodelop::Command18_Click()
{
  couponEnlarged = !couponEnlarged;
  if (couponEnlarged) {
    Frame16.visible = false;
    couponLeft = 0;
    Frame9.visible = true;
    Label39.visible = true;
    Label49.caption = couponTitle(Text3.text);
  } else {
    couponLeft = 4035;
    Frame9.visible = false;
    Frame2.visible = Frame5.visible = Frame1.visible = true;
    Command7_Click();
  }
}

void Qmodelop::mnupronos_Click()
{
  recallMode = false;
  couponEnlarged = !couponEnlarged;
  if (!couponEnlarged)
    return;
  Frame16.visible = false;
  couponLeft = 0;
  Command6_Click();
  Command7_Click();
  viewSlot = 8;
  Frame9.visible = true;
  Label39.visible = true;
  Label49.caption = couponTitle(Text3.text);
  Text5.text = Text3.text;
  tablap.fontSize = 5;
  for (int r = 2; r <= 30; ++r)
    for (int c = 1; c <= 14; ++c)
      tablap.setCellColour(r, c, controls::paletteColour(r % 2 == 0 ? 11 : 7));
  if (val(Text5.text) < 1)
    Text5.text = QStringLiteral("1");
}

void Qmodelop::mnuProMmnu_Click()
{
  const QStringList lines = {
      QStringLiteral(" Manualmente se obtiene el pronóstico de la siguiente forma:"),
      QStringLiteral(" Se debe buscar la Jornada de la División deseada"),
      QStringLiteral(" "),
      QStringLiteral("  TRABAJANDO SOBRE ESTA LISTA SE CREA EL NUEVO PRONOSTICO."),
      QStringLiteral(" Se va pulsando el encuentro deseado para crear el pronostico."),
      QStringLiteral(" En la ventana que aparece se imprimen los datos del nuevo pronostico."),
      QStringLiteral(" En ella se dan instrucciones para crear el pronostico de forma manual."),
  };
  services.messages->show(lines.join(kBreak) + kBreak, QStringLiteral("CREAR PRONOSTICO:!"),
                          controls::MessageIcon::Information);
}

void Qmodelop::Text1_Click()
{
  if (Text1.text.size() < 2) {
    refuse(QStringLiteral("Por favor dos ") + kBreak + QStringLiteral(" dígitos!!"),
                            QStringLiteral(" "), controls::MessageIcon::Information);
    return;
  }
  jornada = text::toInt16(val(Text1.text));
  focusedControl = QStringLiteral("Text2");
}

void Qmodelop::label42_MouseMove()
{
  const QStringList lines = {
      QStringLiteral("Equipos Res:Ida/Vu Encuentros/Goles, Últ. Signos/Result,C/F"),
      QStringLiteral("Evo: Eqpos/ Signos Tt. Ptos Cas/Fuera, Negtvos,"),
      QStringLiteral("Diferencias|Puesto Clasif| Ptos. Tt|Equiparados|Pot.:"),
      QStringLiteral("Valoración Signos Q- Val.14%| Val.25%|GsEEPs"),
      QStringLiteral("CsEEVs, valora algebraicamente cada encuentro,"),
      QStringLiteral("deduciendo de forma analógica cada signo."),
      QStringLiteral("QUINIELA, valoración del -1-, -X- y -2- de 0 a 6+VC "),
      QStringLiteral("Otros FACTORES, valores añadidos exteriormente"),
      QStringLiteral("Al final valora las Variantes Generales V X 2"),
      QStringLiteral("Permite anular las columnas deseadas. "),
  };
  services.messages->show(lines.join(kBreak), QStringLiteral("Resultados, Puntuaciones, Diferencias, Valoraciones!"),
                          controls::MessageIcon::Information);
}

void Qmodelop::label42_Click()
{
  showCouponPanel();
}

void Qmodelop::Text2_KeyPress(int keyAscii)
{
  Text2.text.clear();
  if (keyAscii != kPlus && keyAscii != kMinus && keyAscii != kEnter && keyAscii != kFiveOn && keyAscii != kFiveBack) {
    refuse(QStringLiteral(" Debe ser +/- +/-1,   b/c +/-5"), QStringLiteral("¡¡Letra incorrecta!!"),
                            controls::MessageIcon::Critical);
    focusedControl = QStringLiteral("Text2");
    return;
  }
  if (keyAscii == kEnter) {
    mnuactualiza_Click();
    return;
  }
  const int last = jornadaCount();
  if (keyAscii == kPlus || keyAscii == kFiveOn) {
    jornada = static_cast<int16_t>(jornada + (keyAscii == kPlus ? 1 : 5));
    if (jornada > last) {
      jornada = static_cast<int16_t>(std::max(last, 1));
      return;
    }
  } else {
    jornada = static_cast<int16_t>(jornada - (keyAscii == kMinus ? 1 : 5));
    if (jornada < 1)
      jornada = 1;
  }
  recomputeStandings = false;
  showDivision();
}

} // namespace vaticor
