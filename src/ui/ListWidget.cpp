#include "ui/ListWidget.h"

#include "ui/Fonts.h"
#include "ui/ListModel.h"

#include <QStyle>

namespace ui {

ListWidget::ListWidget(controls::ListBox &list, QWidget *parent, double textSize)
    : QListView(parent), textSize_(textSize)
{
  // The look before the lines: the view sizes its lines on what it has then.
  setFont(fixedFont(textSize));
  setTextElideMode(Qt::ElideNone);
  setFocusPolicy(Qt::NoFocus);
  setUniformItemSizes(true);
  model_ = new ListModel(list, this);
  setModel(model_);
  connect(this, &QListView::clicked, this, [this](const QModelIndex &index) { emit linePicked(index.row()); });
  auto moved = [this] { selectionMoved_ = selectionMoved_ || !applyingSelection_; };
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, moved);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, moved);
}

controls::ListBox &ListWidget::list() const
{
  return model_->list();
}

void ListWidget::setZoom(int percent)
{
  if (percent == zoom_ || percent <= 0)
    return;
  zoom_ = percent;
  setFont(fixedFont(textSize_ * zoom_ / 100.0));
  fresh_ = true;
}

bool ListWidget::sync()
{
  setVisible(list().visible);
  const ListModel::Synced synced = model_->sync();
  if (synced.lines || synced.selection)
    selectionMoved_ = true;
  showSelection();
  const bool resized = fresh_ || synced.lines;
  fresh_ = false;
  return resized;
}

// The lines the list box marks: its list index and the lines highlighted together.
void ListWidget::showSelection()
{
  if (!selectionMoved_)
    return;
  const controls::ListBox &l = list();
  QItemSelection wanted;
  for (int line : l.selectedLines())
    if (line < count())
      wanted.select(model_->index(line), model_->index(line));
  const int current = l.listIndex() < count() ? l.listIndex() : -1;
  if (current >= 0 && marksListIndex_)
    wanted.select(model_->index(current), model_->index(current));
  applyingSelection_ = true;
  selectionModel()->select(wanted, QItemSelectionModel::ClearAndSelect);
  if (currentIndex().row() != current)
    selectionModel()->setCurrentIndex(model_->index(current), QItemSelectionModel::NoUpdate);
  applyingSelection_ = false;
  selectionMoved_ = false;
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

int ListWidget::count() const
{
  return model_->rowCount();
}

QString ListWidget::text(int line) const
{
  return model_->index(line).data().toString();
}

QRect ListWidget::lineRect(int line) const
{
  return visualRect(model_->index(line));
}

int ListWidget::currentRow() const
{
  return currentIndex().row();
}

bool ListWidget::isLineSelected(int line) const
{
  return selectionModel()->isSelected(model_->index(line));
}

} // namespace ui
