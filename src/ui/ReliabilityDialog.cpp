#include "ui/ReliabilityDialog.h"

#include "ui/Fonts.h"

#include "text/TextRules.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace ui {

namespace {

QString percent(int part, int whole)
{
  return whole ? text::spanishDecimal(100.0 * part / whole, 1) + u'%' : QStringLiteral("-");
}

} // namespace

HitRateChart::HitRateChart(QWidget *parent) : QWidget(parent)
{
  setMinimumSize(420, 260);
}

void HitRateChart::setCurve(const std::vector<forecast::BacktestPoint> &curve, const QString &title)
{
  curve_ = curve;
  title_ = title;
  update();
}

void HitRateChart::paintEvent(QPaintEvent *)
{
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::white);
  const QRect area = rect().adjusted(48, 28, -16, -34);
  p.setPen(Qt::black);
  p.drawText(QRect(0, 4, width(), 20), Qt::AlignHCenter, title_);
  p.setPen(QColor(200, 200, 200));
  // Hit rate from 30% to 70%, a line each 10%.
  for (int pct = 30; pct <= 70; pct += 10) {
    const int y = area.bottom() - (pct - 30) * area.height() / 40;
    p.drawLine(area.left(), y, area.right(), y);
    p.drawText(QRect(0, y - 8, 44, 16), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1%").arg(pct));
  }
  if (curve_.empty())
    return;
  const int first = curve_.front().jornada, last = curve_.back().jornada;
  auto x = [&](int j) { return area.left() + (last > first ? (j - first) * area.width() / (last - first) : 0); };
  auto y = [&](double rate) {
    return area.bottom() - std::clamp(rate * 100 - 30, 0.0, 40.0) * area.height() / 40;
  };
  p.setPen(Qt::black);
  p.drawText(QRect(area.left(), area.bottom() + 4, area.width(), 16), Qt::AlignLeft,
             QStringLiteral("jornada %1").arg(first));
  p.drawText(QRect(area.left(), area.bottom() + 4, area.width(), 16), Qt::AlignRight,
             QStringLiteral("jornada %1").arg(last));
  const struct {
    QColor colour;
    int forecast::BacktestPoint::*right;
    QString name;
  } lines[3] = {{QColor(0, 90, 200), &forecast::BacktestPoint::valuation, QStringLiteral("Valoración")},
                {QColor(200, 40, 40), &forecast::BacktestPoint::model, QStringLiteral("Modelo")},
                {QColor(120, 120, 120), &forecast::BacktestPoint::alwaysHome, QStringLiteral("Siempre 1")}};
  int legend = area.left() + 6;
  for (const auto &line : lines) {
    QPainterPath path;
    bool started = false;
    for (const forecast::BacktestPoint &point : curve_) {
      if (point.matches == 0)
        continue;
      const QPointF at(x(point.jornada), y(double(point.*line.right) / point.matches));
      started ? path.lineTo(at) : path.moveTo(at);
      started = true;
    }
    p.setPen(QPen(line.colour, 2));
    p.drawPath(path);
    p.drawLine(legend, area.top() + 8, legend + 18, area.top() + 8);
    p.drawText(legend + 22, area.top() + 12, line.name);
    legend += 110;
  }
}

ReliabilityDialog::ReliabilityDialog(const QString &seasonPath, QWidget *parent) : QDialog(parent), seasonPath_(seasonPath)
{
  setObjectName(QStringLiteral("fiabilidad"));
  setWindowTitle(QStringLiteral("Fiabilidad de la valoración y del modelo - Vaticor"));
  setModal(true);
  auto *layout = new QVBoxLayout(this);
  progress = new QProgressBar;
  progress->setFormat(QStringLiteral("Calculando la jornada %v de %m..."));
  layout->addWidget(progress);
  figures = new QLabel;
  figures->setFont(fixedFont(9));
  figures->setTextFormat(Qt::PlainText);
  layout->addWidget(figures);
  auto *row = new QHBoxLayout;
  for (HitRateChart *&chart : charts) {
    chart = new HitRateChart;
    row->addWidget(chart);
  }
  layout->addLayout(row, 1);
  auto *close = new QPushButton(QStringLiteral("Cerrar"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close, 0, Qt::AlignRight);
  resize(940, 520);
}

bool ReliabilityDialog::run()
{
  QString error;
  const auto result = forecast::backtest(seasonPath_, 6, &error, [this](int done, int total) {
    progress->setMaximum(std::max(total, 1));
    progress->setValue(done);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return true;
  });
  progress->hide();
  if (!result) {
    figures->setText(error);
    return false;
  }
  QStringList lines = {QStringLiteral("Desde la jornada 6, cada jornada pronosticada con los resultados anteriores:"),
                       QString()};
  int chart = 0;
  for (const forecast::DivisionBacktest &d : *result) {
    const forecast::ValuationScore &v = d.valuation;
    lines << QStringLiteral("%1ª División: %2 partidos").arg(d.division).arg(v.matches);
    lines << QStringLiteral("  Valoración: signo simple acertado %1, el signo cubre el resultado %2, %3 signos por partido")
                 .arg(percent(v.pickRight, v.matches), percent(v.covered, v.matches))
                 .arg(v.matches ? text::spanishDecimal(double(v.signs) / v.matches, 2) : QStringLiteral("-"));
    lines << QStringLiteral("  Modelo:     signo más probable acertado %1, RPS %2")
                 .arg(percent(d.model.right, d.model.matches))
                 .arg(d.model.matches ? text::spanishDecimal(d.model.rankedProbabilityScore / d.model.matches, 4)
                                      : QStringLiteral("-"));
    lines << QStringLiteral("  Siempre 1:  acertado %1").arg(percent(v.homeWins, v.matches));
    if (chart < 2)
      charts[chart++]->setCurve(d.curve, QStringLiteral("%1ª División: aciertos acumulados").arg(d.division));
  }
  figures->setText(lines.join(u'\n'));
  return true;
}

} // namespace ui
