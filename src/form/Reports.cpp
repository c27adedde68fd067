// Every report of the window on the printer, as fixed-pitch text at character
// columns; the export of the results by goal difference to "Qhistorial.TXT";
// the blank lines fed before a report; the two-round sheet.
#include "form/Qmodelop.h"
#include "text/SequentialFile.h"
#include "text/TextRules.h"

#include <QFile>

using text::fmt;
using text::left;
using text::mid;
using text::right;

namespace vaticor {

namespace {

QStringList captionLines(const Label &label)
{
  return QString(label.caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
}

} // namespace

QString Qmodelop::reportDate() const
{
  return services.clock->today().toString(QStringLiteral("dd/MM/yyyy"));
}

void Qmodelop::reportEnded(const QString &error, bool tellFailure)
{
  blankLineCount = 0;
  Command14.caption = QStringLiteral(" Salto 5  ") + fmt(blankLineCount, QStringLiteral(" 00"));
  if (!error.isEmpty() && tellFailure)
    refuse(error, QStringLiteral("Vaticor"), controls::MessageIcon::Critical);
}

void Qmodelop::Command14_Click()
{
  feedBlankLines(5);
}

void Qmodelop::Command15_MouseDown()
{
  feedBlankLines(1);
}

void Qmodelop::feedBlankLines(int lines)
{
  controls::PrinterService &p = *services.printer;
  for (int i = 0; i < lines; ++i)
    p.printLine();
  blankLineCount = static_cast<int16_t>(blankLineCount + lines);
  if (blankLineCount > 68) {
    blankLineCount = 0;
    p.newPage();
  }
  Command14.caption = QStringLiteral(" Salto 5  ") + fmt(blankLineCount, QStringLiteral(" 00"));
}

void Qmodelop::Command2_Click()
{
  controls::PrinterService &p = *services.printer;
  p.setFontName(QStringLiteral("Lucida Console"));
  p.setFontSize(9);
  const int n = teamCount();
  const QString dashes(3 * n + 11, u'-');
  p.printLine(kCredit);
  p.printLine(Label4.caption + QStringLiteral("  fecha= ") + reportDate());
  p.printLine(dashes);
  for (int r = 0; r <= n; ++r) {
    p.printAt(0, tab1.text(r, 0));
    for (int c = 1; c <= n; ++c) {
      const QString cell = tab1.text(r, c);
      if (cell.size() < 2)
        p.printAt(0, QStringLiteral("|__"));
      else
        p.printAt(3 * c + 9, u'|' + cell);
    }
    p.printAt(0, QStringLiteral("|"));
    p.endLine();
    if (r == 0 || r == n)
      p.printLine(dashes);
  }
  p.printLine(kCredit);
  reportEnded(p.endDoc(), false);
  focusedControl = QStringLiteral("Text2");
}

void Qmodelop::Command5_Click()
{
  controls::PrinterService &p = *services.printer;
  const QString font = p.fontName();
  p.setFontName(QStringLiteral("Lucida Console"));
  p.setFontSize(9);
  p.printLine(QStringLiteral(" "));
  for (const QString &line : captionLines(Label53))
    p.printLine(line);
  const int rows = division == 1 ? 20 : 22;
  for (int r = 0; r <= rows; ++r) {
    const QString line = fmt(tabl1x2.text(r, 0), QStringLiteral("!") + QString(18, u'@')) + u'|' +
                         tabl1x2.text(r, 1) + u'|' + tabl1x2.text(r, 2) + QStringLiteral("||") + tabl1x2.text(r, 3) +
                         u'|' + tabl1x2.text(r, 4) + QStringLiteral("||") + tabl1x2.text(r, 5) + u'|' +
                         tabl1x2.text(r, 6) + QStringLiteral("||") + tabl1x2.text(r, 7) + u'|';
    p.printLine(line);
    if (text::instr(QStringLiteral("-00-05-10-15-20-22"), fmt(r, QStringLiteral("00"))) > 0)
      p.printLine(QString(line.size(), u'-'));
  }
  for (const QString &line : captionLines(Label14))
    p.printLine(line);
  p.printLine(kCredit + QStringLiteral("   ") + reportDate());
  const QString error = p.endDoc();
  p.setFontName(font);
  reportEnded(error, false);
}

void Qmodelop::Command24_Click()
{
  controls::PrinterService &p = *services.printer;
  p.endDoc();
  p.setOrientation(2);
  Command5_Click();
  p.setOrientation(1);
  p.endDoc();
}

void Qmodelop::Label30_Click()
{
  controls::PrinterService &p = *services.printer;
  p.setFontName(QStringLiteral("Verdana"));
  p.setFontSize(9);
  const int n = teamCount();
  p.printLine(kCredit);
  p.printLine(Label7.caption + QStringLiteral("   Fecha= ") + reportDate());
  p.printLine(QString(130, u'-'));
  for (int i = 0; i <= n + 3; ++i) {
    if (i >= 3) {
      p.printAt(1, i == 3 ? QStringLiteral("N.") : fmt(i - 3, QStringLiteral("@@")));
      p.printAt(5, left(tablag.text(i - 3, 1), 6));
      p.printAt(13, left(tablag.text(i - 3, 2), 7));
    } else {
      p.printAt(1, QString(8, u' '));
    }
    p.printAt(22, left(List12[0].item(i), 12));
    p.printAt(34, List12[1].item(i));
    p.printAt(57, List12[2].item(i));
    p.printAt(82, List12[3].item(i));
    p.endLine();
  }
  p.printLine(QString(130, u'-'));
  p.printLine(kCredit);
  reportEnded(p.endDoc(), false);
}

void Qmodelop::Label31_Click()
{
  controls::PrinterService &p = *services.printer;
  p.setFontName(QStringLiteral("Lucida Console"));
  p.setFontSize(8);
  p.printLine(kCredit);
  const QString title = evolutionShown ? QStringLiteral(" Clasificación General y Evolución de los Equipos de ")
                                       : QStringLiteral(" Jornada Visualizadas de ");
  p.printLine(title + fmt(division, QStringLiteral(" 0ª")) + QStringLiteral(" División. Jornada= ") +
              fmt(jornada, QStringLiteral("00")) + QStringLiteral("   Fecha= ") + reportDate());
  if (evolutionShown) {
    p.printLine(QString(110, u'-'));
    const int positions[5][2] = {{20, 32}, {38, 50}, {56, 68}, {74, 86}, {92, 104}};
    for (int r = 0; r <= teamCount(); ++r) {
      p.printAt(1, r == 0 ? QStringLiteral(" Nº") : fmt(r, QStringLiteral("@@")));
      p.printAt(4, left(tablag.text(r, 1), 6));
      p.printAt(11, left(tablag.text(r, 2), 8));
      // The header row takes each list's heading; a club's row its line.
      const int item = r == 0 ? 0 : r + 1;
      for (int k = 0; k < 5; ++k) {
        const QString line = List2[k].item(item);
        p.printAt(positions[k][0], k <= 1 ? mid(line, 2) : left(line, 11));
        p.printAt(positions[k][1], left(List3[k].item(item), 5));
      }
      p.endLine();
    }
  } else {
    p.printLine(QString(115, u'-'));
    const int positions[5][2] = {{1, 17}, {23, 39}, {46, 63}, {70, 87}, {94, 111}};
    for (int block = 0; block < 2; ++block) {
      int rows = 0;
      for (int k = 0; k < 5; ++k)
        rows = std::max(rows, List10[block * 5 + k].count());
      for (int i = 0; i < rows; ++i) {
        for (int k = 0; k < 5; ++k) {
          p.printAt(positions[k][0], left(List10[block * 5 + k].item(i), 14));
          p.printAt(positions[k][1], left(List11[block * 5 + k].item(i), 5));
        }
        p.endLine();
      }
    }
  }
  p.printLine(QString(20, u'-'));
  p.printLine(kCredit);
  reportEnded(p.endDoc(), false);
}

void Qmodelop::Command39_Click()
{
  Label31_Click();
}

void Qmodelop::Label36_Click()
{
  controls::PrinterService &p = *services.printer;
  p.setFontName(QStringLiteral("Lucida Console"));
  p.setFontSize(8);
  p.printLine(kCredit);
  p.printLine(Frame8.caption);
  p.printLine(Label38.caption);
  p.printLine(QString(125, u'-'));
  int rows = 0;
  for (const ListBox &list : List13)
    rows = std::max(rows, list.count());
  const int positions[6] = {1, 21, 42, 63, 84, 105};
  for (int i = 0; i < rows; ++i) {
    for (int k = 0; k < 6; ++k)
      p.printAt(positions[k], List13[k].item(i));
    p.endLine();
  }
  p.printLine(QString(125, u'-'));
  p.printLine(kCredit);
  reportEnded(p.endDoc(), false);
}

void Qmodelop::Label48_Click()
{
  controls::PrinterService &p = *services.printer;
  p.setOrientation(2);
  p.setFontName(QStringLiteral("Lucida Console"));
  p.setFontSize(8);
  p.printLine(Label10.caption);
  p.printLine(Label11.caption);
  p.printLine(QString(24, u'-'));
  p.printLine(QStringLiteral(" Nº"));
  for (int r = 0; r < tablag.rows(); ++r)
    p.printLine(fmt(r, QStringLiteral("@@")) + u'|' + tablag.text(r, 0) + u'|' + tablag.text(r, 1) + u'|' +
                tablag.text(r, 2));
  p.printLine(QString(24, u'-'));
  p.printLine(kCredit);
  const QString error = p.endDoc();
  p.setOrientation(1);
  reportEnded(error, false);
}

void Qmodelop::Label43_Click()
{
  // Print widths of columns 0..13; a column switched off is left out.
  const QString widths = QStringLiteral("08 06 17 17 19 13 14 16 18 20 12 06 03 06");
  auto width = [&](int c) { return text::ival(mid(widths, 3 * c + 1, 2)); };
  QList<int> printed;
  int length = width(0) + 1;
  for (int c = 1; c <= 13; ++c) {
    if (Check2[c].value == 1)
      continue;
    printed.append(c);
    length += width(c) + 1;
  }
  Label25.caption = fmt(length, QStringLiteral("  00 char"));
  const controls::MessageAnswer answer =
      services.messages->show(QStringLiteral("Desea Imprimir el Pronóstico?"), QStringLiteral("Imprimir Pronóstico?"),
                              controls::MessageIcon::None, controls::MessageButtons::OkCancel);
  if (answer != controls::MessageAnswer::Ok)
    return;
  controls::PrinterService &p = *services.printer;
  const QString font = p.fontName();
  const double size = p.fontSize();
  p.endDoc();
  p.setOrientation(2);
  p.setFontName(QStringLiteral("Lucida Console"));
  p.setFontSize(8);
  // The score model's P(1) P(X) P(2) and likeliest sign stand beside each
  // line, as in the window; the goals of the pleno under line 15.
  constexpr int kModelWidth = 11;
  const QString dashes(length + kModelWidth + 1, u'-');
  p.printLine(QStringLiteral(" "));
  p.printLine(kCredit);
  p.printLine(QStringLiteral(" "));
  p.printLine(Label49.caption);
  p.printLine(dashes);
  p.printLine(Label51.caption);
  for (int r = 0; r <= 30; ++r) {
    QString line = left(tablap.text(r, 0), width(0)) + u'|';
    for (int c : printed) {
      const QString cell = tablap.text(r, c);
      if (c == 1)
        line += fmt(left(cell, 6), QStringLiteral("!@@@@@@"));
      else if (c == 4)
        line += right(cell, 19);
      else if (c == 7)
        line += right(cell, 16);
      else
        line += left(cell, width(c));
      line += u'|';
    }
    line += fmt(left(tablam.text(r, 0), kModelWidth), QStringLiteral("!") + QString(kModelWidth, u'@')) + u'|';
    p.printLine(line);
    if (text::instr(QStringLiteral(" 00 02 04 06 08 10 12 14 16 18 20 22 24 26 28 30"), fmt(r, QStringLiteral("00"))) > 0)
      p.printLine(dashes);
  }
  p.printAt(1, kCredit);
  p.printAt(105, QStringLiteral("Figura Probable (V X 2):= ") + Label46.caption);
  p.endLine();
  const QString error = p.endDoc();
  p.setFontName(font);
  p.setFontSize(size);
  reportEnded(QString(), false);
  p.setOrientation(1);
  if (!error.isEmpty())
    refuse(QStringLiteral("Error al imprimir el pronóstico: ") + error, QStringLiteral("Vaticor"),
                            controls::MessageIcon::Critical);
}

void Qmodelop::mnuIventana_Click()
{
  // The window is wider than high: on a landscape page it fills the width.
  controls::PrinterService &p = *services.printer;
  p.setOrientation(2);
  p.printWindowImage();
  const QString error = p.endDoc();
  p.setOrientation(1);
  reportEnded(error, false);
}

QString Qmodelop::Label37_Click()
{
  QStringList lines = {kCredit, Frame4.caption,
                       QStringLiteral(" Nº     Ganados Dif>2    Ganados Dif<3       Empatados <2      Empatados>2    "
                                      "Perdidos Dif<-2   Perdidos Dif<-3"),
                       QString(110, u'-')};
  const QString blanks(16, u' ');
  for (int i = 0; i < List9[1].count(); ++i) {
    QString line = fmt(i + 1, QStringLiteral("000 "));
    for (ListBox &list : List9) {
      // A short item is blanked in the list itself before it is written.
      QString item = list.item(i);
      if (item.size() < 10) {
        item = blanks;
        if (i < list.count())
          list.setItem(i, item);
      }
      line += fmt(item, QString(17, u'@') + u' ');
    }
    lines.append(line);
  }
  lines.append(QString(107, u'-'));
  lines.append(kCredit);
  QString block;
  for (const QString &line : lines)
    block += line + QStringLiteral("\r\n");
  block += QStringLiteral("\r\n");
  // Earlier exports stay: the file is rewritten whole with the block added.
  const QString path = workDir + QStringLiteral("Qhistorial.TXT");
  QFile old(path);
  QByteArray bytes;
  if (old.exists()) {
    // An export that cannot be read back is not rewritten without it.
    if (!old.open(QIODevice::ReadOnly)) {
      const QString error = QStringLiteral("No se puede leer el archivo %1: %2").arg(path, old.errorString());
      refuse(error, QStringLiteral("Vaticor"), controls::MessageIcon::Critical);
      return error;
    }
    bytes = old.readAll();
    old.close();
  }
  bytes += text::encodeWindows1252(block);
  const QString error = text::writeFileAtomically(path, bytes);
  if (!error.isEmpty())
    refuse(error, QStringLiteral("Vaticor"), controls::MessageIcon::Critical);
  return error;
}

// ---- the two-round sheet ----

QString twoRoundLine(const QString &home, const QString &away, const QString &first, const QString &second, int jornada)
{
  auto goal = [](const QString &result, int at) { return text::ival(mid(result, at, 1)); };
  const int a = goal(first, 1) + goal(second, 2);
  const int b = goal(second, 1) + goal(first, 2);
  const QString total = QString::number(a % 10) + u' ' + QString::number(b % 10);
  return home + QStringLiteral(" - ") + away + fmt(first, QStringLiteral(" |@@|")) + fmt(second, QStringLiteral("@@|")) +
         fmt(total, QStringLiteral("@@@@")) + fmt(jornada, QStringLiteral("@@@"));
}

void Qmodelop::Command1_Click()
{
  const int n = teamCount();
  const QString label = division == 1 ? QStringLiteral("1ª DIVISIÓN") : QStringLiteral("2ª DIVISIÓN");
  List15.sorted = true;
  List15.clear();
  auto nameOfTeam = [&](int team) { return mid(teamNameList, (team - 1) * 6 + 1, 5); };
  for (int j = 1; j <= n - 1; ++j) {
    buildFixture(j);
    for (int i = 1; i <= n / 2; ++i) {
      const QString key = fmt(homeTeam[i], QStringLiteral("00")) + fmt(awayTeam[i], QStringLiteral("00"));
      lookUpResult(key);
      const QString first = lookupGoals;
      const QString back = fmt(awayTeam[i], QStringLiteral("00")) + fmt(homeTeam[i], QStringLiteral("00"));
      if (back == QStringLiteral("0000") || back.isEmpty())
        break;
      lookUpResult(back);
      List15.addItem(twoRoundLine(nameOfTeam(homeTeam[i]), nameOfTeam(awayTeam[i]), first, lookupGoals, j));
    }
  }

  controls::PrinterService &p = *services.printer;
  p.setFontName(QStringLiteral("Lucida Console"));
  p.setFontSize(8);
  p.printAt(10, fmt(label, QStringLiteral("@@@@@@@@@@@@")) + QStringLiteral(" Jornadas Equivalentes "));
  p.endLine();
  const QString heading = QStringLiteral("Eq. Casa/Vist.") + QStringLiteral("|R1|R2| GTt Jorn.");
  for (int column : {10, 43, 76})
    p.printAt(column, heading);
  p.endLine();
  // Three columns of the sorted sheet, from lines 0, 80 and 160; a column
  // whose home team changes prints a separator row first.
  int cursors[3] = {0, 80, 160};
  bool separated[3] = {false, false, false}; // the separator row of the line at the cursor is printed
  const int columns[3] = {10, 43, 76};
  while (cursors[0] <= 80 && cursors[0] < List15.count()) {
    for (int k = 0; k < 3; ++k) {
      int &at = cursors[k];
      if (k == 2 && at >= List15.count())
        continue;
      if (at > 0 && !separated[k] && !left(List15.item(at - 1), 5).contains(left(List15.item(at), 5))) {
        p.printAt(columns[k], QString(28, u'-'));
        separated[k] = true; // the line follows on the next row
        continue;
      }
      p.printAt(columns[k], List15.item(at));
      ++at;
      separated[k] = false;
    }
    p.endLine();
  }
  p.printAt(76, QString(33, u'-'));
  p.endLine();
  p.printLine(kCredit);
  p.printLine(QStringLiteral("Hoja de las dos vueltas, ") + reportDate());
  reportEnded(p.endDoc(), false);
  focusedControl = QStringLiteral("Text2");
}

} // namespace vaticor
