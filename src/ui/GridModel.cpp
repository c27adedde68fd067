#include "ui/GridModel.h"

#include <QBrush>
#include <QColor>

namespace ui {

GridModel::GridModel(controls::Grid &grid, QObject *parent)
    : QAbstractTableModel(parent), grid_(grid), rows_(grid.rows()), cols_(grid.cols())
{
  grid_.takeChanges();
}

int GridModel::rowCount(const QModelIndex &parent) const
{
  return parent.isValid() ? 0 : rows_;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
  return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
  if (!index.isValid())
    return {};
  const int r = index.row(), c = index.column();
  switch (role) {
  case Qt::DisplayRole:
    return grid_.text(r, c);
  case Qt::BackgroundRole: {
    const controls::Rgb colour = grid_.cellColour(r, c);
    if (controls::alpha(colour) == 0)
      return {};
    return QBrush(QColor::fromRgb(static_cast<QRgb>(colour)));
  }
  case Qt::TextAlignmentRole:
    return grid_.colAlignment(c) == controls::Alignment::LeftTop ? int(Qt::AlignTop | Qt::AlignLeft)
                                                                  : int(Qt::AlignVCenter | Qt::AlignLeft);
  default:
    return {};
  }
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
  return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

controls::GridChanges GridModel::sync()
{
  controls::GridChanges changes = grid_.takeChanges();
  const int rows = grid_.rows(), cols = grid_.cols();
  if (rows > rows_) {
    beginInsertRows({}, rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  } else if (rows < rows_) {
    beginRemoveRows({}, rows, rows_ - 1);
    rows_ = rows;
    endRemoveRows();
  }
  if (cols > cols_) {
    beginInsertColumns({}, cols_, cols - 1);
    cols_ = cols;
    endInsertColumns();
  } else if (cols < cols_) {
    beginRemoveColumns({}, cols, cols_ - 1);
    cols_ = cols;
    endRemoveColumns();
  }
  if (rows_ == 0 || cols_ == 0)
    return changes;
  // A changed alignment restyles a whole column; widths are the view's to apply.
  if (changes.layout)
    emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
  else if (changes.top >= 0 && changes.top < rows_ && changes.left < cols_)
    emit dataChanged(index(changes.top, changes.left),
                     index(std::min(changes.bottom, rows_ - 1), std::min(changes.right, cols_ - 1)));
  return changes;
}

} // namespace ui
