// The wheel of computed views, the help line and the small clicks.
#include "TestSeasons.h"

#include <QtTest>

using testing::FormFixture;

namespace {

struct Loaded : FormFixture {
  Loaded() { loadFile(testing::samplePath("Edato14.txt")); }
  QStringList titles() const
  {
    QStringList out;
    for (const auto &m : scripted.messages.shown)
      out.append(m.title);
    return out;
  }
};

} // namespace

class TestNavigator : public QObject {
  Q_OBJECT

private slots:
  // Only the results grid computed: each view skipped says so, back to slot 1.
  void fallsBackToComputedViews()
  {
    Loaded f;
    vaticor::Qmodelop &q = *f.form;
    q.viewSlot = 4;
    q.Command38_Click();
    QCOMPARE(f.titles(), (QStringList{"Evo No realizado!!", "Tablas 1X2 No realizado!!", "Historial No realizado!!",
                                      "Debe obtener las Jornadas!"}));
    QCOMPARE(f.scripted.messages.shown[3].text, QString("Jornadas No realizado!!"));
    QCOMPARE(f.scripted.messages.shown[0].icon, controls::MessageIcon::Exclamation);
    QCOMPARE(q.viewSlot, int16_t(1));
    QCOMPARE(q.currentView, int16_t(7));
    QVERIFY(q.Frame5.visible);
  }

  void wheelEnds()
  {
    Loaded f;
    vaticor::Qmodelop &q = *f.form;
    q.Command12_Click(); // the standings are computed
    q.Command4_Click();
    q.viewSlot = 1;
    q.Command35_Click(); // back from 1: the coupon, not made yet, then the standings
    QCOMPARE(f.titles(), QStringList{"Debe realizar el Pronostico!"});
    QCOMPARE(f.scripted.messages.shown[0].text, QString("Pronostico No realizado!!"));
    QCOMPARE(q.viewSlot, int16_t(7));
    QVERIFY(q.Frame7.visible && !q.Frame17.visible);
    QCOMPARE(q.windowGeometry.width, 14336);
    q.Command35_Click(); // the sign evolution is computed
    QCOMPARE(q.currentView, int16_t(10));
    QVERIFY(q.Frame17.visible && !q.Frame7.visible);
    q.viewSlot = 8;
    q.Command36_Click(); // forward from 8: the results grid, computed again
    QCOMPARE(q.viewSlot, int16_t(1));
    QCOMPARE(q.currentView, int16_t(7));
  }

  void helpLine_data()
  {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("keyBox"); // the focus goes to the key box
    QTest::newRow("Command30") << "Command30" << -1 << " Cambia de División" << false;
    QTest::newRow("Command6") << "Command6" << -1
                              << "Permite cambiar de División \r\n y realizar los procesos deseados en 1ª ó 2ª "
                                 "división.\r\nVaticor - estadísticas y pronósticos de la quiniela"
                              << true;
    QTest::newRow("List12(2)") << "List12" << 2
                               << " Da los siguientes datos: Encuentros Ganados en casa, Encuentros Empatados en casa, "
                                  "Encuentros Perdidos en casa, Encuentros Ganados fuera, Encuentros Empatados fuera, "
                                  "Encuentros Perdidos fuera"
                               << false;
    QTest::newRow("List12(0) empties the line") << "List12" << 0 << "" << false;
    QTest::newRow("List2(1) says nothing") << "List2" << 1 << "ayuda anterior" << false;
    QTest::newRow("Frame6 with the jornadas")
        << "Frame6" << -1
        << " Sucesión de las Jornadas, pudiendo avanzar o retroceder con las casillas oscuras, dando las jornadas, los "
           "resultados y el signo quinielistico de cada encuentro.\r\nVaticor - estadísticas y pronósticos de la "
           "quiniela"
        << false;
  }

  void helpLine()
  {
    QFETCH(QString, control);
    QFETCH(int, index);
    Loaded f;
    f.form->Label2.caption = "ayuda anterior";
    f.form->focusedControl.clear();
    f.form->hover(control, index);
    QTEST(f.form->Label2.caption, "text");
    QTEST(f.form->focusedControl == "Text2", "keyBox");
  }

  void evolutionHelp()
  {
    Loaded f;
    f.form->Command11_Click();
    f.form->hover("Frame6");
    QVERIFY(f.form->Label2.caption.startsWith(" Evolución de los Equipos, observando las Clasificaciónes"));
    f.form->hover("List2", 3);
    QVERIFY(f.form->Label2.caption.startsWith("   Al pulsar en un equipo de estas listas (última)"));
  }

  void smallClicks()
  {
    Loaded f;
    vaticor::Qmodelop &q = *f.form;
    q.Text3.text = "21";
    q.Text3_Click();
    QCOMPARE(q.Text3.text, QString());
    q.Text5.text = "7";
    q.Text5_Click();
    QCOMPARE(q.Text5.text, QString());
    q.couponPosition = 9;
    q.tablap_Click(1, 3);
    QCOMPARE(q.couponPosition, int16_t(0));
    QCOMPARE(q.overwriteTarget, int16_t(1));
    q.tab1_Click(0, 2); // the header row changes nothing
    QVERIFY(!q.awayPick);
  }
};

QTEST_GUILESS_MAIN(TestNavigator)
#include "test_navigator.moc"
