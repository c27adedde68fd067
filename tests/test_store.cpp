// Stored forecasts: the store file byte for byte, refusals that leave it as
// it was, a coupon rebuilt as it was built, the record of valuations against
// real signs and its table, and the other factors as the eighth value.
#include "TestSeasons.h"
#include "form/ForecastStore.h"
#include "form/ValuationRecord.h"
#include "form/CouponRoad.h"
#include "cli/CommandLine.h"
#include "text/SequentialFile.h"

#include <QDir>
#include <QtTest>

using controls::MessageAnswer;
using testing::FormFixture;
using testing::readAll;

namespace {

const QStringList kCoupon = {"1/38/todo", "2/42/1", "2/42/2", "2/42/3", "2/42/4", "2/42/5"};

// The real 2013/14 season loaded from a folder of its own, a coupon built.
struct StoreFixture : FormFixture {
  StoreFixture(const QStringList &passes = kCoupon)
  {
    QFile::copy(testing::samplePath("Edato14.txt"), folder() + "Edato14.txt");
    loadFile(folder() + "Edato14.txt");
    built = vaticor::playCoupon(*form, 5, passes).isEmpty();
  }
  QString store() const { return folder() + "gprono14.txt"; }
  void storeAs(const QString &number)
  {
    form->Text5.text = number;
    form->Command22_Click();
  }
  QStringList columns(int last) const
  {
    QStringList cells;
    for (int r = 1; r <= 30; ++r)
      for (int c = 0; c <= last; ++c)
        cells.append(form->tablap.text(r, c));
    return cells;
  }
  bool built = false;
};

QByteArray storeLine(const QString &number, const QString &code)
{
  return text::encodeWindows1252(text::quotedLine({number, code}));
}

} // namespace

class TestStore : public QObject {
  Q_OBJECT

private slots:
  // The first store creates 64 free slots and fills slot 5; the code names
  // jornada 38 ("V") and lines 2..11 of 1ª, then jornada 42 ("Z") and lines
  // 2..6 of 2ª (17..21: "A".."E").
  void firstStore()
  {
    StoreFixture f;
    QVERIFY(f.built);
    f.storeAs("5");
    QByteArray expected;
    for (int k = 1; k <= 64; ++k)
      expected += k == 5 ? storeLine("05", "V2V3V4V5V6V7V8V9V:V;ZAZBZCZDZE") : storeLine("00", QString(30, ' '));
    QCOMPARE(readAll(f.store()), expected);
    const auto &shown = f.scripted.messages.shown;
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].title, QString("File gprono14.txt No creado.!!"));
    QCOMPARE(shown[1].text, QString(" Pronóstico nº 5 Guardado!"));
    QCOMPARE(shown[1].title, QString("Guarda Pronóstico!!"));
    QCOMPARE(f.form->division, int16_t(2)); // the division of the coupon's last line
  }

  void refusedStores_data()
  {
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("title");
    QTest::newRow("a used slot, Cancel") << "5" << int(MessageAnswer::Cancel) << "Pronóstico   Nº5   Ya guardado?";
    QTest::newRow("slot 65") << "65" << int(MessageAnswer::Ok) << "Máximo de Pronósticos 59!!";
    QTest::newRow("slot 0") << "0" << int(MessageAnswer::Ok) << "Máximo de Pronósticos 59!!";
  }

  void refusedStores()
  {
    QFETCH(QString, slot);
    QFETCH(int, answer);
    StoreFixture f;
    f.storeAs("5");
    const QByteArray before = readAll(f.store());
    f.scripted.messages.shown.clear();
    f.scripted.messages.answers = {MessageAnswer(answer)};
    f.storeAs(slot);
    QCOMPARE(readAll(f.store()), before);
    QCOMPARE(f.scripted.messages.shown.size(), 1);
    QTEST(f.scripted.messages.shown[0].title, "title");
  }

  // A file of more than 64 lines is refused whole and left as it is.
  void overlongStore()
  {
    StoreFixture f;
    QByteArray overlong;
    for (int k = 1; k <= 65; ++k)
      overlong += storeLine("00", QString(30, ' '));
    testing::writeAll(f.store(), overlong);
    f.storeAs("3");
    QCOMPARE(readAll(f.store()), overlong);
    QCOMPARE(f.scripted.messages.shown.value(0).text, QString(" Solo se pueden guardar 59\r\n Pronosticos/Temporada, como máximo.!"));
  }

  // Rebuilt at the season's stored jornadas, the coupon is what it was.
  void rebuildAsBuilt()
  {
    StoreFixture f;
    const QStringList built = f.columns(11);
    f.storeAs("5");
    f.form->Text5.text = "5";
    f.form->Command32_Click();
    QCOMPARE(f.columns(11), built);
    QCOMPARE(f.form->Text5.text, QString("5"));
    QVERIFY(f.form->Label49.caption.contains("; Q.nº    5;  "));
    // Column 14 copies column 0; column 13 adds the clubs' counts.
    QCOMPARE(f.form->tablap.text(3, 14), f.form->tablap.text(3, 0));
    QCOMPARE(f.form->tablap.text(30, 13).size(), 6);
    QCOMPARE(f.form->tablap.text(2, 12), QString("772")); // the recount with the other thresholds
  }

  // A 2ª División match at line 3 is stored as "B" and comes back there; an
  // empty coupon line is stored as "11" and comes back with its number only.
  void storedCodes()
  {
    StoreFixture f({"2/42/2"});
    QCOMPARE(f.form->tablap.text(1, 1).mid(9, 3), QString("203"));
    f.storeAs("7");
    const auto store = forecast::parseStore(readAll(f.store()), nullptr);
    QCOMPARE(store->codes[6], QString("ZB") + QString(28, '1'));
    f.form->Text5.text = "7";
    f.form->Command32_Click();
    QCOMPARE(f.form->tablap.text(1, 1).mid(9, 3), QString("203"));
    QCOMPARE(f.form->tablap.text(3, 0), QString(" 2 "));
    QCOMPARE(f.form->tablap.text(3, 1), QString());
    QCOMPARE(f.form->tablap.text(4, 11), QString());
  }

  void slotChecks_data()
  {
    QTest::addColumn<int>("steps"); // up when positive
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("text5");
    QTest::addColumn<QString>("title"); // of the message shown, empty when none
    QTest::newRow("a free slot of a new file") << 1 << "2" << " 3" << "Pronóstico Nº3";
    QTest::newRow("the slot stored") << 1 << "4" << " 5" << "";
    QTest::newRow("up from 60 stays at 60") << 1 << "60" << "60" << "Pronóstico Nº60";
    QTest::newRow("down from 1 stays at 1") << -1 << "1" << " 1" << "Pronóstico Nº1";
  }

  void slotChecks()
  {
    QFETCH(int, steps);
    QFETCH(QString, from);
    StoreFixture f;
    f.storeAs("5");
    f.scripted.messages.shown.clear();
    f.form->Text5.text = from;
    if (steps > 0)
      f.form->Command21_Click();
    else
      f.form->Command20_Click();
    QTEST(f.form->Text5.text, "text5");
    QTEST(f.scripted.messages.shown.isEmpty() ? QString() : f.scripted.messages.shown[0].title, "title");
    QVERIFY(f.form->recallMode);
  }

  void rebuildRefusals()
  {
    StoreFixture f;
    f.form->Text5.text = "5";
    f.form->Command32_Click(); // no store yet
    QCOMPARE(f.scripted.messages.shown.value(0).text, QString("\r\nNo Existe!!\r\n Corrija el nº de pronóstico!!"));
    f.storeAs("5");
    f.scripted.messages.shown.clear();
    f.form->Text5.text = "6";
    f.form->Command32_Click();
    QCOMPARE(f.scripted.messages.shown.value(0).text, QString("\r\nNo Existe!!\r\n Primero debe guardarlo!"));
    QCOMPARE(f.form->Text5.text, QString(" 6"));
  }

  // The record: its first update creates 58 blocks and fills the coupon's.
  void valuationRecord()
  {
    StoreFixture f;
    f.form->Text5.text = "5";
    f.form->Command29_Click();
    const QStringList record = text::decodeWindows1252(readAll(f.folder() + "eprono14.txt")).split("\r\n");
    QCOMPARE(record.size(), 58 * 16 + 1);
    QCOMPARE(record[16], QString("\"Nº  Equipos: Res Sg Val Sg  14% 25% Q:02\""));
    QCOMPARE(record[17], QString("\"01") + QString(18, ' ') + "\"");
    // Built, not yet rebuilt: no counts under the other thresholds after the "/".
    QCOMPARE(record[65], QString("\"01 VALLA-GRANA=01-2|  5  T| 774/\""));
    // Rewritten in place through a temporary file of its own, nothing left beside it.
    QVERIFY(!QFileInfo::exists(f.folder() + "ipaso.itt"));
    // Row 5 of the table: VALLA-GRANA (valuation 5, a 2) sits in column 5\2 + 26.
    QCOMPARE(f.form->tablac.text(5, 0), QString("5"));
    QVERIFY(f.form->tablac.text(5, 28).contains('2'));
    QVERIFY(f.form->Frame13.visible);
    QCOMPARE(f.form->tablacs.text(1, 0) + f.form->tablacs.text(2, 0) + f.form->tablacs.text(3, 0), QString("1X2"));
  }

  // The disk fills up while the record is rewritten: it stays as it was.
  void valuationRecordWriteFailure()
  {
    StoreFixture f;
    f.form->Text5.text = "5";
    f.form->Command29_Click();
    const QByteArray before = readAll(f.folder() + "eprono14.txt");
    f.form->Text5.text = "6";
    {
      testing::FileSizeLimit full(1000);
      f.form->Command29_Click();
    }
    QVERIFY(f.scripted.messages.shown.last().text.startsWith("Error al escribir el archivo " + f.folder() + "eprono14.txt"));
    QCOMPARE(readAll(f.folder() + "eprono14.txt"), before);
    QCOMPARE(f.scripted.messages.shown.last().title, QString("Vaticor"));
  }

  void recordColumns_data()
  {
    QTest::addColumn<QString>("valuation");
    QTest::addColumn<int>("column");
    QTest::newRow("0") << "  0" << 26;
    QTest::newRow("1") << "  1" << 26;
    QTest::newRow("-1") << " -1" << 26;
    QTest::newRow("-60") << "-60" << 1;
    QTest::newRow("60") << " 60" << 46;
  }

  void recordColumns()
  {
    QFETCH(QString, valuation);
    QStringList lines = forecast::newRecordLines();
    lines[1] = "01 ALMER-ATHLE=21-1|" + valuation + "  T| 774/772";
    QTEST(forecast::signsByValue(lines, 1)[1].lastKey(), "column");
  }

  // One of each sign in a cell reads "1D" and counts one of each.
  void letterCode()
  {
    QStringList lines = forecast::newRecordLines();
    const QStringList signs = {"1", "X", "2"};
    for (int k = 1; k <= 3; ++k)
      lines[k] = QString("%1 ALMER-ATHLE=21-%2|  5  T| 774/772").arg(k, 2, 10, QChar('0')).arg(signs[k - 1]);
    lines[4] = "04 ALMER-ATHLE=21-1| 30  1| 774/772";
    lines[5] = "05 ALMER-ATHLE=21-X| 30  1| 774/772";
    const auto table = forecast::signsByValue(lines, 1);
    QCOMPARE(table[1][28], QString("1D"));
    QCOMPARE(table[1][41], QString("1X"));
    QCOMPARE(forecast::countSigns({"1D", "1X"}), (std::array<int, 3>{2, 2, 1}));
  }

  void otherFactors_data()
  {
    QTest::addColumn<QStringList>("cells"); // columns 2, 3, 4 of row 1
    QTest::addColumn<int>("value");
    QTest::newRow("30 40 50") << QStringList{"30", "40", "50"} << 120;
    QTest::newRow("60 60 60 is 140") << QStringList{"60", "60", "60"} << 140;
    QTest::newRow("-20 and x") << QStringList{"-20", "x", ""} << -20;
    QTest::newRow("-90 -90") << QStringList{"-90", "-90", ""} << -140;
  }

  void otherFactors()
  {
    QFETCH(QStringList, cells);
    StoreFixture f;
    f.storeAs("5");
    vaticor::Qmodelop &q = *f.form;
    f.scripted.messages.answers = {MessageAnswer::Cancel};
    f.scripted.windows.whileOpen = [&](const QString &) {
      q.factor_Command2_Click();
      QCOMPARE(q.factor.tablaf.text(1, 1), QString("VALLA- GRANA"));
      q.factor_Command1_Click();
      for (int c = 2; c <= 4; ++c) {
        q.factor.tablaf.row = 1;
        q.factor.tablaf.col = c;
        for (QChar ch : cells[c - 2])
          q.factor_tablaf_KeyPress(ch);
      }
      q.factor_Form_Unload();
    };
    q.Text3.text = "5";
    q.Command23_Click(); // Cancel: kept, nothing rebuilt now
    QCOMPARE(f.scripted.windows.opened, QStringList{"factor"});
    QCOMPARE(q.factor.Label1.caption, QString("5"));
    QTEST(q.otherFactorsOf(1), "value");
    q.Text5.text = "5";
    q.Command32_Click(); // "Pronóstico" values line 1 with the factors
    const QString valueLine = q.tablap.text(1, 9);
    QFETCH(int, value);
    QCOMPARE(valueLine.size(), 31);
    QCOMPARE(valueLine.mid(26).toInt(), value);
    QCOMPARE(q.tablap.text(2, 9).size(), 31);
  }

  // Answering No unloads the window: the factors are lost.
  void factorsLost()
  {
    StoreFixture f;
    vaticor::Qmodelop &q = *f.form;
    f.scripted.messages.answers = {MessageAnswer::No};
    f.scripted.windows.whileOpen = [&](const QString &) {
      q.factor_Command2_Click();
      q.factor.tablaf.row = 2;
      q.factor.tablaf.col = 3;
      q.factor_tablaf_KeyPress('1');
      q.factor_tablaf_KeyPress('5');
      QCOMPARE(q.factor.tablaf.text(2, 3), QString("15"));
      q.factor_tablaf_KeyPress(' '); // empties the cell and goes down a row
      QCOMPARE(q.factor.tablaf.row, 3);
      q.factor.tablaf.col = 1;
      q.factor_tablaf_KeyPress('7'); // the match column takes no keys
      QCOMPARE(q.factor.tablaf.text(3, 1).contains('7'), false);
      q.factor_tablaf_KeyPress(QChar(8));
      q.factor_Form_Unload();
    };
    q.Command23_Click();
    QVERIFY(!q.factor.loaded && !q.processAfterFactors);
    QCOMPARE(q.otherFactorsOf(2), 0);
  }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
