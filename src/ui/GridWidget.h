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

signals:
  void cellPicked(int row, int col);
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
