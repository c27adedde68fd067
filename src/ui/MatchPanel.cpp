#include "ui/MatchPanel.h"

#include "ui/EntryPanel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ui {

MatchPanel::MatchPanel(vaticor::Qmodelop &form, Runner run, QWidget *parent) : QWidget(parent), form_(form)
{
  auto *layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  List1 = new ListWidget(form.List1, this);
  List1->setStyleSheet(QStringLiteral("background:#dde6ff;"));
  List6 = new ListWidget(form.List6, this);
  List7 = new ListWidget(form.List7, this);
  List8 = new ListWidget(form.List8, this);
  nameControl(List1, QStringLiteral("List1"));
  nameControl(List6, QStringLiteral("List6"));
  nameControl(List7, QStringLiteral("List7"));
  nameControl(List8, QStringLiteral("List8"));
  layout->addWidget(List1);
  layout->addWidget(List6);
  layout->addSpacing(10);
  layout->addWidget(List7);
  layout->addWidget(List8);
  layout->addSpacing(10);

  auto *side = new QVBoxLayout;
  // The results locator: the two clubs picked in the results grid and their meetings.
  auto *Frame3 = new QWidget(this);
  nameControl(Frame3, QStringLiteral("Frame3"));
  auto *locator = new QVBoxLayout(Frame3);
  locator->setContentsMargins(0, 0, 0, 0);
  Label19[0] = newLabel(Frame3, true);
  Label19[1] = newLabel(Frame3, true);
  Label21 = newLabel(Frame3, true);
  Label20 = newLabel(Frame3, true);
  for (QLabel *l : {Label19[0], Label19[1], Label21, Label20})
    locator->addWidget(l);
  entry = new EntryPanel(form, std::move(run), this);
  side->addWidget(Frame3);
  side->addStretch(1);
  side->addWidget(entry);
  layout->addLayout(side, 1);
}

void MatchPanel::draw()
{
  const vaticor::Qmodelop &f = form_;
  setVisible(f.Frame2.visible);
  bool changed = false;
  for (ListWidget *list : {List1, List6, List7, List8})
    changed = list->sync() || changed;
  if (changed) {
    // Room for a 2ª División jornada whatever is shown, so the panel keeps its size.
    const int rows = std::max({List1->count(), List6->count(), List7->count(), List8->count(), 13});
    List1->setFixedSize(List1->fullSize(16, rows));
    List6->setFixedSize(List6->fullSize(2, rows));
    List7->setFixedSize(List7->fullSize(20, rows));
    List8->setFixedSize(List8->fullSize(2, rows));
  }
  drawLabel(Label19[0], f.Label19[0]);
  drawLabel(Label19[1], f.Label19[1]);
  drawLabel(Label20, f.Label20);
  drawLabel(Label21, f.Label21);
  entry->draw();
}

} // namespace ui
