#include "ui/ViewPanels.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace ui {

void fitListWithin(ListWidget *list, int minChars, int rows, int maxHeight)
{
  QSize size = list->fullSize(minChars, rows);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  if (maxHeight > 0 && size.height() > maxHeight) {
    size.setHeight(maxHeight);
    size.rwidth() += list->verticalScrollBar()->sizeHint().width();
  }
  list->setFixedSize(size);
}

namespace {

QPushButton *viewButton(QWidget *parent, const controls::Button &model, const char *name)
{
  QPushButton *b = newButton(parent, model, QLatin1String(name));
  // The move buttons are the dark boxes the help line speaks of.
  b->setStyleSheet(QStringLiteral("background:#404040; color:white;"));
  return b;
}

} // namespace

TenByTenPanel::TenByTenPanel(vaticor::Qmodelop &form, QWidget *parent) : QWidget(parent), form_(form)
{
  nameControl(this, QStringLiteral("Frame6"));
  auto *v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  auto *header = new QHBoxLayout;
  Label24 = newLabel(this, true);
  nameControl(Label24, QStringLiteral("Label24"));
  Command25 = viewButton(this, form.Command25, "Command25");
  Command26 = viewButton(this, form.Command26, "Command26");
  Command39 = newButton(this, form.Command39, QStringLiteral("Command39"));
  header->addWidget(Label24);
  header->addSpacing(20);
  header->addWidget(Command25);
  header->addWidget(Command26);
  header->addSpacing(20);
  header->addWidget(Command39);
  header->addStretch(1);
  v->addLayout(header);
  // Two rows of five jornadas: the five latest above, the five before them below.
  // The lists go without frames, each jornada's scores shaded beside its
  // matches, so that ten jornadas stand beside the general standings on a
  // screen of 1366 pixels.
  auto *grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(6);
  for (int k = 0; k < 10; ++k) {
    List10[k] = new ListWidget(form.List10[k], this);
    List11[k] = new ListWidget(form.List11[k], this);
    nameControl(List10[k], QStringLiteral("List10"), k);
    nameControl(List11[k], QStringLiteral("List11"), k);
    List11[k]->setStyleSheet(QStringLiteral("background:#e8e8e8;"));
    auto *pair = new QHBoxLayout;
    pair->setSpacing(0);
    for (ListWidget *list : {List10[k], List11[k]}) {
      list->setFrameShape(QFrame::NoFrame);
      pair->addWidget(list);
    }
    grid->addLayout(pair, k / 5, k % 5);
  }
  grid->setColumnStretch(5, 1);
  v->addLayout(grid);
  v->addStretch(1);
}

void TenByTenPanel::draw()
{
  const vaticor::Qmodelop &f = form_;
  setVisible(f.Frame6.visible);
  drawLabel(Label24, f.Label24);
  drawButton(Command25, f.Command25);
  drawButton(Command26, f.Command26);
  drawButton(Command39, f.Command39);
  bool changed = false;
  for (int k = 0; k < 10; ++k) {
    changed = List10[k]->sync() || changed;
    changed = List11[k]->sync() || changed;
  }
  if (!changed)
    return;
  int rows = 0;
  for (int k = 0; k < 10; ++k)
    rows = std::max({rows, List10[k]->count(), List11[k]->count()});
  // Every list of the panel keeps one size, so the empty ones hold their place.
  for (int k = 0; k < 10; ++k) {
    fitListWithin(List10[k], 25, rows, 0);
    fitListWithin(List11[k], 9, rows, 0);
  }
}

HistoryPanel::HistoryPanel(vaticor::Qmodelop &form, QWidget *parent) : QWidget(parent), form_(form)
{
  nameControl(this, QStringLiteral("Frame8"));
  auto *v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(2);
  header_ = new QWidget(this);
  auto *top = new QVBoxLayout(header_);
  top->setContentsMargins(0, 0, 0, 0);
  top->setSpacing(2);
  auto *row = new QHBoxLayout;
  caption = newLabel(header_);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  Command28 = viewButton(header_, form.Command28, "Command28");
  Command27 = viewButton(header_, form.Command27, "Command27");
  Label36 = newPrintLabel(header_, QStringLiteral("Label36"));
  row->addWidget(caption);
  row->addSpacing(20);
  row->addWidget(Command28);
  row->addWidget(Command27);
  row->addSpacing(20);
  row->addWidget(Label36);
  row->addStretch(1);
  top->addLayout(row);
  // The heading of each club stands over its list: both are 19 characters a club.
  Label38 = newLabel(header_, true);
  nameControl(Label38, QStringLiteral("Label38"));
  top->addWidget(Label38);
  v->addWidget(header_);
  auto *lists = new QHBoxLayout;
  lists->setSpacing(0);
  for (int k = 0; k < 6; ++k) {
    List13[k] = new ListWidget(form.List13[k], this);
    nameControl(List13[k], QStringLiteral("List13"), k);
    // The matches not lost stand highlighted, several at once.
    List13[k]->setSelectionMode(QAbstractItemView::MultiSelection);
    lists->addWidget(List13[k], 0, Qt::AlignTop);
  }
  lists->addStretch(1);
  v->addLayout(lists);
  v->addStretch(1);
}

int HistoryPanel::headerHeight() const
{
  return header_->sizeHint().height() + 2;
}

void HistoryPanel::draw(int maxHeight)
{
  const vaticor::Qmodelop &f = form_;
  setVisible(f.Frame8.visible);
  caption->setText(f.Frame8.caption);
  drawLabel(Label38, f.Label38);
  drawLabel(Label36, f.Label36);
  drawButton(Command27, f.Command27);
  drawButton(Command28, f.Command28);
  bool changed = maxHeight != fittedTo_;
  for (ListWidget *list : List13)
    changed = list->sync() || changed;
  if (!changed)
    return;
  fittedTo_ = maxHeight;
  int rows = 0;
  for (ListWidget *list : List13)
    rows = std::max(rows, list->count());
  for (ListWidget *list : List13)
    fitListWithin(list, 19, rows, maxHeight);
}

DifferencePanel::DifferencePanel(vaticor::Qmodelop &form, QWidget *parent) : QWidget(parent), form_(form)
{
  nameControl(this, QStringLiteral("Frame4"));
  auto *v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  header_ = new QWidget(this);
  auto *row = new QHBoxLayout(header_);
  row->setContentsMargins(0, 0, 0, 0);
  caption = newLabel(header_);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  Label37 = newPrintLabel(header_, QStringLiteral("Label37"));
  row->addWidget(caption);
  row->addSpacing(20);
  row->addWidget(Label37);
  row->addStretch(1);
  v->addWidget(header_);
  auto *lists = new QHBoxLayout;
  lists->setSpacing(4);
  for (int k = 0; k < 6; ++k) {
    List9[k] = new ListWidget(form.List9[k], this);
    nameControl(List9[k], QStringLiteral("List9"), k);
    lists->addWidget(List9[k], 0, Qt::AlignTop);
  }
  lists->addStretch(1);
  v->addLayout(lists);
  v->addStretch(1);
}

int DifferencePanel::headerHeight() const
{
  return header_->sizeHint().height() + 6;
}

void DifferencePanel::draw(int maxHeight)
{
  const vaticor::Qmodelop &f = form_;
  setVisible(f.Frame4.visible);
  caption->setText(f.Frame4.caption);
  drawLabel(Label37, f.Label37);
  bool changed = maxHeight != fittedTo_;
  for (ListWidget *list : List9)
    changed = list->sync() || changed;
  if (!changed)
    return;
  fittedTo_ = maxHeight;
  int rows = 0;
  for (ListWidget *list : List9)
    rows = std::max(rows, list->count());
  for (ListWidget *list : List9)
    fitListWithin(list, 17, rows, maxHeight);
}

} // namespace ui
