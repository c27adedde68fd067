#include "ui/CouponPanel.h"

#include "ui/Fonts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace ui {

CouponPanel::CouponPanel(vaticor::Qmodelop &form, QWidget *parent) : QWidget(parent), form_(form)
{
  nameControl(this, QStringLiteral("Frame9"));
  auto *v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(3);

  // The title, in white on navy: a click clears the coupon.
  auto *titleRow = new QHBoxLayout;
  Label49 = newClickLabel(this);
  nameControl(Label49, QStringLiteral("Label49"));
  QFont bold = Label49->font();
  bold.setBold(true);
  Label49->setFont(bold);
  Label49->setStyleSheet(QStringLiteral("background:#000080; color:white; padding:2px;"));
  label42 = newClickLabel(this);
  nameControl(label42, QStringLiteral("label42"));
  label42->setStyleSheet(QStringLiteral("color:#000080; text-decoration:underline;"));
  Label43 = newClickLabel(this);
  nameControl(Label43, QStringLiteral("Label43"));
  Label43->setFrameShape(QFrame::Panel);
  // Above the grid, beside its title, so that the coupon keeps its rows and columns on the screen.
  playedNote = newLabel(this);
  nameControl(playedNote, QStringLiteral("playedNote"));
  playedNote->setStyleSheet(QStringLiteral("background:#fff3c4; color:#8a3b00; padding:2px 6px; font-weight:bold;"));
  playedNote->hide();
  modelNote = newLabel(this);
  nameControl(modelNote, QStringLiteral("modelNote"));
  modelNote->setStyleSheet(QStringLiteral("color:#444; padding:2px 6px;"));
  modelNote->hide();
  titleRow->addWidget(Label49, 1);
  titleRow->addWidget(playedNote);
  titleRow->addWidget(label42);
  titleRow->addWidget(Label43);
  v->addLayout(titleRow);

  const struct {
    QPushButton **widget;
    const controls::Button &model;
    const char *name;
  } buttons[] = {{&Command18, form.Command18, "Command18"}, {&Command19, form.Command19, "Command19"},
                 {&Command31, form.Command31, "Command31"}, {&Command17, form.Command17, "Command17"},
                 {&Command20, form.Command20, "Command20"}, {&Command21, form.Command21, "Command21"},
                 {&Command22, form.Command22, "Command22"}, {&Command32, form.Command32, "Command32"},
                 {&Command29, form.Command29, "Command29"}, {&Command23, form.Command23, "Command23"},
                 {&Command40, form.Command40, "Command40"}};
  for (const auto &b : buttons)
    *b.widget = newButton(this, b.model, QLatin1String(b.name));
  Command19->setStyleSheet(QStringLiteral("font-weight:bold;"));
  for (QPushButton *arrow : {Command17, Command31, Command20, Command21})
    arrow->setFixedWidth(arrow->fontMetrics().horizontalAdvance(QStringLiteral("<<")) + 18);

  Text5 = new QLineEdit(this);
  nameControl(Text5, QStringLiteral("Text5"));
  Text5->setFont(fixedFont(10));
  Text5->setFixedWidth(40);
  Text5->setStyleSheet(QStringLiteral("background:#ffc0cb; color:black;"));
  bindText(Text5, form.Text5);

  auto *row = new QHBoxLayout;
  for (QPushButton *b : {Command18, Command19, Command31, Command17})
    row->addWidget(b);
  row->addSpacing(16);
  row->addWidget(new QLabel(QStringLiteral("Pronóstico nº:"), this));
  row->addWidget(Command20);
  row->addWidget(Text5);
  row->addWidget(Command21);
  for (QPushButton *b : {Command22, Command32, Command29, Command23, Command40})
    row->addWidget(b);
  row->addStretch(1);
  v->addLayout(row);

  // One switch per column of the coupon; a ticked one hides its column.
  auto *switches = new QHBoxLayout;
  switches->setSpacing(6);
  for (int i = 0; i < 14; ++i) {
    Check2[i] = new QCheckBox(this);
    nameControl(Check2[i], QStringLiteral("Check2"), i);
    Check2[i]->setFocusPolicy(Qt::NoFocus);
    switches->addWidget(Check2[i]);
  }
  // Above the model's columns, on the right, in whatever room the switches leave.
  modelNote->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  switches->addSpacing(16);
  switches->addWidget(modelNote, 1);
  v->addLayout(switches);

  tablap = new GridWidget(form.tablap, this);
  nameControl(tablap, QStringLiteral("tablap"));
  tablap->setFollowsFontSize(true);
  tablap->setColumnsFitText(true);
  // The score model at the coupon's size, so that its rows stand level with the coupon's.
  tablam = new GridWidget(form.tablam, this);
  nameControl(tablam, QStringLiteral("tablam"));
  tablam->setColumnsFitText(true);
  auto *grids = new QHBoxLayout;
  grids->setSpacing(2);
  grids->addWidget(tablap, 0, Qt::AlignTop);
  grids->addWidget(tablam, 0, Qt::AlignTop);
  grids->addStretch(1);
  v->addLayout(grids);

  // The figures: a click on each recomputes, or changes the grid's look.
  auto *figures = new QHBoxLayout;
  Label47 = newClickLabel(this);
  Label46 = newClickLabel(this, true);
  Label6 = newClickLabel(this);
  Label9 = newClickLabel(this, true);
  Label22 = newLabel(this);
  Label25 = newLabel(this, true);
  nameControl(Label47, QStringLiteral("Label47"));
  nameControl(Label46, QStringLiteral("Label46"));
  nameControl(Label6, QStringLiteral("Label6"));
  nameControl(Label9, QStringLiteral("Label9"));
  nameControl(Label22, QStringLiteral("Label22"));
  nameControl(Label25, QStringLiteral("Label25"));
  for (QLabel *value : {static_cast<QLabel *>(Label46), static_cast<QLabel *>(Label9), Label25}) {
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QString(16, u'0')));
  }
  figures->addWidget(Label47);
  figures->addWidget(Label46);
  figures->addSpacing(20);
  figures->addWidget(Label6);
  figures->addWidget(Label9);
  figures->addSpacing(20);
  figures->addWidget(Label22);
  figures->addWidget(Label25);
  figures->addStretch(1);
  v->addLayout(figures);

  // The instructions take the height the coupon leaves and scroll within
  // it, so that the grid with its 31 rows stays whole on the screen.
  instructions_ = new QScrollArea(this);
  instructions_->setWidgetResizable(true);
  instructions_->setFrameShape(QFrame::StyledPanel);
  instructions_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Label39 = newLabel(instructions_);
  nameControl(Label39, QStringLiteral("Label39"));
  Label39->setWordWrap(true);
  Label39->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label39->setStyleSheet(QStringLiteral("background:#ffffe0;"));
  instructions_->setWidget(Label39);
  instructions_->setMinimumHeight(4 * Label39->fontMetrics().lineSpacing());
  v->addWidget(instructions_, 1);
}

void CouponPanel::draw()
{
  const vaticor::Qmodelop &f = form_;
  setVisible(f.Frame9.visible);
  for (auto [widget, label] : {std::pair{static_cast<QLabel *>(Label49), &f.Label49},
                               std::pair{static_cast<QLabel *>(label42), &f.label42},
                               std::pair{static_cast<QLabel *>(Label43), &f.Label43},
                               std::pair{static_cast<QLabel *>(Label46), &f.Label46},
                               std::pair{static_cast<QLabel *>(Label47), &f.Label47},
                               std::pair{static_cast<QLabel *>(Label6), &f.Label6},
                               std::pair{static_cast<QLabel *>(Label9), &f.Label9},
                               std::pair{Label22, &f.Label22}, std::pair{Label25, &f.Label25},
                               std::pair{Label39, &f.Label39}, std::pair{playedNote, &f.playedNote}, std::pair{modelNote, &f.modelNote}})
    drawLabel(widget, *label);
  modelNote->setToolTip(f.modelNoteDetail);
  // The instructions show once the coupon has been prepared.
  instructions_->setVisible(f.Label39.visible && !f.Label39.caption.isEmpty());
  for (auto [widget, button] :
       {std::pair{Command18, &f.Command18}, std::pair{Command19, &f.Command19}, std::pair{Command17, &f.Command17},
        std::pair{Command31, &f.Command31}, std::pair{Command22, &f.Command22}, std::pair{Command20, &f.Command20},
        std::pair{Command21, &f.Command21}, std::pair{Command32, &f.Command32}, std::pair{Command29, &f.Command29},
        std::pair{Command23, &f.Command23}, std::pair{Command40, &f.Command40}})
    drawButton(widget, *button);
  drawText(Text5, f.Text5);
  for (int i = 0; i < 14; ++i)
    drawCheck(Check2[i], f.Check2[i]);
  tablap->sync();
  if (f.tablap.fontSize > 0 && f.tablap.fontSize != tablam->textSize())
    tablam->setTextSize(f.tablap.fontSize);
  tablam->sync();
}

StatsPanel::StatsPanel(vaticor::Qmodelop &form, QWidget *parent) : QWidget(parent), form_(form)
{
  nameControl(this, QStringLiteral("Frame13"));
  auto *v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(3);
  auto *top = new QHBoxLayout;
  Label5 = newLabel(this);
  nameControl(Label5, QStringLiteral("Label5"));
  Label5->setWordWrap(true);
  Command34 = newButton(this, form.Command34, QStringLiteral("Command34"));
  Command33 = newButton(this, form.Command33, QStringLiteral("Command33"));
  Command33->setStyleSheet(QStringLiteral("font-weight:bold;"));
  top->addWidget(Label5, 1);
  top->addWidget(Command34, 0, Qt::AlignTop);
  top->addWidget(Command33, 0, Qt::AlignTop);
  v->addLayout(top);
  // 56 values side by side: the tables take a small size to stand whole on the screen.
  tablac = new GridWidget(form.tablac, this);
  nameControl(tablac, QStringLiteral("tablac"));
  tablacs = new GridWidget(form.tablacs, this);
  nameControl(tablacs, QStringLiteral("tablacs"));
  for (GridWidget *grid : {tablac, tablacs}) {
    grid->setTextSize(5);
    v->addWidget(grid, 0, Qt::AlignLeft);
  }
  v->addStretch(1);
}

void StatsPanel::draw()
{
  const vaticor::Qmodelop &f = form_;
  setVisible(f.Frame13.visible);
  drawLabel(Label5, f.Label5);
  drawButton(Command33, f.Command33);
  drawButton(Command34, f.Command34);
  tablac->sync();
  tablacs->sync();
}

} // namespace ui
