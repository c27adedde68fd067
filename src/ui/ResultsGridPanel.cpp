#include "ui/ResultsGridPanel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

ResultsGridPanel::ResultsGridPanel(vaticor::Qmodelop &form, QWidget *parent) : QWidget(parent), form_(form)
{
  nameControl(this, QStringLiteral("Frame5"));
  auto *v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  Label4 = newLabel(this, true);
  tab1 = new GridWidget(form.tab1, this);
  nameControl(tab1, QStringLiteral("tab1"));
  Command2 = newButton(this, form.Command2, QStringLiteral("Command2"));
  v->addLayout(captionRow(Label4, Command2));
  v->addWidget(tab1, 0, Qt::AlignLeft);
  v->addStretch(1);
}

void ResultsGridPanel::draw()
{
  const vaticor::Qmodelop &f = form_;
  setVisible(f.Frame5.visible);
  drawLabel(Label4, f.Label4);
  drawButton(Command2, f.Command2);
  tab1->sync();
}

} // namespace ui
