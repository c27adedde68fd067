// The help window: loading, the index jump, the search, the keys of its
// boxes and printing, on help files written here; the bundled help text's
// index; and the real window and credits box opened from the menu.
#include "TestSeasons.h"
#include "WindowSupport.h"
#include "ui/CreditsDialog.h"
#include "ui/HelpDialog.h"
#include "ui/ListWidget.h"
#include "ui/MainWindow.h"
#include "ui/QtWindows.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

using testing::FormFixture;
using testing::screenshotFolder;
using testing::settle;

namespace {

// `count` lines "línea n", Windows-1252 and CR LF, with the texts given at their (1-based) lines.
QByteArray helpText(int count, const QMap<int, QString> &lines)
{
  QString s;
  for (int n = 1; n <= count; ++n)
    s += lines.value(n, QStringLiteral("línea %1").arg(n)) + QStringLiteral("\r\n");
  return s.toLatin1();
}

// The lines selected, as "2 39" (compared as text: Qt's comparison of two
// empty lists of numbers passes a null pointer to memcmp).
QString selection(const controls::ListBox &list)
{
  QStringList numbers;
  for (int i : list.selectedLines())
    numbers.append(QString::number(i));
  return numbers.join(u' ');
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// An index whose entry at line 6 (item 5) names "Goles Casa" (found again in
// lower case at item 33, after a mention inside the index), an entry at line
// 7 naming nothing that exists, one at line 30 (item 29) for item 44; and
// "AB" at lines 3 and 40.
QMap<int, QString> indexedLines()
{
  return {{3, QStringLiteral("xxABxx")},
          {5, QStringLiteral("        Cuatro      no es una entrada")},
          {6, QStringLiteral("        Goles Casa  los goles en su campo")},
          {7, QStringLiteral("        No existe.  ninguna sección")},
          {11, QStringLiteral("   (véase Goles Casa)")},
          {30, QStringLiteral("        Última    ")},
          {31, QStringLiteral("Cuatro")},
          {34, QStringLiteral("== goles casa ==")},
          {40, QStringLiteral("ab al final")},
          {45, QStringLiteral("-- ÚLTIMA    --")}};
}

struct Help {
  FormFixture f;
  vaticor::HelpWindow &w = f.form->ayuda;
  explicit Help(const QByteArray &text = helpText(50, indexedLines()))
  {
    writeFile(f.folder() + QStringLiteral("Vaticor.ans"), text);
    f.form->mnuAyuda_Click();
  }
};

} // namespace

class TestHelp : public QObject {
  Q_OBJECT

private slots:
  void search_data()
  {
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("text");
    QTest::newRow("one character does nothing") << "a" << "6" << "a";
    QTest::newRow("lines 3 and 40") << "ab" << "2 39" << "ab   Nº Similitudes=     3   40";
    QTest::newRow("case ignored") << "Ab" << "2 39" << "Ab   Nº Similitudes=     3   40";
    QTest::newRow("accents, case ignored") << "LÍNEA 50" << "49" << "LÍNEA 50   Nº Similitudes=    50";
    QTest::newRow("nothing found") << "zq" << "" << "zq   Nº Similitudes= 0";
  }
  void search()
  {
    QFETCH(QString, wanted);
    Help h;
    h.w.List1.setSelected(6, true);
    h.w.Text1.text = wanted;
    h.w.Command1_Click();
    QTEST(selection(h.w.List1), "selected");
    QTEST(h.w.Text1.text, "text");
  }

  void searchTwiceAppendsTwice()
  {
    Help h;
    h.w.Text1_Click();
    QCOMPARE(h.w.Text1.text, QString());
    h.w.Text1.text = QStringLiteral("ab");
    h.w.Text1_KeyPress(13);
    h.w.Command1_Click(); // the whole text, results and all, is found nowhere
    QCOMPARE(h.w.Text1.text, QStringLiteral("ab   Nº Similitudes=     3   40   Nº Similitudes= 0"));
    QCOMPARE(selection(h.w.List1), QString());
    h.w.Text1_Click();
    h.w.Text1.text = QStringLiteral("ab");
    h.w.Command1_Click();
    QCOMPARE(h.w.Text1.text, QStringLiteral("ab   Nº Similitudes=     3   40"));
    // Any other key lets the selection go and leaves the text to the box.
    h.w.Text1_KeyPress('x');
    QCOMPARE(selection(h.w.List1), QString());
    QCOMPARE(h.w.focusedControl, QStringLiteral("Text1"));
  }

  void aHundredNumbersAtMost()
  {
    Help h(helpText(150, {}));
    h.w.Text1.text = QStringLiteral("LÍN");
    h.w.Command1_Click();
    QCOMPARE(h.w.List1.selectedLines().size(), 150);
    QString expected = QStringLiteral("LÍN   Nº Similitudes= ");
    for (int n = 1; n <= 100; ++n)
      expected += QStringLiteral("%1").arg(n, 5);
    QCOMPARE(h.w.Text1.text, expected + QStringLiteral("  (y 50 más)"));
  }

  void indexJump_data()
  {
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("top");
    QTest::newRow("item 4 does nothing") << 4 << QList<int>{} << "" << -1;
    QTest::newRow("item 30 does nothing") << 30 << QList<int>{} << "" << -1;
    QTest::newRow("item 5 jumps, case ignored") << 5 << QList<int>{} << "33" << 33;
    QTest::newRow("title found nowhere") << 6 << QList<int>{} << "" << -1;
    QTest::newRow("item 29, the last entry") << 29 << QList<int>{} << "44" << 44;
    QTest::newRow("the line eight on is let go") << 5 << QList<int>{2, 41} << "2 33" << 33;
  }
  void indexJump()
  {
    QFETCH(int, clicked);
    QFETCH(QList<int>, before);
    QFETCH(int, top);
    Help h;
    for (int i : before)
      h.w.List1.setSelected(i, true);
    h.w.List1.setListIndex(clicked);
    h.w.List1_Click();
    QTEST(selection(h.w.List1), "after");
    QCOMPARE(h.w.topRequest, top);
    QCOMPARE(h.w.focusedControl, top < 0 ? QString() : QStringLiteral("Command3"));
  }

  void indiceButtonAndSpace()
  {
    Help h;
    h.w.Command3_KeyPress('a');
    QCOMPARE(selection(h.w.List1), QString());
    h.w.Command3_KeyPress(32);
    QCOMPARE(selection(h.w.List1), QStringLiteral("2"));
    QCOMPARE(h.w.topRequest, 0);
  }

  void printing_data()
  {
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QStringList>("page");
    QTest::newRow("nothing selected") << QList<int>{} << QString() << QStringList{" Vaticor, Ayuda ---------"};
    QTest::newRow("lines 3 and 40") << QList<int>{39, 2} << QString()
                                    << QStringList{"  xxABxx", "  ab al final", " Vaticor, Ayuda ---------"};
    QTest::newRow("printer fails") << QList<int>{2} << "No hay papel" << QStringList{};
  }
  void printing()
  {
    QFETCH(QList<int>, selected);
    QFETCH(QString, failure);
    Help h;
    for (int i : selected)
      h.w.List1.setSelected(i, true);
    h.f.scripted.printer.failWith = failure;
    h.w.Command2_Click(h.f.form->services);
    QTEST(h.f.scripted.printer.pageLines, "page");
    QCOMPARE(h.f.scripted.printer.log, (QStringList{"size 10", "end doc", "size 8"}));
    QCOMPARE(h.f.scripted.messages.shown.size(), failure.isEmpty() ? 0 : 1);
  }

  // Each opening reads the file again: a missing one leaves the list empty, in silence.
  void menuOpensTheWindowAndClosingReleasesIt()
  {
    FormFixture f;
    vaticor::Qmodelop &q = *f.form;
    QVERIFY(q.mnuAyuda.enabled);
    int shown = -1;
    f.scripted.windows.whileOpen = [&](const QString &) {
      shown = q.ayuda.List1.count();
      q.ayuda.Form_Unload();
    };
    q.mnuAyuda_Click();
    QCOMPARE(shown, 0);
    QVERIFY(f.scripted.messages.shown.isEmpty());
    QVERIFY(writeFile(f.folder() + QStringLiteral("Vaticor.ans"), helpText(3, {})));
    q.mnuAyuda_Click();
    QCOMPARE(shown, 3);
    QCOMPARE(f.scripted.windows.opened, (QStringList{"ayuda", "ayuda"}));
    QVERIFY(!q.ayuda.loaded);
    QCOMPARE(q.ayuda.Text1.text, QStringLiteral("Texto a Buscar?"));
  }

  void oddHelpFiles_data()
  {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("every line end, no last one") << QByteArray("a\rb\r\nc\nd")
                                                 << QStringList{"    1  a", "    2  b", "    3  c", "    4  d"};
    QTest::newRow("windows-1252 and a zero") << QByteArray("Clasificaci\xf3n\0!", 15)
                                             << QStringList{QString::fromUtf8("    1  Clasificación") + QChar(0) + u'!'};
    QTest::newRow("utf-8") << QByteArray("Evoluci\xc3\xb3n\r\n\r\n")
                           << QStringList{QString::fromUtf8("    1  Evolución"), "    2  "};
    QTest::newRow("empty") << QByteArray() << QStringList{};
  }
  void oddHelpFiles()
  {
    QFETCH(QByteArray, bytes);
    Help h(bytes);
    QTEST(h.w.List1.lines(), "items");
    h.w.List1.setListIndex(h.w.List1.count() - 1);
    h.w.List1_Click();
  }

  // The help text shipped with the program: every entry of the index jumps
  // to the first line of its own section, in the index's order.
  void bundledIndexLeadsToEverySection()
  {
    Help h([] {
      QFile f(QStringLiteral(VATICOR_SOURCE_DIR "/samples/Vaticor.ans"));
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }());
    QVERIFY(h.w.List1.count() > 300);
    QVERIFY(h.w.List1.lines().contains(QStringLiteral("  155  08 SIGNOS  -  EVOLUCIÓN SIGNOS")));
    QStringList titles;
    int previous = vaticor::HelpWindow::kSectionsFirst - 1;
    for (int i = vaticor::HelpWindow::kIndexFirst; i <= vaticor::HelpWindow::kIndexLast; ++i) {
      const QString title = h.w.List1.item(i).mid(15, 10);
      QVERIFY2(title.trimmed().size() >= 5 && !titles.contains(title), qPrintable(title));
      titles.append(title);
      h.w.topRequest = -1;
      h.w.List1.setListIndex(i);
      h.w.List1_Click();
      QVERIFY2(h.w.topRequest > previous, qPrintable(title));
      QVERIFY2(h.w.List1.item(h.w.topRequest).mid(7).startsWith(title), qPrintable(title));
      previous = h.w.topRequest;
    }
    QVERIFY(titles.size() >= 20);
    // What the program does beyond the views has its chapters: importing and
    // updating a season, Sistemas, the score model and Fiabilidad.
    for (const QString title : {QStringLiteral("15 MODELO "), QStringLiteral("21 WEB    "), QStringLiteral("22 SISTEMA")})
      QVERIFY2(titles.contains(title), qPrintable(title));
    const QString text = h.w.List1.lines().join(u'\n');
    for (const QString words : {QStringLiteral("Importar Temporada (openfootball)"), QStringLiteral("Reducida al 13"),
                                QStringLiteral("Escrutinio"), QStringLiteral("pleno al 15"), QStringLiteral("Fiabilidad"),
                                QStringLiteral("traer la temporada actual de internet"), QStringLiteral("Ctrl++")})
      QVERIFY2(text.contains(words), qPrintable(words));
  }

  // The real window, opened from the menu through the program's window service.
  void helpWindowFromTheMenu()
  {
    QTemporaryDir folder;
    QVERIFY(QFile::copy(QStringLiteral(VATICOR_SOURCE_DIR "/samples/Vaticor.ans"), folder.filePath("Vaticor.ans")));
    controls::ScriptedServices scripted;
    ui::QtWindows windows;
    controls::Services services = scripted.services();
    services.windows = &windows;
    vaticor::Qmodelop form(services);
    form.programFolderOverride = folder.path();
    ui::MainWindow w(form);
    form.layOutForm();
    w.refresh();
    w.show();
    QVERIFY(w.mnuAyuda->isEnabled() && w.mnucreditos->isEnabled());

    struct Seen {
      bool opened = false;
      QString title, found, topAfterJump, topAfterSpace, hover;
      int lines = 0, selectedFound = 0, widest = -1;
      bool sectionSelected = false;
    } seen;
    QTimer::singleShot(0, this, [&] {
      auto *d = qobject_cast<ui::HelpDialog *>(QApplication::activeModalWidget());
      if (!d)
        return;
      seen.opened = true;
      settle();
      seen.title = d->windowTitle();
      seen.lines = d->List1->count();
      seen.widest = d->List1->horizontalScrollBar()->maximum();
      d->grab().save(screenshotFolder() + QStringLiteral("help-index.png"));
      QTest::mouseClick(d->Text1, Qt::LeftButton); // empties the box
      QTest::keyClicks(d->Text1, QStringLiteral("Pot ="));
      QTest::keyClick(d->Text1, Qt::Key_Return);
      seen.found = d->Text1->text();
      seen.selectedFound = int(d->List1->selectionModel()->selectedIndexes().size());
      const int entry = 12; // "08 SIGNOS"
      QTest::mouseClick(d->List1->viewport(), Qt::LeftButton, {}, d->List1->lineRect(entry).center());
      settle();
      int top = d->List1->indexAt(QPoint(4, 4)).row();
      seen.topAfterJump = d->List1->text(top);
      seen.sectionSelected = top >= 0 && d->List1->isLineSelected(top);
      QEvent enter(QEvent::Enter);
      QApplication::sendEvent(d->Command2, &enter);
      seen.hover = d->Label2->text();
      d->grab().save(screenshotFolder() + QStringLiteral("help-section.png"));
      QTest::keyClick(d->Command3, Qt::Key_Space); // the jump gives INDICE the focus
      settle();
      top = d->List1->indexAt(QPoint(4, 4)).row();
      seen.topAfterSpace = d->List1->text(top);
      d->reject();
    });
    w.mnuAyuda->trigger();

    QVERIFY(seen.opened);
    QVERIFY(seen.title.contains(QStringLiteral("Vaticor")));
    QCOMPARE(seen.lines, 486);
    QCOMPARE(seen.widest, 0); // every line shows whole
    QCOMPARE(seen.found, QStringLiteral("Pot =   Nº Similitudes=   163"));
    QCOMPARE(seen.selectedFound, 1);
    QCOMPARE(seen.topAfterJump, QStringLiteral("  155  08 SIGNOS  -  EVOLUCIÓN SIGNOS"));
    QVERIFY(seen.sectionSelected);
    QVERIFY(seen.hover.startsWith(QStringLiteral(" Permite imprimir el texto seleccionado")));
    QVERIFY(seen.topAfterSpace.startsWith(QStringLiteral("    1  =====")));
    QVERIFY(!form.ayuda.loaded); // closing released it
  }

  void creditsFromTheMenu()
  {
    controls::ScriptedServices scripted;
    ui::QtWindows windows;
    controls::Services services = scripted.services();
    services.windows = &windows;
    vaticor::Qmodelop form(services);
    ui::MainWindow w(form);
    form.layOutForm();
    w.refresh();
    QStringList texts;
    QTimer::singleShot(0, this, [&] {
      auto *d = qobject_cast<ui::CreditsDialog *>(QApplication::activeModalWidget());
      if (!d)
        return;
      for (QLabel *l : d->findChildren<QLabel *>())
        texts.append(l->text());
      if (QPushButton *ok = d->findChild<QPushButton *>()) {
        texts.append(ok->text());
        QTest::mouseClick(ok, Qt::LeftButton);
      }
    });
    w.mnucreditos->trigger();
    // This test program carries no version record of its own.
    QVERIFY(texts.contains(QStringLiteral("el archivo no lleva registro de versión")));
    QCOMPARE(texts.last(), QStringLiteral("Aceptar"));

    // The box of the program as built, for the eye.
    ui::CreditsDialog real(version::creditsOf(QStringLiteral(VATICOR_PROGRAM)));
    real.show();
    settle();
    QVERIFY(real.grab().save(screenshotFolder() + QStringLiteral("credits.png")));
  }
};

VATICOR_WINDOW_TEST_MAIN(TestHelp)
#include "test_help.moc"
