#include "ui/GridWidget.h"

#include "ui/Fonts.h"
#include "ui/GridModel.h"

#include <QHeaderView>
#include <QStyle>

namespace ui {

GridWidget::GridWidget(controls::Grid &grid, QWidget *parent) : QTableView(parent)
{
  // The font before the first column: the hidden header keeps the narrowest
  // width it allows a column from the font it had when its columns came.
  setTextSize(8);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setTextElideMode(Qt::ElideNone);
  setWordWrap(false);
  setSortingEnabled(false);
  setFocusPolicy(Qt::NoFocus);
  model_ = new GridModel(grid, this);
  setModel(model_);
  fitColumns(0, columnCount() - 1);
  connect(this, &QTableView::clicked, this, [this](const QModelIndex &index) { emit cellPicked(index.row(), index.column()); });
  connect(this, &QTableView::entered, this, [this](const QModelIndex &index) { emit cellEntered(index.row(), index.column()); });
  auto moved = [this] { selectionMoved_ = selectionMoved_ || !applyingSelection_; };
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, moved);
  connect(model_, &QAbstractItemModel::rowsInserted, this, moved);
  connect(model_, &QAbstractItemModel::columnsInserted, this, moved);
}

controls::Grid &GridWidget::grid() const
{
  return model_->grid();
}

void GridWidget::setTextSize(double points)
{
  textSize_ = points;
  applyFont();
}

void GridWidget::setZoom(int percent)
{
  if (percent == zoom_ || percent <= 0)
    return;
  zoom_ = percent;
  applyFont();
}

void GridWidget::setColumnsFitText(bool on)
{
  columnsFitText_ = on;
  fitColumns(0, columnCount() - 1);
}

void GridWidget::applyFont()
{
  setFont(fixedFont(shownSize()));
  // One pixel for the grid line under the text: rows as tight as the text
  // allows (the hidden header would otherwise impose its own font's height).
  // At small sizes the accented capitals rise above the font's rounded
  // height, and the text is centred: the row leaves that room on both sides.
  const QFontMetrics metrics(font());
  const int overflow = std::max(0, metrics.boundingRect(QStringLiteral("ÁÉÍÓÚÑÇgjy|")).height() - metrics.height());
  const int rowHeight = metrics.height() + 2 * overflow + 1;
  verticalHeader()->setMinimumSectionSize(rowHeight);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  if (!model_)
    return;
  for (int r = 0; r < rowCount(); ++r)
    setRowHeight(r, rowHeight);
  fitColumns(0, columnCount() - 1);
}

void GridWidget::fitColumns(int first, int last)
{
  const controls::Grid &g = grid();
  const QFontMetrics metrics(font());
  // Qt draws a cell's text this far in from each side, plus a pixel for the grid line.
  const int textMargins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
  last = std::min(last, columnCount() - 1);
  for (int c = std::max(first, 0); c <= last; ++c) {
    // A near-zero width hides a column on purpose; otherwise no text is cut.
    const int twips = g.colWidth(c);
    int width = 0;
    if (twips > 15) {
      int widest = 0;
      for (int r = 0; r < rowCount(); ++r)
        widest = std::max(widest, metrics.horizontalAdvance(g.text(r, c)));
      width = std::max(columnsFitText_ ? 0 : twips / 15, widest + textMargins);
    }
    if (columnWidth(c) != width)
      setColumnWidth(c, width);
  }
  setFixedSize(fullSize());
}

void GridWidget::sync()
{
  const controls::Grid &g = grid();
  setVisible(g.visible);
  const controls::GridChanges changes = model_->sync();
  if (followsFontSize_ && g.fontSize > 0 && g.fontSize != textSize_)
    setTextSize(g.fontSize);
  else if (changes.layout)
    fitColumns(0, columnCount() - 1);
  else if (changes.top >= 0)
    fitColumns(changes.left, changes.right);
  showSelection();
}

// The selection the grid holds: its current cell when typing goes there,
// otherwise the range from the current cell to the selection's far corner
// when it covers more than one cell.
void GridWidget::showSelection()
{
  const controls::Grid &g = grid();
  if (!selectionMoved_ && g.row == shownRow_ && g.col == shownCol_ && g.rowSel == shownRowSel_ &&
      g.colSel == shownColSel_)
    return;
  QItemSelection wanted;
  if (rowCount() > 0 && columnCount() > 0) {
    QModelIndex from, to;
    if (marksCurrentCell_) {
      from = to = model_->index(g.row, g.col);
    } else if (g.rowSel != g.row || g.colSel != g.col) {
      from = model_->index(std::min(g.row, g.rowSel), std::min(g.col, g.colSel));
      to = model_->index(std::max(g.row, g.rowSel), std::max(g.col, g.colSel));
    }
    if (from.isValid() && to.isValid())
      wanted.select(from, to);
  }
  applyingSelection_ = true;
  selectionModel()->select(wanted, QItemSelectionModel::ClearAndSelect);
  applyingSelection_ = false;
  selectionMoved_ = false;
  shownRow_ = g.row;
  shownCol_ = g.col;
  shownRowSel_ = g.rowSel;
  shownColSel_ = g.colSel;
}

QSize GridWidget::fullSize() const
{
  int w = 2 * frameWidth();
  for (int c = 0; c < columnCount(); ++c)
    w += columnWidth(c);
  int h = 2 * frameWidth();
  for (int r = 0; r < rowCount(); ++r)
    h += rowHeight(r);
  return {w, h};
}

int GridWidget::rowCount() const
{
  return model_->rowCount();
}

int GridWidget::columnCount() const
{
  return model_->columnCount();
}

QString GridWidget::text(int row, int col) const
{
  return model_->index(row, col).data().toString();
}

QRect GridWidget::cellRect(int row, int col) const
{
  return visualRect(model_->index(row, col));
}

} // namespace ui
