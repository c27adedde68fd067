#include "ui/GridWidget.h"

#include "ui/Fonts.h"

#include <QHeaderView>
#include <QStyle>

namespace ui {

GridWidget::GridWidget(QWidget *parent) : QTableWidget(parent)
{
  setFont(fixedFont(8));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setTextElideMode(Qt::ElideNone);
  setWordWrap(false);
  setSortingEnabled(false);
  setFocusPolicy(Qt::NoFocus);
  setTextSize(8);
  connect(this, &QTableWidget::cellClicked, this, &GridWidget::cellPicked);
}

void GridWidget::setTextSize(double points)
{
  textSize_ = points;
  setFont(fixedFont(points));
  // One pixel for the grid line under the text: rows as tight as the text
  // allows (the hidden header would otherwise impose its own font's height).
  // At small sizes the accented capitals rise above the font's rounded
  // height, and the text is centred: the row leaves that room on both sides.
  const QFontMetrics metrics(font());
  const int overflow = std::max(0, metrics.boundingRect(QStringLiteral("ÁÉÍÓÚÑÇgjy|")).height() - metrics.height());
  const int rowHeight = metrics.height() + 2 * overflow + 1;
  verticalHeader()->setMinimumSectionSize(rowHeight);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  for (int r = 0; r < rowCount(); ++r)
    setRowHeight(r, rowHeight);
}

void GridWidget::draw(const controls::Grid &grid)
{
  setVisible(grid.visible);
  if (followsFontSize_ && grid.fontSize > 0 && grid.fontSize != textSize_)
    setTextSize(grid.fontSize);
  if (rowCount() != grid.rows())
    setRowCount(grid.rows());
  if (columnCount() != grid.cols())
    setColumnCount(grid.cols());
  const QFontMetrics metrics(font());
  // Qt draws a cell's text this far in from each side, plus a pixel for the grid line.
  const int textMargins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
  for (int c = 0; c < grid.cols(); ++c) {
    int widest = 0;
    for (int r = 0; r < grid.rows(); ++r) {
      const QString text = grid.text(r, c);
      QTableWidgetItem *it = item(r, c);
      if (!it) {
        it = new QTableWidgetItem;
        setItem(r, c, it);
      }
      if (it->text() != text)
        it->setText(text);
      const controls::Rgb colour = grid.cellColour(r, c);
      const QBrush brush = controls::alpha(colour) == 0 ? QBrush() : QBrush(QColor::fromRgb(static_cast<QRgb>(colour)));
      if (it->background() != brush)
        it->setBackground(brush);
      Qt::Alignment align = Qt::AlignVCenter | Qt::AlignLeft;
      if (grid.colAlignment(c) == controls::Alignment::LeftTop)
        align = Qt::AlignTop | Qt::AlignLeft;
      if (it->textAlignment() != int(align))
        it->setTextAlignment(align);
      widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    // A near-zero width hides a column on purpose; otherwise no text is cut.
    const int twips = grid.colWidth(c);
    const int width = twips <= 15 ? 0 : std::max(twips / 15, widest + textMargins);
    if (columnWidth(c) != width)
      setColumnWidth(c, width);
  }
  clearSelection();
  if (grid.rows() <= 0 || grid.cols() <= 0)
    return;
  if (marksCurrentCell_)
    setRangeSelected(QTableWidgetSelectionRange(grid.row, grid.col, grid.row, grid.col), true);
  else if (grid.rowSel != grid.row || grid.colSel != grid.col)
    setRangeSelected(QTableWidgetSelectionRange(std::min(grid.row, grid.rowSel), std::min(grid.col, grid.colSel),
                                                std::max(grid.row, grid.rowSel), std::max(grid.col, grid.colSel)),
                     true);
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

ListWidget::ListWidget(QWidget *parent) : QListWidget(parent)
{
  setFont(fixedFont(8));
  setTextElideMode(Qt::ElideNone);
  setFocusPolicy(Qt::NoFocus);
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *it) { emit linePicked(row(it)); });
}

void ListWidget::draw(const controls::ListBox &list)
{
  setVisible(list.visible);
  const QStringList &lines = list.lines();
  bool same = count() == lines.size();
  for (int i = 0; same && i < lines.size(); ++i)
    same = item(i)->text() == lines[i];
  if (!same) {
    clear();
    addItems(lines);
  }
  // The lines the model marks: its list index and the lines highlighted together.
  QList<int> marked = list.selectedLines();
  if (list.listIndex() >= 0 && !marked.contains(list.listIndex()))
    marked.append(list.listIndex());
  for (int i = 0; i < count(); ++i) {
    const bool on = marked.contains(i);
    if (item(i)->isSelected() != on)
      item(i)->setSelected(on);
  }
  if (currentRow() != list.listIndex())
    setCurrentRow(list.listIndex(), QItemSelectionModel::NoUpdate);
}

QSize ListWidget::fullSize(int minChars, int minRows) const
{
  const QFontMetrics metrics(font());
  // Qt draws an item's text this far in from each side of the line.
  const int textMargin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  const int width = std::max(sizeHintForColumn(0), metrics.horizontalAdvance(QString(minChars, u'0')) + 2 * textMargin);
  const int rowHeight = count() > 0 ? sizeHintForRow(0) : metrics.height();
  return {width + 2 * frameWidth(), std::max(count(), minRows) * rowHeight + 2 * frameWidth()};
}

} // namespace ui
