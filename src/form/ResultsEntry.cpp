// Typing in the results of the jornada shown, and archiving: the jornadas
// each division has reached are confirmed and the season file is rewritten.
#include "form/Qmodelop.h"
#include "season/SeasonFile.h"
#include "text/TextRules.h"

#include <QDir>

using text::fmt;
using text::left;
using text::mid;

namespace vaticor {

namespace {

// A result as typed: two goal digits, ".." for a match not played, or one
// digit beside a blank. Anything else would leave a cell the season cannot hold.
std::optional<QString> typedResult(const QString &pair)
{
  if (pair == QStringLiteral(".."))
    return pair;
  const QString digits = pair.trimmed();
  for (QChar c : digits)
    if (!c.isDigit())
      return std::nullopt;
  if (digits.isEmpty() || (digits.size() == 1 && pair.size() != 2))
    return std::nullopt;
  return fmt(digits, QStringLiteral("00"));
}

} // namespace

void Qmodelop::mnuactualiza_Click()
{
  entryOpen = !entryOpen;
  if (entryOpen) {
    // Results are typed for the matches the list shows: the list is brought
    // to the jornada in the box first, and a box without a jornada of the
    // season is answered with what to do.
    const int j = text::ival(Text1.text);
    if (teamCount() < 2) {
      entryOpen = false;
      refuse(QStringLiteral(" Esta temporada no tiene equipos en la %1ª División: no hay partidos que actualizar.")
                 .arg(division),
             QStringLiteral("Actualiza la Jornada"), controls::MessageIcon::Information);
      return;
    }
    if (j < 1 || j > jornadaCount()) {
      entryOpen = false;
      refuse(QStringLiteral(" Escriba primero en la casilla de la jornada la jornada que desea actualizar (de 1 a %1),")
                     .arg(jornadaCount()) +
                 kBreak + QStringLiteral(" o llegue a ella con + y - en la casilla negra; después pulse ENTER."),
             QStringLiteral("Actualiza la Jornada"), controls::MessageIcon::Information);
      focusedControl = QStringLiteral("Text1");
      return;
    }
    if (!lockSeasonForEntry()) {
      entryOpen = false;
      return;
    }
    if (j != shownJornada || division != shownDivision) {
      jornada = static_cast<int16_t>(j);
      recomputeStandings = false;
      showDivision();
    }
    Frame11.visible = false;
    Frame10.visible = true;
    Label17.caption = Label18.caption;
    const int shown = division == 1 ? 10 : 11;
    QString prefill;
    for (int line = 3; line <= shown + 2; ++line)
      prefill += left(List6.item(line - 1), 2);
    if (left(prefill, 4) == QStringLiteral("...."))
      prefill.clear();
    Text4.text = prefill;
    focusedControl = QStringLiteral("Text4");
    Label2.caption = QStringLiteral(" Primero buscar la División deseada, después la Jornada a actualizar, escribir los "
                                    "resultados en la casilla azul.") +
                     kBreak +
                     QStringLiteral(" Volver al menú <<Actualizar>> para cerrar la ventana y grabar los datos.");
    return;
  }
  storeTypedResults();
}

void Qmodelop::storeTypedResults()
{
  Frame11.visible = false;
  const int n = teamCount();
  const QString typed = Text4.text;
  // A refusal leaves the entry open with what was typed, so nothing typed is lost.
  auto keepOpen = [this](const QString &why) {
    entryOpen = true;
    Frame10.visible = true;
    focusedControl = QStringLiteral("Text4");
    refuse(why, QStringLiteral("Actualiza la Jornada"), controls::MessageIcon::Information);
  };
  if (typed.trimmed().isEmpty()) {
    // Nothing typed: the entry just closes.
    Frame10.visible = false;
    Frame11.visible = true;
    focusedControl = QStringLiteral("Text2");
    if (!resultsUnsaved && !archivePending)
      releaseEntryLock();
    return;
  }
  if (typed.size() < n)
    return keepOpen(QStringLiteral(" Faltan resultados: se esperan %1 caracteres, dos por partido (goles de casa y de "
                                   "fuera, o «..» si no se jugó), y hay %2.")
                        .arg(n)
                        .arg(typed.size()));
  focusedControl = QStringLiteral("Text2");
  const int j = text::toInt16(text::val(Text1.text));
  if (j < 1 || j > jornadaCount())
    return keepOpen(QStringLiteral(" La casilla de la jornada dice «%1»: escriba una jornada de 1 a %2.")
                        .arg(Text1.text.trimmed())
                        .arg(jornadaCount()));
  if (j != shownJornada || division != shownDivision)
    return keepOpen(QStringLiteral(" La lista muestra los partidos de la jornada %1 y la casilla dice %2.").arg(shownJornada).arg(j) +
                    kBreak +
                    QStringLiteral(" Los resultados escritos son los de la lista: vuelva a poner %1 en la casilla de la "
                                   "jornada para guardarlos.")
                        .arg(shownJornada));
  // Every result is checked before any is stored.
  QStringList results;
  for (int i = 1; i <= n / 2; ++i) {
    const std::optional<QString> result = typedResult(mid(typed, 2 * i - 1, 2));
    if (!result)
      return keepOpen(QStringLiteral(" El resultado del partido %1, «%2», no vale: escriba dos cifras (goles "
                                     "de casa y de fuera) o «..» si no se jugó.")
                          .arg(i)
                          .arg(mid(typed, 2 * i - 1, 2)));
    results.append(*result);
  }
  List6.clear();
  teamNameList.clear();
  for (int k = 1; k <= n; ++k)
    teamNameList += nameOf(k) + u'-';
  for (int i = 1; i <= n / 2; ++i) {
    const QString home = mid(List1.item(i + 1), 4, 5);
    const QString away = mid(List1.item(i + 1), 10, 5);
    const int h = text::instr(teamNameList, home) / 6 + 1;
    const int a = text::instr(teamNameList, away) / 6 + 1;
    // A line of the list without its two clubs (a calendar not filled in) stores nothing.
    if (home.trimmed().isEmpty() || text::instr(teamNameList, home) == 0 || text::instr(teamNameList, away) == 0 ||
        h == a)
      continue;
    // A match typed as not played is stored as the file will hold it.
    const QString cell = results[i - 1] == QStringLiteral("..") ? QStringLiteral("....")
                                                                 : fmt(j, QStringLiteral("00")) + results[i - 1];
    season.setRecord(season::Season::cellRecord(division, h, a), cell);
    resultsUnsaved = true;
  }
  if (j > season.storedJornada(division)) {
    QString current = season.record(season::kJornadasRecord);
    current.replace(division == 1 ? 0 : 2, 2, fmt(j, QStringLiteral("00")));
    season.setRecord(season::kJornadasRecord, current);
  }
  List6.addItem(QString());
  List6.addItem(QString());
  for (int i = 1; i <= n / 2; ++i)
    List6.addItem(mid(typed, 2 * i - 1, 2));
  Frame10.visible = false;
  Frame11.visible = true;
  Label1.caption = seasonFilePath;
  focusedControl = QStringLiteral("Text2");
  const controls::MessageAnswer answer = services.messages->show(
      QStringLiteral("Desea Archivar las Jornadas?") + kBreak + QStringLiteral(" Necesario para estar actualizado."),
      QStringLiteral("Archivar Jornadas!!"), controls::MessageIcon::None, controls::MessageButtons::OkCancel);
  if (answer == controls::MessageAnswer::Ok)
    archiveJornadas();
}

void Qmodelop::archiveJornadas()
{
  archivePending = !archivePending;
  if (archivePending) {
    Frame11.visible = false;
    Frame10.visible = true;
    Label17.caption = QStringLiteral("1ª y 2ª Ej:0909   ==> Pulse ENTER");
    QString current = season.record(season::kJornadasRecord);
    current.replace(division == 1 ? 0 : 2, 2, fmt(text::ival(Text1.text), QStringLiteral("00")).right(2));
    season.setRecord(season::kJornadasRecord, current);
    Text4.text = fmt(current, QStringLiteral("@@@@")) + QStringLiteral(" Jorndas Actuales");
    focusedControl = QStringLiteral("Text4");
    Label2.caption = QStringLiteral(" Debe introducir el número de jornada actual de Primera y de Segunda División, de "
                                    "la forma: 0911") +
                     kBreak + QStringLiteral(" 09 para la 1ª Div y 11 para la 2ª.") + kBreak +
                     QStringLiteral(" Si ha añadido nuevas jornadas, debe sustituir la actual por la última de cada "
                                    "División que haya modificado o actualizado, en los 4 primeros dígitos.");
    return;
  }
  Frame10.visible = false;
  Frame11.visible = true;
  const QString previous = season.record(season::kJornadasRecord);
  const QString typed = left(Text4.text, 4);
  // Each division's jornada is two digits and not "00" ("1005" is 10 and 05).
  bool valid = typed.size() == 4;
  for (QChar c : typed)
    valid = valid && c.isDigit();
  QString why; // a reason beyond the digits themselves
  if (valid) {
    for (int d = 1; d <= 2; ++d) {
      const int played = mid(typed, 2 * d - 1, 2).toInt();
      const int teams = season.teamCount(d);
      // A division without teams (a season imported without 2ª) has played nothing.
      if (teams == 0 && played != 0)
        why = QStringLiteral(" La %1ª División no tiene equipos: su jornada es 00.").arg(d);
      else if (teams > 0 && played == 0)
        valid = false;
      else if (teams > 0 && played > season.jornadaCount(d))
        why = QStringLiteral(" La %1ª División tiene %2 jornadas: %3 no vale.").arg(d).arg(season.jornadaCount(d)).arg(played);
    }
  }
  if (!valid || !why.isEmpty()) {
    refuse(QStringLiteral(" Temporada no salvada!") + (why.isEmpty() ? QString() : kBreak + why),
           QStringLiteral("Datos introducidos erróneos!!"), controls::MessageIcon::Information);
    return;
  }
  QString holder;
  if (seasonLockedElsewhere(seasonFilePath, &holder)) {
    refuse(QStringLiteral(" Temporada no salvada!") + kBreak + holder, QStringLiteral("Vaticor"),
           controls::MessageIcon::Critical);
    return;
  }
  season.setRecord(season::kJornadasRecord, typed);
  const QString error = writeSeasonFile();
  if (!error.isEmpty()) {
    season.setRecord(season::kJornadasRecord, previous);
    refuse(QStringLiteral(" Temporada no salvada!") + kBreak + error, QStringLiteral("Vaticor"),
           controls::MessageIcon::Critical);
    return;
  }
  resultsUnsaved = false;
  releaseEntryLock();
  refreshAfterSave();
  services.messages->show(QStringLiteral(" Temporada salvada!"), QStringLiteral("Datos correctos!!"),
                          controls::MessageIcon::Information);
}

void Qmodelop::refreshAfterSave()
{
  // The general standings and the view on screen show what was just saved;
  // the match list keeps the results as typed.
  computeSeasonTotals();
  fillGeneralGrid();
  Label10.caption = QStringLiteral(" Clasf. General  Jorn: ") + fmt(jornada, QStringLiteral("@@"));
  for (int i = 1; i <= teamCount(); ++i) {
    tablag.setText(i, 1, fmt(teamName[i], QStringLiteral("@@@@@@")));
    tablag.setText(i, 2, fmt(tally.points[i], QStringLiteral("@@ ")) + fmt(tally.negativeTotal[i], QStringLiteral("@@@")));
  }
  using Handler = void (Qmodelop::*)();
  const std::pair<const Panel *, Handler> views[] = {
      {&Frame5, &Qmodelop::Command7_Click},  {&Frame7, &Qmodelop::Command12_Click}, {&Frame15, &Qmodelop::Command11_Click},
      {&Frame17, &Qmodelop::Command4_Click}, {&Frame6, &Qmodelop::Command8_Click},  {&Frame8, &Qmodelop::Command9_Click},
      {&Frame4, &Qmodelop::Command10_Click}};
  for (const auto &[frame, handler] : views) {
    if (frame->visible) {
      (this->*handler)();
      break;
    }
  }
}

bool Qmodelop::settleUnsavedResults(const QString &what)
{
  if (!resultsUnsaved)
    return true;
  const controls::MessageAnswer answer = services.messages->show(
      QStringLiteral("Hay resultados escritos que no se han guardado en %1.").arg(QDir::toNativeSeparators(seasonFilePath)) +
          kBreak + QStringLiteral("¿Desea guardarlos antes de %1?").arg(what),
      QStringLiteral("Resultados sin guardar"), controls::MessageIcon::Question, controls::MessageButtons::SaveDiscardCancel);
  if (answer == controls::MessageAnswer::Cancel)
    return false;
  if (answer == controls::MessageAnswer::Yes) {
    QString holder;
    QString error = seasonLockedElsewhere(seasonFilePath, &holder) ? holder : writeSeasonFile();
    if (!error.isEmpty()) {
      refuse(QStringLiteral(" Temporada no salvada!") + kBreak + error, QStringLiteral("Vaticor"),
             controls::MessageIcon::Critical);
      return false;
    }
  }
  resultsUnsaved = false;
  entryOpen = false;
  archivePending = false;
  Frame10.visible = false;
  Frame11.visible = true;
  releaseEntryLock();
  return true;
}

namespace {

QString lockPath(const QString &seasonPath) { return seasonPath + QStringLiteral(".lock"); }

QString holderText(const QString &path, const QLockFile &lock)
{
  qint64 pid = 0;
  QString host, app;
  lock.getLockInfo(&pid, &host, &app);
  return QStringLiteral(" %1 está abierta para actualizar en otra copia de Vaticor (proceso %2).")
             .arg(QDir::toNativeSeparators(path))
             .arg(pid) +
         QStringLiteral("\r\n Guarde o cierre allí la jornada antes de escribir resultados aquí.");
}

} // namespace

bool Qmodelop::lockSeasonForEntry()
{
  if (entryLock_ && entryLock_->fileName() == lockPath(seasonFilePath))
    return true;
  releaseEntryLock();
  auto lock = std::make_unique<QLockFile>(lockPath(seasonFilePath));
  lock->setStaleLockTime(0); // a lock outlives its copy only when that copy died: its process is gone
  if (lock->tryLock(0)) {
    entryLock_ = std::move(lock);
    return true;
  }
  if (lock->error() == QLockFile::LockFailedError) {
    refuse(holderText(seasonFilePath, *lock), QStringLiteral("Actualiza la Jornada"), controls::MessageIcon::Critical);
    return false;
  }
  // No lock can be made beside a file in a folder that cannot be written;
  // writing the season there is refused later with its own reason.
  return true;
}

void Qmodelop::releaseEntryLock()
{
  entryLock_.reset();
}

bool Qmodelop::seasonLockedElsewhere(const QString &path, QString *holder) const
{
  if (entryLock_ && entryLock_->fileName() == lockPath(path))
    return false;
  QLockFile probe(lockPath(path));
  probe.setStaleLockTime(0);
  if (probe.tryLock(0)) {
    probe.unlock();
    return false;
  }
  if (probe.error() != QLockFile::LockFailedError)
    return false;
  if (holder)
    *holder = holderText(path, probe);
  return true;
}

void Qmodelop::Text4_KeyPress(int keyAscii)
{
  if (keyAscii != kEnter)
    return;
  if (archivePending)
    archiveJornadas();
  else
    mnuactualiza_Click();
}

} // namespace vaticor
