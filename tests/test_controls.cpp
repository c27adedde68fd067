// The control models: texts come back as written, no index can break them.
#include "controls/Controls.h"

#include <QtTest>

using namespace controls;

class TestControls : public QObject {
  Q_OBJECT

private slots:
  void gridResizeKeepsCells_data()
  {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<bool>("kept"); // cell (2,3) survives
    QTest::newRow("both grow") << 31 << 15 << true;
    QTest::newRow("row cut off") << 2 << 4 << false;
    QTest::newRow("column cut off") << 3 << 3 << false;
    QTest::newRow("emptied") << 0 << 0 << false;
  }

  void gridResizeKeepsCells()
  {
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(bool, kept);
    Grid g;
    g.setRows(3);
    g.setCols(4);
    g.setText(2, 3, " 5 ");
    g.setText(0, 0, "Equipo");
    g.setCellColour(2, 3, paletteColour(11));
    g.setColWidth(3, 950);
    g.setColAlignment(3, Alignment::LeftCentre);
    g.row = 2;
    g.col = 3;

    g.setRows(rows);
    g.setCols(cols);
    QCOMPARE(g.text(2, 3), kept ? QString(" 5 ") : QString());
    QCOMPARE(g.cellColour(2, 3), kept ? paletteColour(11) : kNoColour);
    QCOMPARE(g.colWidth(3), cols > 3 ? 950 : 0);
    QCOMPARE(g.colAlignment(3), cols > 3 ? Alignment::LeftCentre : Alignment::General);
    QCOMPARE(g.text(0, 0), rows > 0 && cols > 0 ? QString("Equipo") : QString());
    // New cells read empty and uncoloured; the current cell stays inside the grid.
    if (rows > 3)
      QVERIFY(g.text(rows - 1, 0).isEmpty() && g.cellColour(rows - 1, 3) == kNoColour);
    if (cols > 4)
      QVERIFY(g.text(0, cols - 1).isEmpty() && g.cellColour(2, cols - 1) == kNoColour);
    if (rows > 0 && cols > 0)
      QVERIFY(g.row >= 0 && g.row < rows && g.col >= 0 && g.col < cols);
    // Growing back does not bring a lost cell back.
    g.setRows(3);
    g.setCols(4);
    QCOMPARE(g.text(2, 3), kept ? QString(" 5 ") : QString());
  }

  void gridOutOfRange_data()
  {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::newRow("row -1") << -1 << 0;
    QTest::newRow("col -1") << 0 << -1;
    QTest::newRow("row = rows") << 3 << 0;
    QTest::newRow("col = cols") << 0 << 4;
  }

  void gridOutOfRange()
  {
    QFETCH(int, row);
    QFETCH(int, col);
    Grid g;
    g.setRows(3);
    g.setCols(4);
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 4; ++c)
        g.setText(r, c, QString::number(r * 10 + c));
    g.setText(row, col, "X");
    g.setCellColour(row, col, paletteColour(12));
    g.setColWidth(col, 5);
    g.setColAlignment(col, Alignment::LeftTop);
    QCOMPARE(g.text(row, col), QString());
    QCOMPARE(g.cellColour(row, col), kNoColour);
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 4; ++c)
        QVERIFY(g.text(r, c) == QString::number(r * 10 + c) && g.cellColour(r, c) == kNoColour);
    if (col < 0 || col >= 4) {
      QCOMPARE(g.colWidth(col), 0);
      for (int c = 0; c < 4; ++c)
        QVERIFY(g.colWidth(c) != 5 && g.colAlignment(c) == Alignment::General);
    }
  }

  void gridClearAndCurrentCell()
  {
    Grid g;
    g.setRows(31);
    g.setCols(15);
    g.setText(0, 1, "Casa");
    g.setText(30, 14, "  ");
    g.row = 4;
    g.col = 2;
    g.setCurrentCellColour(paletteColour(7));
    QCOMPARE(g.cellColour(4, 2), rgb(192, 192, 192));
    QCOMPARE(g.cellColour(2, 4), kNoColour);
    QCOMPARE(g.text(30, 14), QString("  ")); // blanks come back as written
    g.clear();
    QCOMPARE(g.rows() * g.cols(), 31 * 15);
    QVERIFY(g.text(0, 1).isEmpty() && g.text(30, 14).isEmpty());
    QCOMPARE(g.cellColour(4, 2), rgb(192, 192, 192)); // clearing the texts keeps the shading
  }

  void listBoxSelection_data()
  {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("expected"); // selection starts at line 1 of 3
    QTest::newRow("none") << -1 << -1;
    QTest::newRow("first") << 0 << 0;
    QTest::newRow("last") << 2 << 2;
    QTest::newRow("one past the end") << 3 << 1;
    QTest::newRow("below none") << -2 << 1;
  }

  void listBoxSelection()
  {
    QFETCH(int, index);
    ListBox list;
    for (const char *line : {"a", "b", "c"})
      list.addItem(line);
    list.setListIndex(1);
    list.setListIndex(index);
    QTEST(list.listIndex(), "expected");
  }

  void listBoxClearAndItems()
  {
    ListBox list;
    list.addItem(" 1 BARÇA-R.MAD.");
    list.addItem("");
    list.setListIndex(1);
    QCOMPARE(list.item(0), QString(" 1 BARÇA-R.MAD."));
    QVERIFY(list.item(2).isNull() && list.item(-1).isNull());
    list.clear();
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.listIndex(), -1);
  }

  void listBoxOrder_data()
  {
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("unsorted keeps arrival") << false << QStringList{"b", "a", "C"} << QStringList{"b", "a", "C"};
    QTest::newRow("case ignored") << true << QStringList{"beta", "Alpha", "GAMMA", "alpha2"}
                                  << QStringList{"Alpha", "alpha2", "beta", "GAMMA"};
    QTest::newRow("accents ignored") << true << QStringList{"MALLO - X", "MÁLAG - Y", "MADRB - Z"}
                                     << QStringList{"MADRB - Z", "MÁLAG - Y", "MALLO - X"};
    QTest::newRow("cedilla") << true << QStringList{"BARCB", "BARÇA", "BARBA"}
                             << QStringList{"BARBA", "BARÇA", "BARCB"};
    QTest::newRow("Ñ after N") << true << QStringList{"OSASU", "ÑANDU", "NZZZZ", "NUMAN"}
                               << QStringList{"NUMAN", "NZZZZ", "ÑANDU", "OSASU"};
    QTest::newRow("point before letters") << true << QStringList{"REAL ", "RAYO ", "R.MAD"}
                                          << QStringList{"R.MAD", "RAYO ", "REAL "};
    QTest::newRow("digits before letters") << true << QStringList{"ALAVE", "10 ", "2 "}
                                           << QStringList{"10 ", "2 ", "ALAVE"};
  }

  void listBoxOrder()
  {
    QFETCH(bool, sorted);
    QFETCH(QStringList, added);
    ListBox list;
    list.sorted = sorted;
    for (const QString &line : added)
      list.addItem(line);
    QTEST(list.lines(), "expected");
  }

  // What a list reports to its view after each act, as "cleared first
  // selection" (first -1: no line), from a list holding "b", "d", "f" whose
  // changes were taken. Acts: "add x", "set i x", "index i", "mark i",
  // "unmark i", "clear", "sorted".
  void listBoxChanges_data()
  {
    QTest::addColumn<QStringList>("acts");
    QTest::addColumn<QString>("changes");
    QTest::newRow("nothing") << QStringList{} << "0 -1 0";
    QTest::newRow("a line added") << QStringList{"add g"} << "0 3 0";
    QTest::newRow("added into a sorted list") << QStringList{"sorted", "add c"} << "0 1 0";
    QTest::newRow("added before all") << QStringList{"sorted", "add a", "add z"} << "0 0 0";
    QTest::newRow("a line rewritten") << QStringList{"set 2 x"} << "0 2 0";
    QTest::newRow("rewritten as it was") << QStringList{"set 1 d"} << "0 -1 0";
    QTest::newRow("rewritten past the end") << QStringList{"set 3 x", "set -1 x"} << "0 -1 0";
    QTest::newRow("the first of two") << QStringList{"set 2 x", "set 0 y"} << "0 0 0";
    QTest::newRow("emptied") << QStringList{"clear"} << "1 -1 0";
    QTest::newRow("emptied and filled") << QStringList{"clear", "add b"} << "1 0 0";
    QTest::newRow("emptied with its index") << QStringList{"index 1", "clear"} << "1 -1 1";
    QTest::newRow("index moved") << QStringList{"index 2"} << "0 -1 1";
    QTest::newRow("index past the end") << QStringList{"index 3"} << "0 -1 0";
    QTest::newRow("line marked") << QStringList{"mark 1"} << "0 -1 1";
    QTest::newRow("unmarked line unmarked") << QStringList{"unmark 1"} << "0 -1 0";
    QTest::newRow("marked past the end") << QStringList{"mark 5"} << "0 -1 0";
  }

  void listBoxChanges()
  {
    QFETCH(QStringList, acts);
    ListBox list;
    for (const char *line : {"b", "d", "f"})
      list.addItem(line);
    QVERIFY(list.takeChanges().any());
    for (const QString &act : acts) {
      const QStringList w = act.split(u' ');
      if (w[0] == "add")
        list.addItem(w[1]);
      else if (w[0] == "set")
        list.setItem(w[1].toInt(), w[2]);
      else if (w[0] == "index")
        list.setListIndex(w[1].toInt());
      else if (w[0] == "mark" || w[0] == "unmark")
        list.setSelected(w[1].toInt(), w[0] == "mark");
      else if (w[0] == "clear")
        list.clear();
      else if (w[0] == "sorted")
        list.sorted = true;
    }
    const ListChanges c = list.takeChanges();
    QTEST(QStringLiteral("%1 %2 %3").arg(int(c.cleared)).arg(c.firstLine).arg(int(c.selection)), "changes");
    QVERIFY(!list.takeChanges().any()); // taken once
  }

  // What a grid reports after each act, as "layout top left bottom right"
  // (top -1: no cell), from a 4 x 5 grid with "x" at (1, 1) whose changes were
  // taken. Acts: "text r c v", "colour r c", "width c twips", "align c",
  // "rows n", "cols n", "clear".
  void gridChanges_data()
  {
    QTest::addColumn<QStringList>("acts");
    QTest::addColumn<QString>("changes");
    QTest::newRow("nothing") << QStringList{} << "0 -1 -1 -1 -1";
    QTest::newRow("one cell") << QStringList{"text 2 3 a"} << "0 2 3 2 3";
    QTest::newRow("written as it was") << QStringList{"text 1 1 x"} << "0 -1 -1 -1 -1";
    QTest::newRow("two cells, the rectangle") << QStringList{"text 3 0 a", "text 0 4 b"} << "0 0 0 3 4";
    QTest::newRow("a colour") << QStringList{"colour 2 2"} << "0 2 2 2 2";
    QTest::newRow("outside the grid") << QStringList{"text 4 0 a", "colour 0 5", "text -1 0 a"}
                                      << "0 -1 -1 -1 -1";
    QTest::newRow("the texts cleared") << QStringList{"text 3 4 a", "clear"} << "0 1 1 3 4";
    QTest::newRow("only cells with text are cleared") << QStringList{"text 1 1 ", "clear"} << "0 1 1 1 1";
    QTest::newRow("a width") << QStringList{"width 2 900"} << "1 -1 -1 -1 -1";
    QTest::newRow("the same width") << QStringList{"width 2 600"} << "0 -1 -1 -1 -1";
    QTest::newRow("an alignment") << QStringList{"align 0"} << "1 -1 -1 -1 -1";
    QTest::newRow("more rows") << QStringList{"rows 6"} << "1 -1 -1 -1 -1";
    QTest::newRow("as many columns") << QStringList{"cols 5"} << "0 -1 -1 -1 -1";
  }

  void gridChanges()
  {
    QFETCH(QStringList, acts);
    Grid g;
    g.setRows(4);
    g.setCols(5);
    g.setText(1, 1, "x");
    QVERIFY(g.takeChanges().any());
    for (const QString &act : acts) {
      const QStringList w = act.split(u' ');
      if (w[0] == "text")
        g.setText(w[1].toInt(), w[2].toInt(), w.value(3));
      else if (w[0] == "colour")
        g.setCellColour(w[1].toInt(), w[2].toInt(), paletteColour(12));
      else if (w[0] == "width")
        g.setColWidth(w[1].toInt(), w[2].toInt());
      else if (w[0] == "align")
        g.setColAlignment(w[1].toInt(), Alignment::LeftTop);
      else if (w[0] == "rows")
        g.setRows(w[1].toInt());
      else if (w[0] == "cols")
        g.setCols(w[1].toInt());
      else if (w[0] == "clear")
        g.clear();
    }
    const GridChanges c = g.takeChanges();
    QTEST(QStringLiteral("%1 %2 %3 %4 %5").arg(int(c.layout)).arg(c.top).arg(c.left).arg(c.bottom).arg(c.right),
          "changes");
    QVERIFY(!g.takeChanges().any());
  }

  // A control given another's value, or a new one, has everything to draw,
  // whatever the other had pending: its view knows nothing of the value.
  void copiesHaveEverythingToDraw()
  {
    ListBox list;
    list.addItem("a");
    list.takeChanges();
    ListBox copy = list;
    ListChanges c = copy.takeChanges();
    QVERIFY(c.cleared && c.firstLine == 0 && c.selection);
    ListBox shown;
    shown.takeChanges();
    shown = list;
    QVERIFY(shown.takeChanges().cleared);
    QCOMPARE(shown.lines(), QStringList{"a"});

    Grid grid;
    grid.setRows(2);
    grid.takeChanges();
    Grid other;
    other.takeChanges();
    other = grid;
    QVERIFY(other.takeChanges().layout);
    QCOMPARE(other.rows(), 2);
    QVERIFY(Grid().takeChanges().layout);
  }
};

QTEST_GUILESS_MAIN(TestControls)
#include "test_controls.moc"
