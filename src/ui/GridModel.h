#pragma once
// A grid of the form seen through Qt's model/view: the view shows the cells
// the model last announced, and sync() announces what changed since.

#include "controls/Controls.h"

#include <QAbstractTableModel>
#include <vector>

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

  // Brings the cells shown up to the grid: rows and columns inserted or
  // removed at the ends (a grid keeps its cells where they stood when it
  // grows or shrinks), then the cells changed. Returns what changed.
  controls::GridChanges sync();

private:
  struct Cell {
    QString text;
    controls::Rgb colour = controls::kNoColour;
  };
  // Copies the cells of the rectangle, and the columns' alignments, from the grid.
  void copy(int top, int left, int bottom, int right);

  controls::Grid &grid_;
  int rows_ = 0;
  int cols_ = 0;
  std::vector<Cell> cells_; // rows_ x cols_, the texts shared with the grid's
  std::vector<controls::Alignment> alignments_;
};

} // namespace ui
