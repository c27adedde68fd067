#include "ui/SignEvolutionPanel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

SignEvolutionPanel::SignEvolutionPanel(vaticor::Qmodelop &form, QWidget *parent) : QWidget(parent), form_(form)
{
  nameControl(this, QStringLiteral("Frame17"));
  auto *v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  Label53 = newLabel(this, true);
  tabl1x2 = new GridWidget(form.tabl1x2, this);
  nameControl(tabl1x2, QStringLiteral("tabl1x2"));
  Label14 = newLabel(this, true);
  Command5 = newButton(this, form.Command5, QStringLiteral("Command5"));
  Command24 = newButton(this, form.Command24, QStringLiteral("Command24"));
  v->addLayout(captionRow(Label53, Command5, Command24));
  v->addWidget(tabl1x2, 0, Qt::AlignLeft);
  v->addWidget(Label14);
  v->addStretch(1);
}

void SignEvolutionPanel::draw()
{
  const vaticor::Qmodelop &f = form_;
  setVisible(f.Frame17.visible);
  drawLabel(Label53, f.Label53);
  drawLabel(Label14, f.Label14);
  drawButton(Command5, f.Command5);
  drawButton(Command24, f.Command24);
  tabl1x2->sync();
}

} // namespace ui
