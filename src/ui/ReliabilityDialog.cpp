#include "ui/ReliabilityDialog.h"

#include "ui/Fonts.h"

#include "text/TextRules.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {

QString percent(double part, double whole, int decimals = 1)
{
  return whole > 0 ? text::spanishDecimal(100.0 * part / whole, decimals) + u'%' : QStringLiteral("-");
}

QString decimal(double value, double whole, int decimals)
{
  return whole > 0 ? text::spanishDecimal(value / whole, decimals) : QStringLiteral("-");
}

// "Edato14.txt": "2013/14".
QString seasonName(const QString &file)
{
  const int digits = QFileInfo(file).completeBaseName().mid(5).toInt();
  const int end = digits > 90 ? 1900 + digits : 2000 + digits;
  return QStringLiteral("%1/%2").arg(end - 1).arg(text::fmt(digits, QStringLiteral("00")));
}

} // namespace

LineChart::LineChart(QWidget *parent) : QWidget(parent)
{
  setMinimumSize(300, 220);
}

void LineChart::setChart(const QString &title, std::vector<Series> series, double yLow, double yHigh, double yStep,
                         const QStringList &xLabels, bool percent)
{
  title_ = title;
  series_ = std::move(series);
  low_ = yLow, high_ = yHigh, step_ = yStep;
  xLabels_ = xLabels;
  percent_ = percent;
  update();
}

void LineChart::paintEvent(QPaintEvent *)
{
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::white);
  const QRect area = rect().adjusted(52, 46, -14, -38); // the legend stands between the title and the lines
  p.setPen(Qt::black);
  p.drawText(QRect(0, 4, width(), 20), Qt::AlignHCenter, title_);
  if (high_ <= low_ || step_ <= 0)
    return;
  auto yOf = [&](double v) { return area.bottom() - (std::clamp(v, low_, high_) - low_) * area.height() / (high_ - low_); };
  p.setPen(QColor(210, 210, 210));
  for (double v = low_; v <= high_ + 1e-9; v += step_) {
    const int y = qRound(yOf(v));
    p.drawLine(area.left(), y, area.right(), y);
    const QString label = percent_ ? QString::number(qRound(v * 100)) + u'%' : text::spanishDecimal(v, 3);
    p.drawText(QRect(0, y - 8, 48, 16), Qt::AlignRight | Qt::AlignVCenter, label);
  }
  double xLow = 0, xHigh = 1;
  bool any = false;
  for (const Series &s : series_) {
    for (const QPointF &pt : s.points) {
      xLow = any ? std::min(xLow, pt.x()) : pt.x();
      xHigh = any ? std::max(xHigh, pt.x()) : pt.x();
      any = true;
    }
  }
  if (!any)
    return;
  if (xHigh <= xLow)
    xHigh = xLow + 1;
  auto xOf = [&](double v) { return area.left() + (v - xLow) * area.width() / (xHigh - xLow); };
  p.setPen(Qt::black);
  if (!series_.empty()) {
    const std::vector<QPointF> &first = series_.front().points;
    // Every label that has room (every other one, or fewer, over many
    // seasons), each kept inside the chart.
    const size_t count = std::min(first.size(), static_cast<size_t>(xLabels_.size()));
    const double wide = p.fontMetrics().horizontalAdvance(QStringLiteral("00/00")) + 8.0;
    const double apart = count > 1 ? area.width() / double(count - 1) : area.width();
    const size_t stride = std::max<size_t>(1, static_cast<size_t>(std::ceil(wide / std::max(apart, 1.0))));
    for (size_t i = 0; i < count; i += stride) {
      const double left = std::clamp(xOf(first[i].x()) - 30, 0.0, std::max(0.0, width() - 60.0));
      p.drawText(QRectF(left, area.bottom() + 4, 60, 16), Qt::AlignHCenter, xLabels_[static_cast<int>(i)]);
    }
  }
  int legend = area.left() + 6;
  for (const Series &s : series_) {
    QPainterPath path;
    for (size_t i = 0; i < s.points.size(); ++i) {
      const QPointF at(xOf(s.points[i].x()), yOf(s.points[i].y()));
      i == 0 ? path.moveTo(at) : path.lineTo(at);
    }
    p.setPen(QPen(s.colour, 2));
    p.drawPath(path);
    for (const QPointF &pt : s.points)
      p.drawEllipse(QPointF(xOf(pt.x()), yOf(pt.y())), 2.5, 2.5);
    p.drawLine(legend, 32, legend + 18, 32);
    p.setPen(Qt::black);
    p.drawText(legend + 22, 36, s.name);
    legend += 30 + p.fontMetrics().horizontalAdvance(s.name);
  }
}

ReliabilityDialog::ReliabilityDialog(vaticor::Qmodelop &form, QWidget *parent) : QDialog(parent)
{
  setObjectName(QStringLiteral("fiabilidad"));
  setWindowTitle(QStringLiteral("Fiabilidad de la valoración y del modelo - Vaticor"));
  setModal(true);
  // Every season of the folders the program keeps them in; the one loaded as
  // it stands in memory, with the results typed in and not yet saved.
  QStringList files = engine::seasonFiles(form.workDir);
  if (form.programDir != form.workDir) {
    for (const QString &bundled : engine::seasonFiles(form.programDir)) {
      const QString name = QFileInfo(bundled).fileName();
      if (std::none_of(files.begin(), files.end(), [&](const QString &f) { return QFileInfo(f).fileName() == name; }))
        files << bundled;
    }
  }
  loadedFile_ = QFileInfo(form.seasonFilePath).fileName();
  bool loadedListed = false;
  for (const QString &f : files) {
    const bool loaded = !form.seasonFilePath.isEmpty() && QFileInfo(f).fileName() == loadedFile_;
    loadedListed = loadedListed || loaded;
    sources_.push_back({loaded ? form.seasonFilePath : f, loaded ? std::optional(form.season) : std::nullopt});
  }
  if (!loadedListed && !form.seasonFilePath.isEmpty())
    sources_.push_back({form.seasonFilePath, form.season});
  std::sort(sources_.begin(), sources_.end(), [](const engine::SeasonSource &a, const engine::SeasonSource &b) {
    return seasonName(a.path) < seasonName(b.path);
  });

  auto *layout = new QVBoxLayout(this);
  auto *top = new QHBoxLayout;
  progress = new QProgressBar;
  progress->setFormat(QStringLiteral("Repasando las temporadas: jornada %v de %m..."));
  top->addWidget(progress, 1);
  cancel = new QPushButton(QStringLiteral("Cancelar"));
  top->addWidget(cancel);
  layout->addLayout(top);
  figures = new QLabel;
  figures->setFont(fixedFont(9));
  figures->setTextFormat(Qt::PlainText);
  layout->addWidget(figures);
  table = new QTableWidget;
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  layout->addWidget(table, 1);
  auto *charts = new QHBoxLayout;
  hitRate = new LineChart;
  seasonsRps = new LineChart;
  calibration = new LineChart;
  for (LineChart *c : {hitRate, seasonsRps, calibration})
    charts->addWidget(c);
  layout->addLayout(charts, 1);
  auto *close = new QPushButton(QStringLiteral("Cerrar"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, [this] {
    if (work_)
      work_->cancelled = true;
    cancel->setEnabled(false);
    progress->setFormat(QStringLiteral("Cancelando..."));
  });
  layout->addWidget(close, 0, Qt::AlignRight);
  resize(1200, 720);
}

ReliabilityDialog::~ReliabilityDialog()
{
  if (thread_) {
    work_->cancelled = true;
    thread_->wait();
  }
}

bool ReliabilityDialog::running() const
{
  // Until the figures are shown, not only while the worker computes them.
  return thread_ != nullptr;
}

void ReliabilityDialog::run()
{
  if (thread_)
    return;
  if (sources_.empty()) {
    progress->hide();
    cancel->hide();
    figures->setText(QStringLiteral("No hay temporadas que repasar: cargue o importe una temporada."));
    return;
  }
  work_ = std::make_shared<Work>();
  std::shared_ptr<Work> work = work_;
  std::vector<engine::SeasonSource> sources = sources_;
  QProgressBar *bar = progress;
  thread_ = QThread::create([work, sources, bar] {
    work->result = engine::reliability(sources, 6, [work, bar](int done, int total) {
      // Told on the window's thread; dropped if the window has gone.
      QMetaObject::invokeMethod(
          bar,
          [bar, done, total] {
            bar->setMaximum(std::max(total, 1));
            bar->setValue(done);
          },
          Qt::QueuedConnection);
      return !work->cancelled;
    });
  });
  connect(thread_, &QThread::finished, this, [this] {
    thread_->deleteLater();
    thread_ = nullptr;
    progress->hide();
    cancel->hide();
    if (!work_->result) {
      figures->setText(QStringLiteral("Repaso cancelado."));
      return;
    }
    show(*work_->result);
  });
  thread_->start();
}

void ReliabilityDialog::show(const engine::Reliability &r)
{
  // The season loaded, in words, and the pooled lines.
  QStringList lines;
  for (const engine::SeasonReliability &s : r.seasons) {
    if (s.file != loadedFile_)
      continue;
    lines << QStringLiteral("Temporada %1, desde la jornada 6, cada jornada pronosticada con los resultados "
                            "anteriores (modelo con la temporada anterior: %2):")
                 .arg(seasonName(s.file), s.previousFile.isEmpty() ? QStringLiteral("no hay") : s.previousFile);
    for (const engine::DivisionValuationBacktest &d : s.valuation) {
      const engine::ValuationScore &v = d.score;
      engine::ModelTally m;
      for (const engine::DivisionModelBacktest &md : s.model)
        if (md.division == d.division)
          m = md.tally;
      lines << QStringLiteral("%1ª División: %2 partidos").arg(d.division).arg(v.matches);
      lines << QStringLiteral("  Valoración: signo simple acertado %1, el signo cubre el resultado %2, %3 signos por "
                              "partido")
                   .arg(percent(v.pickRight, v.matches), percent(v.covered, v.matches), decimal(v.signs, v.matches, 2));
      lines << QStringLiteral("  Modelo:     signo más probable acertado %1, RPS %2")
                   .arg(percent(m.right, m.matches), decimal(m.rankedProbabilityScore, m.matches, 4));
      lines << QStringLiteral("  Siempre 1:  acertado %1, RPS %2")
                   .arg(percent(v.homeWins, v.matches), decimal(m.alwaysHomeScore, m.matches, 4));
      std::vector<QPointF> valuation, model, home;
      for (const engine::ValuationPoint &pt : d.curve)
        if (pt.matches)
          valuation.push_back({double(pt.jornada), double(pt.right) / pt.matches}),
              home.push_back({double(pt.jornada), double(pt.homeWins) / pt.matches});
      for (const engine::DivisionModelBacktest &md : s.model)
        if (md.division == d.division)
          for (const engine::ModelPoint &pt : md.curve)
            if (pt.matches)
              model.push_back({double(pt.jornada), double(pt.right) / pt.matches});
      if (d.division == 1)
        hitRate->setChart(QStringLiteral("1ª División %1: aciertos acumulados").arg(seasonName(s.file)),
                          {{QStringLiteral("Valoración"), QColor(0, 90, 200), valuation},
                           {QStringLiteral("Modelo"), QColor(200, 40, 40), model},
                           {QStringLiteral("Siempre 1"), QColor(120, 120, 120), home}},
                          0.3, 0.7, 0.1);
    }
  }
  lines << QString();
  for (int d = 1; d <= 2; ++d) {
    const engine::ValuationScore &v = r.pooledValuation[static_cast<size_t>(d - 1)];
    const engine::ModelTally &m = r.pooledModel[static_cast<size_t>(d - 1)].tally;
    if (v.matches == 0 && m.matches == 0)
      continue;
    lines << QStringLiteral("Todas las temporadas, %1ª División: valoración %2, modelo %3 (RPS %4), siempre 1 %5 (RPS %6)")
                 .arg(d)
                 .arg(percent(v.pickRight, v.matches), percent(m.right, m.matches),
                      decimal(m.rankedProbabilityScore, m.matches, 4), percent(m.homeWins, m.matches),
                      decimal(m.alwaysHomeScore, m.matches, 4));
  }
  figures->setText(lines.join(u'\n'));

  // The table: a line per season and division, then the pooled ones.
  const QStringList headings = {QStringLiteral("Temporada"), QStringLiteral("Div."), QStringLiteral("Partidos"),
                                QStringLiteral("Valoración acierto"), QStringLiteral("Cubre"),
                                QStringLiteral("Signos/partido"), QStringLiteral("Modelo acierto"),
                                QStringLiteral("RPS modelo"), QStringLiteral("Siempre 1"), QStringLiteral("RPS siempre 1"),
                                QStringLiteral("Temporada previa")};
  table->clear();
  table->setColumnCount(headings.size());
  table->setHorizontalHeaderLabels(headings);
  table->setRowCount(0);
  auto addRow = [&](const QString &season, int division, const engine::ValuationScore &v, const engine::ModelTally &m,
                    const QString &previous) {
    const int row = table->rowCount();
    table->insertRow(row);
    const QStringList cells = {season,
                               QStringLiteral("%1ª").arg(division),
                               QString::number(std::max(v.matches, m.matches)),
                               percent(v.pickRight, v.matches),
                               percent(v.covered, v.matches),
                               decimal(v.signs, v.matches, 2),
                               percent(m.right, m.matches),
                               decimal(m.rankedProbabilityScore, m.matches, 4),
                               percent(m.homeWins, m.matches),
                               decimal(m.alwaysHomeScore, m.matches, 4),
                               previous};
    for (int c = 0; c < cells.size(); ++c)
      table->setItem(row, c, new QTableWidgetItem(cells[c]));
  };
  std::array<std::vector<QPointF>, 2> rpsModel, rpsHome;
  QStringList seasonLabels;
  int x = 0;
  for (const engine::SeasonReliability &s : r.seasons) {
    if (!s.error.isEmpty()) {
      const int row = table->rowCount();
      table->insertRow(row);
      table->setItem(row, 0, new QTableWidgetItem(seasonName(s.file)));
      table->setItem(row, 10, new QTableWidgetItem(s.error.section(u'\n', 0, 0)));
      continue;
    }
    seasonLabels << seasonName(s.file).right(5);
    for (const engine::DivisionModelBacktest &m : s.model) {
      engine::ValuationScore v;
      for (const engine::DivisionValuationBacktest &d : s.valuation)
        if (d.division == m.division)
          v = d.score;
      addRow(seasonName(s.file), m.division, v, m.tally, s.previousFile);
      if (m.tally.matches) {
        rpsModel[static_cast<size_t>(m.division - 1)].push_back({double(x), m.tally.rankedProbabilityScore / m.tally.matches});
        rpsHome[static_cast<size_t>(m.division - 1)].push_back({double(x), m.tally.alwaysHomeScore / m.tally.matches});
      }
    }
    ++x;
  }
  for (int d = 1; d <= 2; ++d)
    if (r.pooledModel[static_cast<size_t>(d - 1)].tally.matches)
      addRow(QStringLiteral("Todas"), d, r.pooledValuation[static_cast<size_t>(d - 1)],
             r.pooledModel[static_cast<size_t>(d - 1)].tally, QString());
  table->resizeColumnsToContents();
  seasonsRps->setChart(QStringLiteral("RPS del modelo por temporada (menor es mejor)"),
                       {{QStringLiteral("1ª"), QColor(200, 40, 40), rpsModel[0]},
                        {QStringLiteral("2ª"), QColor(0, 90, 200), rpsModel[1]}},
                       0.18, 0.24, 0.01, seasonLabels, false);
  // Predicted chance against how often it happened, by deciles, both divisions.
  std::vector<QPointF> diagonal = {{0.0, 0.0}, {1.0, 1.0}};
  std::array<std::vector<QPointF>, 2> calibrated;
  for (int d = 0; d < 2; ++d)
    for (const engine::CalibrationBin &b : r.pooledModel[static_cast<size_t>(d)].calibration)
      if (b.chances >= 20)
        calibrated[static_cast<size_t>(d)].push_back({b.predicted / b.chances, double(b.happened) / b.chances});
  calibration->setChart(QStringLiteral("Calibración: probabilidad dada y frecuencia real"),
                        {{QStringLiteral("ideal"), QColor(170, 170, 170), diagonal},
                         {QStringLiteral("1ª"), QColor(200, 40, 40), calibrated[0]},
                         {QStringLiteral("2ª"), QColor(0, 90, 200), calibrated[1]}},
                        0.0, 1.0, 0.2);
}

} // namespace ui
