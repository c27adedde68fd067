#include "form/HelpWindow.h"

#include "form/Qmodelop.h"
#include "text/SequentialFile.h"
#include "text/TextRules.h"

#include <QFile>
#include <QRegularExpression>

using text::fmt;
using text::left;
using text::mid;

namespace vaticor {

namespace {

// A help text is a few hundred lines; a file past this is not one, and only
// its beginning is shown.
constexpr qint64 kLargestHelpFile = 8 * 1024 * 1024;

QString lineBreak() { return QStringLiteral("\r\n"); }

} // namespace

HelpWindow::HelpWindow()
{
  caption = QStringLiteral("Ayuda de Vaticor - estadísticas y pronósticos de la quiniela");
  List1.fontSize = 9;
  Command3.caption = QStringLiteral("INDICE");
  Command1.caption = QStringLiteral("Buscar");
  Command2.caption = QStringLiteral("Imprimir Seleccion");
  Text1.text = QStringLiteral("Texto a Buscar?");
  Label1.caption = QStringLiteral("Introducir el texto a Buscar");
}

void HelpWindow::Form_Load(const QString &helpFile)
{
  geometry = {0, 0, 12000, 9000};
  loaded = true;
  QFile file(helpFile);
  if (!file.open(QIODevice::ReadOnly))
    return;
  const QString content = text::decodeDataFile(file.read(kLargestHelpFile));
  if (content.isEmpty())
    return;
  QStringList lines = content.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
  // A last line ended by its line break is not followed by an empty one.
  if (lines.size() > 1 && lines.last().isEmpty())
    lines.removeLast();
  int n = 0;
  for (const QString &line : lines) {
    ++n;
    List1.addItem(fmt(n, QStringLiteral("@@@@@  ")) + line);
  }
}

void HelpWindow::Form_Unload()
{
  *this = HelpWindow();
}

void HelpWindow::List1_Click()
{
  const int clicked = List1.listIndex();
  if (clicked < kIndexFirst || clicked > kIndexLast)
    return;
  // Characters 16-25 of an index item are characters 9-18 of its line.
  const QString title = mid(List1.item(clicked), 16, 10).toLower();
  for (int i = kSectionsFirst; i < List1.count(); ++i) {
    if (!List1.item(i).toLower().contains(title))
      continue;
    List1.setSelected(i, true);
    // Selecting the line eight further on and letting it go again scrolls the
    // section's first lines into view.
    List1.setSelected(i + 8, true);
    List1.setSelected(i + 8, false);
    topRequest = i;
    focusedControl = QStringLiteral("Command3");
    return;
  }
}

void HelpWindow::Command3_Click()
{
  List1.setSelected(2, true);
  topRequest = 0; // the index stands at the top of the text
}

void HelpWindow::Command3_KeyPress(int keyAscii)
{
  if (keyAscii == u' ')
    Command3_Click();
}

void HelpWindow::Command1_Click()
{
  if (Text1.text.size() < 2)
    return;
  const QString wanted = Text1.text.toLower();
  for (int i : QList<int>(List1.selectedLines()))
    List1.setSelected(i, false);
  matches.clear();
  int found = 0;
  for (int i = 0; i < List1.count(); ++i) {
    if (!List1.item(i).toLower().contains(wanted))
      continue;
    List1.setSelected(i, true);
    ++found;
    if (matches.size() < kMaxMatches)
      matches.append(left(List1.item(i), 5));
  }
  QString result = QStringLiteral("   Nº Similitudes= ");
  for (const QString &number : std::as_const(matches))
    result += fmt(number, QStringLiteral("@@@@@"));
  if (found == 0)
    result += u'0'; // a search that finds nothing says so
  // Only the first hundred numbers are written; every match is selected all the same.
  if (found > matches.size())
    result += QStringLiteral("  (y %1 más)").arg(found - matches.size());
  Text1.text += result;
}

void HelpWindow::Text1_KeyPress(int keyAscii)
{
  for (int i : QList<int>(List1.selectedLines()))
    List1.setSelected(i, false);
  if (keyAscii == u'\r')
    Command1_Click();
  else
    focusedControl = QStringLiteral("Text1");
}

void HelpWindow::Text1_Click()
{
  Text1.text.clear();
}

void HelpWindow::Command2_Click(const controls::Services &services)
{
  controls::PrinterService &p = *services.printer;
  p.setFontSize(10);
  for (int i : List1.selectedLines())
    p.printLine(mid(List1.item(i), 6));
  p.printLine(QStringLiteral(" Vaticor, Ayuda ---------"));
  const QString error = p.endDoc();
  p.setFontSize(8);
  if (!error.isEmpty() && services.messages)
    services.messages->show(error, QStringLiteral("Vaticor, Ayuda"), controls::MessageIcon::Critical);
}

void HelpWindow::hover(const QString &control)
{
  if (control == QStringLiteral("Command2"))
    Label2.caption = QStringLiteral(" Permite imprimir el texto seleccionado de la lista. Solo el seleccionado. ");
  else if (control == QStringLiteral("Command3"))
    Label2.caption = QStringLiteral(" Al Hacer -Click- aquí, se presenta en pantalla el INDICE de la Ayuda. Dando gran "
                                    "agilidad a la busqueda de datos.") +
                     lineBreak() +
                     QStringLiteral(" Después de elegir en el INDICE, con -SPACE-, vuelve nuevamente al INDICE");
  else if (control == QStringLiteral("List1"))
    Label2.caption = QStringLiteral(" Al pulsar sobre cualquier opción del INDICE, esta se presentará en pantalla") +
                     lineBreak() +
                     QStringLiteral(" Permite selccionar el texto deseado en la lista e imprimirlo.");
  else if (control == QStringLiteral("Text1"))
    Label2.caption = QStringLiteral(" Permite introducir un TEXTO. Con ENTER lo buscará en la lista.") + lineBreak() +
                     QStringLiteral("  Presentará las simulitudes encontradas, dando el nº de línea donde se "
                                    "encuentra.");
}

void Qmodelop::mnuAyuda_Click()
{
  if (!ayuda.loaded)
    ayuda.Form_Load(readableFile(QStringLiteral("Vaticor.ans")));
  if (services.windows)
    services.windows->showModal(QStringLiteral("ayuda"));
}

} // namespace vaticor
