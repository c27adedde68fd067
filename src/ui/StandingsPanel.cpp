#include "ui/StandingsPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ui {

StandingsPanel::StandingsPanel(vaticor::Qmodelop &form, QWidget *parent) : QWidget(parent), form_(form)
{
  nameControl(this, QStringLiteral("Frame7"));
  auto *v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  Label7 = newLabel(this, true);
  Label30 = newPrintLabel(this, QStringLiteral("Label30"));
  v->addLayout(captionRow(Label7, Label30));
  auto *keys = new QGridLayout;
  for (int i = 0; i < 7; ++i) {
    Label40[i] = newClickLabel(this);
    nameControl(Label40[i], QStringLiteral("Label40"), i);
    Label40[i]->setFrameShape(QFrame::Panel);
    keys->addWidget(Label40[i], i / 4, i % 4);
  }
  Label34 = newClickLabel(this);
  nameControl(Label34, QStringLiteral("Label34"));
  Label34->setFrameShape(QFrame::Panel);
  keys->addWidget(Label34, 1, 3);
  v->addLayout(keys);
  auto *lists = new QHBoxLayout;
  lists->setSpacing(2);
  for (int i = 0; i < 5; ++i) {
    List12[i] = new ListWidget(form.List12[i], this);
    nameControl(List12[i], QStringLiteral("List12"), i);
    lists->addWidget(List12[i]);
  }
  lists->addStretch(1);
  v->addLayout(lists, 1);
}

void StandingsPanel::draw()
{
  const vaticor::Qmodelop &f = form_;
  setVisible(f.Frame7.visible);
  drawLabel(Label7, f.Label7);
  drawLabel(Label30, f.Label30);
  for (int i = 0; i < 7; ++i)
    drawLabel(Label40[i], f.Label40[i]);
  drawLabel(Label34, f.Label34);
  bool changed = false;
  for (ListWidget *list : List12)
    changed = list->sync() || changed;
  if (!changed)
    return;
  // The lists of one view share one height: the longest of them.
  int rows = 0;
  for (ListWidget *list : List12)
    rows = std::max(rows, list->count());
  for (ListWidget *list : List12)
    list->setFixedSize(list->fullSize(0, rows));
}

} // namespace ui
