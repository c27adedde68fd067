// Typing in the results of the jornada shown, and archiving: the jornadas
// each division has reached are confirmed and the season file is rewritten.
#include "season/Qmodelop.h"
#include "season/SeasonFile.h"
#include "text/TextRules.h"

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
  if (typed.size() < n) {
    Frame10.visible = false;
    Frame11.visible = true;
    focusedControl = QStringLiteral("Text2");
    return;
  }
  focusedControl = QStringLiteral("Text2");
  const int j = text::toInt16(text::val(Text1.text));
  if (j < 1 || j > jornadaCount())
    return; // the entry stays open
  // Every result is checked before any is stored.
  QStringList results;
  for (int i = 1; i <= n / 2; ++i) {
    const std::optional<QString> result = typedResult(mid(typed, 2 * i - 1, 2));
    if (!result) {
      services.messages->show(QStringLiteral(" El resultado del partido %1, «%2», no vale: escriba dos cifras (goles "
                                             "de casa y de fuera) o «..» si no se jugó.")
                                  .arg(i)
                                  .arg(mid(typed, 2 * i - 1, 2)),
                              QStringLiteral("Actualiza la Jornada"), controls::MessageIcon::Critical);
      return;
    }
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
  if (!valid || left(typed, 2) == QStringLiteral("00") || mid(typed, 3, 2) == QStringLiteral("00")) {
    services.messages->show(QStringLiteral(" Temporada no salvada!"), QStringLiteral("Datos introducidos erróneos!!"),
                            controls::MessageIcon::Information);
    return;
  }
  season.setRecord(season::kJornadasRecord, typed);
  const QString error = writeSeasonFile();
  if (!error.isEmpty()) {
    season.setRecord(season::kJornadasRecord, previous);
    services.messages->show(error, QStringLiteral("Vaticor"), controls::MessageIcon::Critical);
    return;
  }
  services.messages->show(QStringLiteral(" Temporada salvada!"), QStringLiteral("Datos correctos!!"),
                          controls::MessageIcon::Information);
}

void Qmodelop::Text4_KeyPress(int keyAscii)
{
  if (keyAscii != 13)
    return;
  if (archivePending)
    archiveJornadas();
  else
    mnuactualiza_Click();
}

} // namespace vaticor
