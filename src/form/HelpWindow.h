#pragma once
// The help window `ayuda`: the help text "Vaticor.ans" one numbered line per
// item of List1, an index at its top whose entries jump to their sections, a
// search that selects every line holding a text, and the printing of the
// lines selected. Opened modal from the main window's "A&yuda".

#include "controls/Controls.h"
#include "controls/Services.h"

#include <QString>
#include <QStringList>

namespace vaticor {

class HelpWindow {
public:
  HelpWindow();

  bool loaded = false;
  QString caption;
  controls::Geometry geometry;
  controls::ListBox List1;
  controls::Button Command1, Command2, Command3;
  controls::TextBox Text1;
  controls::Label Label1, Label2;
  QString focusedControl; // asked once by a handler; the window applies it and clears it
  int topRequest = -1;    // the line List1 is to show at its top; -1 leaves it where it is
  QStringList matches;    // line numbers (an item's first five characters) of the last search, at most 100

  // Reads the help file, "@@@@@  " and the line for each of its lines; a file
  // that cannot be read leaves the list empty.
  void Form_Load(const QString &helpFile);
  void Form_Unload(); // the next opening reads the file again
  void List1_Click(); // the item at List1.listIndex(): an index entry jumps to its section
  void Command3_Click(); // "INDICE"
  void Command3_KeyPress(int keyAscii);
  void Command1_Click(); // "Buscar"
  void Text1_KeyPress(int keyAscii);
  void Text1_Click();
  // "Imprimir Seleccion"; a printer failure is told in a message.
  void Command2_Click(const controls::Services &services);
  // The help line for a control of the window ("Command2", "Command3", "List1", "Text1").
  void hover(const QString &control);

  static constexpr int kIndexFirst = 5, kIndexLast = 29, kSectionsFirst = 30;
  static constexpr int kMaxMatches = 100;
};

} // namespace vaticor
