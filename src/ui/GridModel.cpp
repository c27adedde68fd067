#include "ui/GridModel.h"

#include <QBrush>
#include <QColor>

namespace ui {

GridModel::GridModel(controls::Grid &grid, QObject *parent) : QAbstractTableModel(parent), grid_(grid)
{
  grid_.takeChanges();
  rows_ = grid_.rows();
  cols_ = grid_.cols();
  copy(0, 0, rows_ - 1, cols_ - 1);
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
  const int r = index.row(), c = index.column();
  if (!index.isValid() || r >= rows_ || c >= cols_)
    return {};
  const Cell &cell = cells_[static_cast<size_t>(r) * cols_ + c];
  switch (role) {
  case Qt::DisplayRole:
    return cell.text;
  case Qt::BackgroundRole:
    if (controls::alpha(cell.colour) == 0)
      return {};
    return QBrush(QColor::fromRgb(static_cast<QRgb>(cell.colour)));
  case Qt::TextAlignmentRole:
    return alignments_[c] == controls::Alignment::LeftTop ? int(Qt::AlignTop | Qt::AlignLeft)
                                                          : int(Qt::AlignVCenter | Qt::AlignLeft);
  default:
    return {};
  }
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
  return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void GridModel::copy(int top, int left, int bottom, int right)
{
  cells_.resize(static_cast<size_t>(rows_) * cols_);
  alignments_.resize(cols_);
  for (int c = std::max(left, 0); c <= std::min(right, cols_ - 1); ++c)
    alignments_[c] = grid_.colAlignment(c);
  for (int r = std::max(top, 0); r <= std::min(bottom, rows_ - 1); ++r)
    for (int c = std::max(left, 0); c <= std::min(right, cols_ - 1); ++c)
      cells_[static_cast<size_t>(r) * cols_ + c] = {grid_.text(r, c), grid_.cellColour(r, c)};
}

controls::GridChanges GridModel::sync()
{
  const controls::GridChanges changes = grid_.takeChanges();
  const int rows = grid_.rows(), cols = grid_.cols();
  // A new shape: every cell is copied again, and announced as changed below.
  auto reshape = [this](int r, int c) {
    rows_ = r;
    cols_ = c;
    copy(0, 0, rows_ - 1, cols_ - 1);
  };
  if (rows > rows_) {
    beginInsertRows({}, rows_, rows - 1);
    reshape(rows, cols_);
    endInsertRows();
  } else if (rows < rows_) {
    beginRemoveRows({}, rows, rows_ - 1);
    reshape(rows, cols_);
    endRemoveRows();
  }
  if (cols > cols_) {
    beginInsertColumns({}, cols_, cols - 1);
    reshape(rows_, cols);
    endInsertColumns();
  } else if (cols < cols_) {
    beginRemoveColumns({}, cols, cols_ - 1);
    reshape(rows_, cols);
    endRemoveColumns();
  }
  if (rows_ == 0 || cols_ == 0)
    return changes;
  if (changes.layout) {
    copy(0, 0, rows_ - 1, cols_ - 1);
    emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
  } else if (changes.top >= 0 && changes.top < rows_ && changes.left < cols_) {
    const int bottom = std::min(changes.bottom, rows_ - 1), right = std::min(changes.right, cols_ - 1);
    copy(changes.top, changes.left, bottom, right);
    emit dataChanged(index(changes.top, changes.left), index(bottom, right));
  }
  return changes;
}

} // namespace ui
