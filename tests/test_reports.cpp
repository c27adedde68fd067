// Reports as they stand on paper, through the text printer: whole lines and
// the character columns of their pieces, the blank-line feed, the export to
// Qhistorial.TXT and the two-round sheet.
#include "TestSeasons.h"
#include "form/CouponRoad.h"
#include "cli/CommandLine.h"

#include <QtTest>

using controls::MessageAnswer;
using testing::FormFixture;

namespace {

struct Printed : FormFixture {
  Printed()
  {
    QFile::copy(testing::samplePath("Edato14.txt"), folder() + "Edato14.txt");
    loadFile(folder() + "Edato14.txt");
  }
  QStringList lines() const { return scripted.printer.pageLines; }
};

const QString kCredit = "Vaticor - estadísticas y pronósticos de la quiniela";

} // namespace

class TestReports : public QObject {
  Q_OBJECT

private slots:
  void resultsGrid()
  {
    Printed p;
    p.form->Text1.text = "20";
    p.form->Command7_Click();
    p.form->tab1.setText(2, 5, "x"); // a cell of one character
    p.form->Command2_Click();
    const QStringList l = p.lines();
    QCOMPARE(l.size(), 1 + 1 + 1 + 21 + 2 + 1);
    QCOMPARE(l[0], kCredit);
    QCOMPARE(l[1], "Jornada No 38       Cuadrante de Resultados de los Equipos de  Primera División  fecha= 06/12/2026");
    QCOMPARE(l[2], QString(71, '-'));
    QCOMPARE(l[3], "No Equips  | 1| 2| 3| 4| 5| 6| 7| 8| 9|10|11|12|13|14|15|16|17|18|19|20|");
    QCOMPARE(l[4], QString(71, '-'));
    QCOMPARE(l[5], " 1-ALMER   |»«|  |  |02|  |  |22|00|  |30|22|  |  |05|  |01|  |  |10|23|");
    QVERIFY(l[6].startsWith(" 2-ATHLE   |61|»«|  |10|__|32|"));
    QCOMPARE(l[25], QString(71, '-'));
    QCOMPARE(p.form->Command14.caption, QString(" Salto 5   00"));
    QCOMPARE(p.form->focusedControl, QString("Text2"));
  }

  void standings()
  {
    Printed p;
    p.form->Command12_Click();
    p.form->Label30_Click();
    const QStringList l = p.lines();
    QCOMPARE(l[2], QString(130, '-'));
    // Pieces at columns 1, 5, 13, 22, 34, 57 and 82.
    QCOMPARE(l[7], QString(" 1   ATLÉT  90  37    1 ATLÉT    49 10 28 16|77 26       1|15  4  0-13  2  4     31.6 22.1 "
                           "53.7|49 41 90  -4 41 37"));
    QCOMPARE(l[6].left(21), QString("N.  Equipo  Tts Ng±  "));
    QVERIFY(p.scripted.printer.log.contains("font Verdana"));
  }

  // The coupon: Cancel prints nothing and leaves the printer as it was;
  // OK prints the coupon landscape, the model's P(1) P(X) P(2) and sign
  // beside each line, and restores the font.
  void coupon()
  {
    Printed p;
    QCOMPARE(vaticor::playCoupon(*p.form, 21, {"1/20/todo", "2/22/1", "2/22/2", "2/22/3", "2/22/4", "2/22/5"}), QString());
    p.scripted.printer.setFontName("Arial");
    p.scripted.printer.log.clear();
    p.scripted.messages.answers = {MessageAnswer::Cancel};
    p.form->Check2[9].value = 1;
    p.form->Label43_Click();
    // 8+1, then each column and its "|", "Ult. Res" and "Diferenc" left out.
    QCOMPARE(p.form->Label25.caption, QString("  154 char"));
    QVERIFY(p.lines().isEmpty());
    QVERIFY(p.scripted.printer.log.isEmpty());
    QCOMPARE(p.scripted.messages.shown.last().title, QString("Imprimir Pronóstico?"));
    p.form->Label43_Click();
    const QStringList l = p.lines();
    QCOMPARE(l[3], p.form->Label49.caption);
    // The printed row and the model's 11 characters with their "|".
    QCOMPARE(l[4], QString(154 + 12, '-'));
    QVERIFY(l[6].endsWith("|1sXs2s| 1% X% 2% M|"));
    QCOMPARE(l[7], QString(166, '-')); // after the heading row
    QCOMPARE(l[8], " 1 GETAF|R22 22|" + p.form->tablap.text(1, 2).left(17) + '|' + p.form->tablap.text(1, 3).left(17) +
                       '|' + p.form->tablap.text(1, 4).right(19) + '|' + p.form->tablap.text(1, 6).left(14) + '|' +
                       p.form->tablap.text(1, 7).right(16) + '|' + p.form->tablap.text(1, 8).left(18) + '|' +
                       p.form->tablap.text(1, 10) + "| -8 X2|   ||" + p.form->tablam.text(1, 0) + '|');
    QVERIFY(QRegularExpression("^( [ 1-9][0-9]){3} [1X2]$").match(p.form->tablam.text(1, 0)).hasMatch());
    QVERIFY(l[9].endsWith("|   276|||           |")); // the away row: no model
    QCOMPARE(l[10], QString(166, '-')); // after the away row of line 1
    // Under line 15, each side's likeliest goals for the pleno.
    QVERIFY2(QRegularExpression("\\| [012M]:[ 1-9][0-9] [012M]:[ 1-9][0-9] \\|$").match(l[l.size() - 3]).hasMatch(),
             qPrintable(l[l.size() - 3]));
    QCOMPARE(l.last().indexOf("Figura Probable (V X 2):= "), 104);
    QCOMPARE(p.scripted.printer.fontName(), QString("Arial"));
    QCOMPARE(p.scripted.printer.orientation(), 1);
    QVERIFY(p.scripted.printer.log.contains("orientation 2"));
  }

  // "Imprime Ventana": the window's image on a landscape page, which it
  // fills across; the printer is left in portrait.
  void windowImage()
  {
    Printed p;
    p.scripted.printer.log.clear();
    p.form->mnuIventana_Click();
    QCOMPARE(p.scripted.printer.log, QStringList({"orientation 2", "window image", "end doc", "orientation 1"}));
    QCOMPARE(p.form->Command14.caption, QString(" Salto 5   00"));
  }

  void couponPrinterFailure()
  {
    Printed p;
    p.scripted.printer.failWith = "La impresora no responde";
    p.form->Label43_Click();
    QCOMPARE(p.scripted.messages.shown.last().text, QString("Error al imprimir el pronóstico: La impresora no responde"));
    p.form->Command7_Click();
    const int shown = p.scripted.messages.shown.size();
    p.form->Command2_Click(); // the other reports stop without a message
    QCOMPARE(p.scripted.messages.shown.size(), shown);
    QCOMPARE(p.form->Command14.caption, QString(" Salto 5   00"));
  }

  void blankLines()
  {
    Printed p;
    for (int i = 0; i < 13; ++i)
      p.form->Command14_Click();
    QCOMPARE(p.form->blankLineCount, int16_t(65));
    QCOMPARE(p.form->Command14.caption, QString(" Salto 5   65"));
    p.form->Command15_MouseDown();
    p.form->Command14_Click();
    QCOMPARE(p.form->blankLineCount, int16_t(0));
    QCOMPARE(p.scripted.printer.log.count("new page"), 1);
    p.form->Label48_Click();
    QCOMPARE(p.lines().mid(0, 71), QStringList(71, QString()));
    QCOMPARE(p.lines()[71], QString("\f"));
  }

  void exportTwice()
  {
    Printed p;
    p.form->Command10_Click();
    QCOMPARE(p.form->Label37_Click(), QString());
    QCOMPARE(p.form->Label37_Click(), QString());
    const QString text = QString::fromLatin1(testing::readAll(p.folder() + "Qhistorial.TXT"));
    const QStringList lines = text.split("\r\n");
    QCOMPARE(text.count("Perdidos Dif<-3"), 2);
    QCOMPARE(lines[0], kCredit);
    QCOMPARE(lines[3], QString(110, '-'));
    // Row 1: each list's first item right-aligned in 17 and a blank; a short one is 16 blanks.
    QCOMPARE(lines[4].left(4), QString("001 "));
    QCOMPARE(lines[4].size(), 4 + 6 * 18);
    const int rows = p.form->List9[1].count();
    QCOMPARE(lines[4 + rows], QString(107, '-'));
    QCOMPARE(lines[6 + rows], QString()); // the block ends with one more line end
    // The empty line before the statistics is blanked in the list itself.
    QCOMPARE(p.form->List9[5].item(p.form->List9[5].count() - 6), QString(16, ' '));
  }

  void twoRoundLines_data()
  {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("line");
    QTest::newRow("2-1, 0-0") << "21" << "00" << "ALMER - BARÇA |21|00| 2 1  7";
    QTest::newRow("3-0, 4-3") << "30" << "43" << "ALMER - BARÇA |30|43| 6 4  7";
    QTest::newRow("unplayed") << ".." << ".." << "ALMER - BARÇA |..|..| 0 0  7";
    QTest::newRow("ten goals: units") << "91" << "19" << "ALMER - BARÇA |91|19| 8 2  7";
  }

  void twoRoundLines()
  {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QTEST(vaticor::twoRoundLine("ALMER", "BARÇA", first, second, 7), "line");
  }

  void twoRoundSheet()
  {
    Printed p;
    p.form->Command1_Click();
    QCOMPARE(p.form->List15.count(), 190);
    QCOMPARE(p.form->List15.item(0), QString("ALMER - BARÇA |02|41| 1 6  7"));
    const QStringList l = p.lines();
    QCOMPARE(l[1].indexOf("Eq. Casa/Vist.|R1|R2| GTt Jorn."), 9);
    QCOMPARE(l[1].lastIndexOf("Eq. Casa/Vist."), 75);
    // The third column starts at line 160 and marks each change of home team.
    QCOMPARE(l[2].mid(75), p.form->List15.item(160));
    QCOMPARE(l[3].mid(75), QString(28, '-'));
  }
};

QTEST_GUILESS_MAIN(TestReports)
#include "test_reports.moc"
