#pragma once
// "Fiabilidad": the backtest of the loaded season, run with a progress bar,
// and per division how often the valuation, the score model and "always 1"
// were right, with the hit rate of each jornada after jornada as a chart.

#include "form/Backtest.h"

#include <QDialog>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace ui {

// The cumulative hit rate of the three forecasts, jornada by jornada.
class HitRateChart : public QWidget {
  Q_OBJECT
public:
  explicit HitRateChart(QWidget *parent = nullptr);
  void setCurve(const std::vector<forecast::BacktestPoint> &curve, const QString &title);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  std::vector<forecast::BacktestPoint> curve_;
  QString title_;
};

class ReliabilityDialog : public QDialog {
  Q_OBJECT
public:
  ReliabilityDialog(const QString &seasonPath, QWidget *parent = nullptr);
  // Runs the backtest and shows it; false when it could not run.
  bool run();

  QProgressBar *progress;
  QLabel *figures;
  HitRateChart *charts[2];

private:
  QString seasonPath_;
};

} // namespace ui
