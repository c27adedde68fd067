#pragma once
// Widgets that draw one control model each: a grid and a list box. They show
// the model's texts exactly (fixed pitch, no eliding, columns wide enough for
// their longest text) and report clicks; they decide nothing.

#include "controls/Controls.h"

#include <QListWidget>
#include <QTableWidget>

namespace ui {

class GridWidget : public QTableWidget {
  Q_OBJECT
public:
  explicit GridWidget(QWidget *parent = nullptr);
  void draw(const controls::Grid &grid);
  // The size that shows every cell without scrolling.
  QSize fullSize() const;
  // The grid draws its text at the model's font size (the coupon's size steps).
  void setFollowsFontSize(bool on) { followsFontSize_ = on; }
  // Text at this size whatever the model says (the wide tables of signs).
  void setTextSize(double points);
  // The current cell is shown selected (the cell that typing goes to).
  void setMarksCurrentCell(bool on) { marksCurrentCell_ = on; }

signals:
  void cellPicked(int row, int col);

private:
  bool followsFontSize_ = false;
  bool marksCurrentCell_ = false;
  double textSize_ = 8;
};

class ListWidget : public QListWidget {
  Q_OBJECT
public:
  explicit ListWidget(QWidget *parent = nullptr);
  void draw(const controls::ListBox &list);
  // The size that shows every line whole without scrolling; at least minChars
  // characters wide and minRows lines high, so that a panel keeps its size.
  QSize fullSize(int minChars = 0, int minRows = 0) const;

signals:
  void linePicked(int index);
};

} // namespace ui
