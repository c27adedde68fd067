#include "ui/JornadaControls.h"

#include "ui/Fonts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {

QLineEdit *box(QWidget *parent, const QString &name, int width, const QString &style)
{
  auto *line = new QLineEdit(parent);
  nameControl(line, name);
  line->setFont(fixedFont(10));
  line->setFixedWidth(width);
  line->setStyleSheet(style);
  return line;
}

} // namespace

JornadaControls::JornadaControls(vaticor::Qmodelop &form, QWidget *parent) : QWidget(parent), form_(form)
{
  auto *grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(4);

  Text1 = box(this, QStringLiteral("Text1"), 44, QStringLiteral("background:black; color:white;"));
  bindText(Text1, form.Text1);
  // The black box takes its keys one by one, as the window passes them to the form.
  Text2 = box(this, QStringLiteral("Text2"), 30, QStringLiteral("background:black; color:yellow;"));
  Text2->setReadOnly(true);
  Text3 = box(this, QStringLiteral("Text3"), 44, QStringLiteral("background:#ffc0cb; color:black;"));
  bindText(Text3, form.Text3);

  Command6 = newButton(this, form.Command6, QStringLiteral("Command6"));
  Command30 = newButton(this, form.Command30, QStringLiteral("Command30"));
  Command30->setToolTip(form.Command30.toolTip);
  Command7 = newButton(this, form.Command7, QStringLiteral("Command7"));
  Command12 = newButton(this, form.Command12, QStringLiteral("Command12"));
  Command11 = newButton(this, form.Command11, QStringLiteral("Command11"));
  Command4 = newButton(this, form.Command4, QStringLiteral("Command4"));
  Command3 = newButton(this, form.Command3, QStringLiteral("Command3"));
  Command8 = newButton(this, form.Command8, QStringLiteral("Command8"));
  Command9 = newButton(this, form.Command9, QStringLiteral("Command9"));
  Command10 = newButton(this, form.Command10, QStringLiteral("Command10"));
  Command13 = newButton(this, form.Command13, QStringLiteral("Command13"));
  Command1 = newButton(this, form.Command1, QStringLiteral("Command1"));
  Command14 = newButton(this, form.Command14, QStringLiteral("Command14"));
  Command15 = newButton(this, form.Command15, QStringLiteral("Command15"));
  // The red mode button: the whole jornada or one match at a time.
  Command16 = newButton(this, form.Command16, QStringLiteral("Command16"));
  Command16->setStyleSheet(QStringLiteral("background:#ff0000; color:white; font-weight:bold;"));

  auto *boxes = new QHBoxLayout;
  boxes->addWidget(new QLabel(QStringLiteral("Jornada:"), this));
  boxes->addWidget(Text1);
  boxes->addWidget(Text2);
  boxes->addSpacing(12);
  boxes->addWidget(new QLabel(QStringLiteral("Quiniela nº:"), this));
  boxes->addWidget(Text3);
  boxes->addStretch(1);
  grid->addLayout(boxes, 0, 0, 1, 3);
  QPushButton *const order[] = {Command6,  Command30, Command13, Command7, Command12, Command16,
                                Command11, Command4,  Command3,  Command8, Command9,  Command10,
                                Command1,  Command14, Command15};
  for (int i = 0; i < 15; ++i)
    grid->addWidget(order[i], 1 + i / 3, i % 3);
}

void JornadaControls::draw()
{
  const vaticor::Qmodelop &f = form_;
  drawText(Text1, f.Text1);
  drawText(Text2, f.Text2);
  drawText(Text3, f.Text3);
  for (auto [widget, model] :
       {std::pair{Command1, &f.Command1}, std::pair{Command3, &f.Command3}, std::pair{Command4, &f.Command4},
        std::pair{Command6, &f.Command6}, std::pair{Command7, &f.Command7}, std::pair{Command8, &f.Command8},
        std::pair{Command9, &f.Command9}, std::pair{Command10, &f.Command10}, std::pair{Command11, &f.Command11},
        std::pair{Command12, &f.Command12}, std::pair{Command13, &f.Command13}, std::pair{Command14, &f.Command14},
        std::pair{Command15, &f.Command15}, std::pair{Command16, &f.Command16}, std::pair{Command30, &f.Command30}})
    drawButton(widget, *model);
}

} // namespace ui
