#pragma once
// A grid of the form seen through Qt's model/view. The cells are read from
// the grid as they are; the rows and columns the view knows, and the cells it
// must draw again, are announced by sync().

#include "controls/Controls.h"

#include <QAbstractTableModel>

namespace ui {

class GridModel : public QAbstractTableModel {
  Q_OBJECT
public:
  explicit GridModel(controls::Grid &grid, QObject *parent = nullptr);
  controls::Grid &grid() const { return grid_; }

  int rowCount(const QModelIndex &parent = {}) const override;
  int columnCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

  // Brings the view up to the grid: rows and columns inserted or removed at
  // the ends (a grid keeps its cells where they stood when it grows or
  // shrinks), then the cells changed. Returns what changed.
  controls::GridChanges sync();

private:
  controls::Grid &grid_;
  int rows_ = 0;
  int cols_ = 0;
};

} // namespace ui
