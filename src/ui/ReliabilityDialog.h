#pragma once
// "Fiabilidad": every season in the program's folder played back from jornada
// 6 by the valuation, the score model and "always 1", on a worker thread with
// its progress and a Cancel; then a table per season with the pooled lines,
// the hit rate jornada after jornada of the season loaded, the model's ranked
// probability score season by season, and how often what it gave a chance of
// happened.

#include "engine/Reliability.h"
#include "form/Qmodelop.h"

#include <QDialog>
#include <QWidget>
#include <atomic>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;

namespace ui {

// Lines over the seasons or the jornadas: each series a colour and a name.
class LineChart : public QWidget {
  Q_OBJECT
public:
  struct Series {
    QString name;
    QColor colour;
    std::vector<QPointF> points;
  };
  explicit LineChart(QWidget *parent = nullptr);
  // y from yLow to yHigh, with a grid line each yStep; x labels at the points of the first series.
  void setChart(const QString &title, std::vector<Series> series, double yLow, double yHigh, double yStep,
                const QStringList &xLabels = {}, bool percent = true);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  QString title_;
  std::vector<Series> series_;
  double low_ = 0, high_ = 1, step_ = 0.1;
  QStringList xLabels_;
  bool percent_ = true;
};

class ReliabilityDialog : public QDialog {
  Q_OBJECT
public:
  explicit ReliabilityDialog(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  ~ReliabilityDialog() override;
  // Starts the playback on its worker; the figures come when it ends.
  void run();
  bool running() const;

  QProgressBar *progress;
  QPushButton *cancel;
  QLabel *figures; // the season loaded and the pooled lines, as text
  QTableWidget *table;
  LineChart *hitRate, *seasonsRps, *calibration;

private:
  void show(const engine::Reliability &r);
  struct Work {
    std::atomic<bool> cancelled{false};
    std::optional<engine::Reliability> result;
  };
  std::vector<engine::SeasonSource> sources_;
  QString loadedFile_;
  std::shared_ptr<Work> work_;
  QThread *thread_ = nullptr;
};

} // namespace ui
