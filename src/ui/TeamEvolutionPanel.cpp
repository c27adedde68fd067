#include "ui/TeamEvolutionPanel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ui {

TeamEvolutionPanel::TeamEvolutionPanel(vaticor::Qmodelop &form, QWidget *parent) : QWidget(parent), form_(form)
{
  nameControl(this, QStringLiteral("Frame15"));
  auto *v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  Label27 = newLabel(this);
  Label31 = newPrintLabel(this, QStringLiteral("Label31"));
  v->addLayout(captionRow(Label27, Label31));
  auto *lists = new QHBoxLayout;
  lists->setSpacing(2);
  for (int i = 0; i < 5; ++i) {
    List2[i] = new ListWidget(form.List2[i], this);
    List3[i] = new ListWidget(form.List3[i], this);
    nameControl(List2[i], QStringLiteral("List2"), i);
    nameControl(List3[i], QStringLiteral("List3"), i);
    lists->addWidget(List2[i]);
    lists->addWidget(List3[i]);
    lists->addSpacing(6);
  }
  lists->addStretch(1);
  v->addLayout(lists, 1);
}

void TeamEvolutionPanel::draw()
{
  const vaticor::Qmodelop &f = form_;
  setVisible(f.Frame15.visible);
  drawLabel(Label27, f.Label27);
  drawLabel(Label31, f.Label31);
  bool changed = false;
  for (int i = 0; i < 5; ++i) {
    changed = List2[i]->sync() || changed;
    changed = List3[i]->sync() || changed;
  }
  if (!changed)
    return;
  int rows = 0;
  for (int i = 0; i < 5; ++i)
    rows = std::max({rows, List2[i]->count(), List3[i]->count()});
  for (int i = 0; i < 5; ++i) {
    List2[i]->setFixedSize(List2[i]->fullSize(18, rows));
    List3[i]->setFixedSize(List3[i]->fullSize(5, rows));
  }
}

} // namespace ui
