#include "ui/GeneralStandingsPanel.h"

#include <QVBoxLayout>

namespace ui {

GeneralStandingsPanel::GeneralStandingsPanel(vaticor::Qmodelop &form, QWidget *parent) : QWidget(parent), form_(form)
{
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Label18 = newLabel(this);
  QFont bold = Label18->font();
  bold.setBold(true);
  Label18->setFont(bold);
  // On a narrow screen the season's title takes two lines rather than widening the column.
  Label18->setWordWrap(true);
  Label10 = newLabel(this, true);
  Label11 = newLabel(this, true);
  // The column is as wide as the standings grid; its captions wrap.
  Label10->setWordWrap(true);
  Label11->setWordWrap(true);
  tablag = new GridWidget(form.tablag, this);
  nameControl(tablag, QStringLiteral("tablag"));
  Label3 = newLabel(this);
  Label48 = newPrintLabel(this, QStringLiteral("Label48"));
  layout->addWidget(Label18);
  layout->addWidget(Label48, 0, Qt::AlignLeft);
  layout->addWidget(Label10);
  layout->addWidget(Label11);
  layout->addWidget(tablag);
  layout->addStretch(1);
  layout->addWidget(Label3);
}

void GeneralStandingsPanel::draw()
{
  const vaticor::Qmodelop &f = form_;
  drawLabel(Label18, f.Label18);
  drawLabel(Label48, f.Label48);
  drawLabel(Label10, f.Label10);
  drawLabel(Label11, f.Label11);
  drawLabel(Label3, f.Label3);
  tablag->sync();
}

} // namespace ui
