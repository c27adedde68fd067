// The Sistemas window over the form: the reductions worked out on the worker
// thread while the window answers, a change replacing the piece of work that
// runs, Cancel and "Calcular", the conditions filled from the forecast
// figure, the Escrutinio's prizes above the columns, and its look.
#include "TestSeasons.h"
#include "WindowSupport.h"
#include "form/CouponRoad.h"
#include "ui/SystemsDialog.h"
#include "ui/Worker.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMutex>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSemaphore>
#include <QSpinBox>
#include <QtTest>

namespace {

using engine::systems::ReductionOrder;

// Holds each piece of work as it starts on the worker thread until the test
// lets it go, and tells which pieces started (by their guarantee).
class Gate {
public:
  void hold(const ReductionOrder &order)
  {
    {
      QMutexLocker lock(&mutex_);
      started_ << order.guarantee;
    }
    if (!open_)
      pass_.acquire();
  }
  int entered()
  {
    QMutexLocker lock(&mutex_);
    return int(started_.size());
  }
  QList<int> started()
  {
    QMutexLocker lock(&mutex_);
    return started_;
  }
  // Every piece goes through from now on.
  void open()
  {
    open_ = true;
    pass_.release();
  }

private:
  QMutex mutex_;
  QList<int> started_;
  QSemaphore pass_;
  std::atomic<bool> open_ = false;
};

// The coupon's forecast signs ("T" a triple, "1X", "X2", "1", "X" or "2"
// a line), every match 1/2, 1/4, 1/4 by the model.
void setCoupon(vaticor::Qmodelop &q, const QStringList &signs)
{
  for (int k = 1; k <= 15; ++k) {
    q.tablap.setText(2 * k - 1, 11, QStringLiteral("  ") + signs.value(k - 1, QStringLiteral("1")));
    q.lineModel[k].known = true;
    q.lineModel[k].p.home = 0.5;
    q.lineModel[k].p.draw = 0.25;
    q.lineModel[k].p.away = 0.25;
  }
}

// The panel opened as the coupon's button opens it, the window made by the
// scripted window service, its work held by the gate.
std::unique_ptr<ui::SystemsDialog> openWindow(testing::FormFixture &f, Gate *gate)
{
  std::unique_ptr<ui::SystemsDialog> dialog;
  f.scripted.windows.whileOpen = [&](const QString &window) {
    if (window != QStringLiteral("sistemas"))
      return;
    dialog = std::make_unique<ui::SystemsDialog>(*f.form);
    if (gate)
      dialog->pieceStarts = [gate](const ReductionOrder &order) { gate->hold(order); };
    dialog->show();
  };
  f.form->sistemas_Open();
  return dialog;
}

} // namespace

class SystemsWindowTest : public QObject {
  Q_OBJECT

private slots:
  // The worker alone: progress and the result come back on this thread; a
  // piece that throws hands back nothing; a piece dropped hands back nothing
  // and the worker still goes idle.
  void worker()
  {
    ui::Worker w;
    QList<double> shares;
    int idles = 0;
    connect(&w, &ui::Worker::progressed, this, [&shares](double share) { shares << share; });
    connect(&w, &ui::Worker::idle, this, [&idles] { ++idles; });
    QSemaphore reported;
    std::optional<std::optional<QThread *>> ran;
    w.start<QThread *>(
        [&reported](ui::Worker::Task &task) {
          task.progress(0.25);
          task.progress(0.25); // the same share again: nothing new to say
          reported.release();
          while (!task.cancelled()) // until the window says
            QThread::yieldCurrentThread();
          return QThread::currentThread();
        },
        [&ran](std::optional<QThread *> result) { ran = result; });
    QVERIFY(w.busy());
    QTRY_COMPARE(shares, QList<double>{0.25});
    w.cancel();
    QTRY_VERIFY(ran.has_value());
    QVERIFY(ran->has_value() && **ran != QThread::currentThread());
    QVERIFY(!w.busy());
    QCOMPARE(idles, 1);

    std::optional<std::optional<int>> failed;
    w.start<int>([](ui::Worker::Task &) -> int { throw std::bad_alloc(); },
                 [&failed](std::optional<int> result) { failed = result; });
    QTRY_VERIFY(failed.has_value());
    QVERIFY(!failed->has_value());

    bool delivered = false;
    w.start<int>(
        [](ui::Worker::Task &task) {
          while (!task.cancelled())
            QThread::yieldCurrentThread();
          return 1;
        },
        [&delivered](std::optional<int>) { delivered = true; });
    w.drop();
    QTRY_COMPARE(idles, 3);
    QVERIFY(!delivered && !w.busy());
  }

  // Six triples and two doubles, from the table. While the worker is held the
  // window answers (were the work on the window's thread, the test would
  // hang at the gate); choosing al 13 meanwhile drops the piece running and
  // starts al 13 first; the end is what the handlers alone give.
  void theWindowAnswersWhileItWorks()
  {
    const QStringList coupon = {"T", "T", "T", "T", "T", "T", "1X", "X2"};
    testing::FormFixture f;
    vaticor::Qmodelop &q = *f.form;
    setCoupon(q, coupon);
    Gate gate;
    const std::unique_ptr<ui::SystemsDialog> d = openWindow(f, &gate);
    QVERIFY(d && q.sistemas.windowShown && q.sistemas.onWorker);
    // Nothing was worked out on this thread when the panel opened.
    QVERIFY(!q.sistemas.ready);
    QCOMPARE(q.sistemas.summary.value(0), QString("Directas:        pendiente de cálculo"));
    QTRY_COMPARE(gate.entered(), 1);
    QVERIFY(d->working());
    QCOMPARE(d->status->text(), QString("Calculando las columnas directas…"));
    QVERIFY(d->progress->isVisible());
    QVERIFY(d->cancelButton->isEnabled());
    QCOMPARE(d->cancelButton->text(), QString("Cancelar"));
    QVERIFY(!d->saveButton->isEnabled() && !d->checkButton->isEnabled());
    QCOMPARE(d->columns->item(d->columns->count() - 1)->text(), QString("Columnas pendientes de cálculo"));
    QVERIFY(testing::saveShot(*d, "systems-working.png"));

    QTest::mouseClick(d->choice[1], Qt::LeftButton);
    QCOMPARE(q.sistemas.guarantee, 13);
    QVERIFY(d->summary->text().contains("Reducida al 13:  pendiente de cálculo"));
    gate.open();
    QTRY_VERIFY(!d->working());
    // The direct columns began, were dropped for al 13, and came again after it.
    QCOMPARE(gate.started(), (QList<int>{14, 13, 14, 12}));
    QVERIFY(!q.sistemas_NextWork());

    testing::FormFixture alone;
    setCoupon(*alone.form, coupon);
    alone.form->sistemas.guarantee = 13;
    alone.form->sistemas_Open();
    QVERIFY(!alone.form->sistemas.windowShown);
    QCOMPARE(q.sistemas.summary, alone.form->sistemas.summary);
    QCOMPARE(q.sistemas.columns, alone.form->sistemas.columns);
    QCOMPARE(d->summary->text(), q.sistemas.summary.join('\n'));
    QCOMPARE(d->columns->count(), 2 + int(q.sistemas.columns.size()));
    QCOMPARE(d->columns->item(1)->text(), QString("Reducida al 13: 285 columnas de 2916 directas"));
    QCOMPARE(d->status->text(), QString());
    QVERIFY(!d->cancelButton->isVisible() && !d->progress->isVisible());
    QVERIFY(d->saveButton->isEnabled() && d->checkButton->isEnabled());
    // The savings, as the window shows them: 2916 - 285 and 2916 - 48 columns of 0,75 €.
    QVERIFY2(d->summary->text().contains("Ahorro al 13:          2631 columnas, 1973,25 € menos que las directas.\n"
                                         "Ahorro al 12:          2868 columnas, 2151,00 € menos que las directas."),
             qPrintable(d->summary->text()));
  }

  // Five triples and five doubles, beyond the table: Cancel while al 13
  // searches gives the columns found so far, checked, and starts nothing
  // else; a change of price only redraws; "Calcular" finishes the work.
  void cancelStopsTheSearch()
  {
    testing::FormFixture f;
    vaticor::Qmodelop &q = *f.form;
    setCoupon(q, {"T", "1X", "T", "X2", "T", "1", "1X", "T", "1", "1X", "T", "1", "1X"});
    q.sistemas.guarantee = 13;
    Gate gate;
    const std::unique_ptr<ui::SystemsDialog> d = openWindow(f, &gate);
    QVERIFY(d);
    QTRY_COMPARE(gate.entered(), 1);
    QCOMPARE(d->status->text(), QString("Calculando la reducida al 13…"));
    QTest::mouseClick(d->cancelButton, Qt::LeftButton);
    gate.open();
    QTRY_VERIFY(!d->working());
    QCOMPARE(gate.started(), QList<int>{13});
    QCOMPARE(d->status->text(), QString("Cálculo cancelado: faltan columnas por calcular."));
    QCOMPARE(d->cancelButton->text(), QString("Calcular"));
    QVERIFY(d->cancelButton->isEnabled());
    QVERIFY(q.sistemas.ready);
    QVERIFY(engine::keepsGuarantee(q.sistemas.system, q.sistemas.columns, 13));
    const QStringList lines = q.sistemas.summary;
    QCOMPARE(lines.value(0), QString("Directas:        pendiente de cálculo"));
    QVERIFY2(lines.value(1).startsWith("Reducida al 13: ") && lines.value(1).endsWith("%  pleno 0,0000% *"),
             qPrintable(lines.value(1)));
    QCOMPARE(lines.value(2), QString("Reducida al 12:  pendiente de cálculo"));
    QCOMPARE(lines.last(), QString("* Búsqueda cancelada: con más tiempo quizá salgan menos columnas."));
    const size_t cutShort = q.sistemas.columns.size();

    d->price->setValue(1.5);
    QVERIFY(!d->working());
    QVERIFY(q.sistemas.summary.value(1).contains(QString("columnas, %1 €.").arg(QLocale(QLocale::Spanish).toString(cutShort * 1.5, 'f', 2))));

    QTest::mouseClick(d->cancelButton, Qt::LeftButton);
    QVERIFY(d->working());
    QTRY_VERIFY(!d->working());
    QCOMPARE(gate.started(), (QList<int>{13, 13, 14, 12}));
    QVERIFY(!q.sistemas_NextWork());
    QVERIFY(q.sistemas.columns.size() <= cutShort);
    QVERIFY(engine::keepsGuarantee(q.sistemas.system, q.sistemas.columns, 13));
    QVERIFY(!d->summary->text().contains("pendiente") && !d->summary->text().contains('*'));
    QVERIFY(!d->cancelButton->isVisible());
  }

  // A change of a condition's box while a search runs replaces it; a least
  // above the most moves the most along.
  void conditionsInTheWindow()
  {
    testing::FormFixture f;
    vaticor::Qmodelop &q = *f.form;
    setCoupon(q, {"T", "T", "T"});
    q.Label46.caption = QStringLiteral("  1.4 |1.2 |0.3");
    Gate gate;
    const std::unique_ptr<ui::SystemsDialog> d = openWindow(f, &gate);
    QTRY_COMPARE(gate.entered(), 1);
    QCOMPARE(d->fillButton->text(), QString("Desde la figura media: V 1,4  X 1,2  2 0,3"));
    QVERIFY(!d->clearButton->isEnabled());
    d->conditions[0][0]->setValue(2); // X at least 2: the most stays at 14
    QCOMPARE(d->conditions[0][1]->value(), 14);
    d->conditions[0][1]->setValue(1); // at most 1: the least comes down to 1
    QCOMPARE(d->conditions[0][0]->value(), 1);
    QCOMPARE(q.sistemas.conditions.draws, (engine::systems::CountRange{1, 1}));
    QVERIFY(d->clearButton->isEnabled());
    gate.open();
    QTRY_VERIFY(!d->working());
    QCOMPARE(gate.started().value(0), 14);
    QVERIFY(q.sistemas.summary.contains("Condicionadas:      12 columnas, 9,00 €.  Prob.: 14 0,021%  13 0,25%  12 1,4%  "
                                        "11 4,9%  10 11,4%  pleno 0,0000%"));

    d->margin->setValue(0);
    QTest::mouseClick(d->fillButton, Qt::LeftButton);
    QTRY_VERIFY(!d->working() && !q.sistemas_NextWork());
    QCOMPARE(d->conditions[1][0]->value(), 0);
    QCOMPARE(d->conditions[1][1]->value(), 0);
    QCOMPARE(d->conditions[2][0]->value(), 1);
    QVERIFY(q.sistemas.summary.contains("Condiciones: X 1, 2 0, variantes 1, interrupciones 0-13, racha más larga 1-14."));
    // Kept for the next time in Vaticor.ini.
    QVERIFY(testing::readAll(f.folder() + "Vaticor.ini").contains("margen=0"));
    QTest::mouseClick(d->clearButton, Qt::LeftButton);
    QVERIFY(!q.sistemas.conditions.restricts());
    QTRY_VERIFY(!d->working() && !q.sistemas_NextWork());
    QVERIFY(!d->summary->text().contains("Condiciones"));
  }

  // A real coupon (2013/14, jornada 20 of 1ª and five matches of 2ª): the
  // conditions from its figure, the Escrutinio's prizes above the columns,
  // the window as a player sees it on a screen of 1366x768.
  void escrutinioAboveTheColumns()
  {
    testing::FormFixture f;
    vaticor::Qmodelop &q = *f.form;
    QVERIFY(f.loadFile(testing::samplePath("Edato14.txt")));
    QCOMPARE(vaticor::playCoupon(q, 21, {"1/20/todo", "2/22/1", "2/22/2", "2/22/3", "2/22/4", "2/22/5"}), QString());
    const std::unique_ptr<ui::SystemsDialog> d = openWindow(f, nullptr);
    QVERIFY(d);
    QVERIFY(q.sistemas.figure);
    QTRY_VERIFY_WITH_TIMEOUT(!d->working() && !q.sistemas_NextWork(), 60000);
    QTest::mouseClick(d->fillButton, Qt::LeftButton);
    QTest::mouseClick(d->choice[1], Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!d->working() && !q.sistemas_NextWork(), 60000);
    QVERIFY(q.sistemas.conditions.restricts());
    QTest::mouseClick(d->checkButton, Qt::LeftButton);
    testing::settle();
    QVERIFY(d->escrutinio->isVisible());
    const QStringList prizes = d->escrutinio->text().split('\n');
    QCOMPARE(prizes.size(), 2);
    QVERIFY(prizes[0].startsWith("Resultado: X1XX2XX111XXX2"));
    QVERIFY(prizes[1].startsWith("Especial: "));
    QVERIFY(d->escrutinio->geometry().bottom() < d->columns->geometry().top());
    // The list holds the columns alone, each with its hits.
    QCOMPARE(d->columns->count(), int(q.sistemas.columns.size()));
    QVERIFY(d->columns->item(0)->text().startsWith("   1 "));
    d->resize(1366, 768);
    QVERIFY(testing::saveShot(*d, "systems-window.png"));
  }
};

VATICOR_WINDOW_TEST_MAIN(SystemsWindowTest)
#include "test_systems_window.moc"
