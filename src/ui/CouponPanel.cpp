#include "ui/CouponPanel.h"

#include "ui/Fonts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

void moveTo(controls::Grid &grid, int row, int col)
{
  grid.row = grid.rowSel = row;
  grid.col = grid.colSel = col;
}

} // namespace

CouponPanel::CouponPanel(vaticor::Qmodelop &form, Runner run, QWidget *parent)
    : QWidget(parent), form_(form), run_(std::move(run))
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
  titleRow->addWidget(Label49, 1);
  titleRow->addWidget(label42);
  titleRow->addWidget(Label43);
  v->addLayout(titleRow);

  const vaticor::Qmodelop &f = form_;
  auto button = [this](QPushButton *&widget, const controls::Button &model, const char *name, void (vaticor::Qmodelop::*click)()) {
    widget = newButton(model);
    nameControl(widget, QLatin1String(name));
    vaticor::Qmodelop *form = &form_;
    connect(widget, &QPushButton::clicked, this, [this, form, click] { run_([form, click] { (form->*click)(); }); });
  };
  button(Command18, f.Command18, "Command18", &vaticor::Qmodelop::Command18_Click);
  button(Command19, f.Command19, "Command19", &vaticor::Qmodelop::Command19_Click);
  button(Command31, f.Command31, "Command31", &vaticor::Qmodelop::Command31_Click);
  button(Command17, f.Command17, "Command17", &vaticor::Qmodelop::Command17_Click);
  button(Command20, f.Command20, "Command20", &vaticor::Qmodelop::Command20_Click);
  button(Command21, f.Command21, "Command21", &vaticor::Qmodelop::Command21_Click);
  button(Command22, f.Command22, "Command22", &vaticor::Qmodelop::Command22_Click);
  button(Command32, f.Command32, "Command32", &vaticor::Qmodelop::Command32_Click);
  button(Command29, f.Command29, "Command29", &vaticor::Qmodelop::Command29_Click);
  button(Command23, f.Command23, "Command23", &vaticor::Qmodelop::Command23_Click);
  button(Command40, f.Command40, "Command40", &vaticor::Qmodelop::sistemas_Open);
  Command19->setStyleSheet(QStringLiteral("font-weight:bold;"));
  for (QPushButton *arrow : {Command17, Command31, Command20, Command21})
    arrow->setFixedWidth(arrow->fontMetrics().horizontalAdvance(QStringLiteral("<<")) + 18);

  Text5 = new QLineEdit(this);
  nameControl(Text5, QStringLiteral("Text5"));
  Text5->setFont(fixedFont(10));
  Text5->setFixedWidth(40);
  Text5->setStyleSheet(QStringLiteral("background:#ffc0cb; color:black;"));
  connect(Text5, &QLineEdit::textEdited, this, [this](const QString &t) { form_.Text5.text = t; });

  auto *buttons = new QHBoxLayout;
  for (QPushButton *b : {Command18, Command19, Command31, Command17})
    buttons->addWidget(b);
  buttons->addSpacing(16);
  buttons->addWidget(new QLabel(QStringLiteral("Pronóstico nº:"), this));
  buttons->addWidget(Command20);
  buttons->addWidget(Text5);
  buttons->addWidget(Command21);
  for (QPushButton *b : {Command22, Command32, Command29, Command23, Command40})
    buttons->addWidget(b);
  buttons->addStretch(1);
  v->addLayout(buttons);

  // One switch per column of the coupon; a ticked one hides its column.
  auto *switches = new QHBoxLayout;
  switches->setSpacing(6);
  for (int i = 0; i < 14; ++i) {
    Check2[i] = new QCheckBox(this);
    nameControl(Check2[i], QStringLiteral("Check2"), i);
    Check2[i]->setFocusPolicy(Qt::NoFocus);
    connect(Check2[i], &QCheckBox::clicked, this, [this, i](bool on) {
      run_([this, i, on] {
        form_.Check2[i].value = on ? 1 : 0;
        form_.Check2_Click(i);
      });
    });
    switches->addWidget(Check2[i]);
  }
  switches->addStretch(1);
  v->addLayout(switches);

  tablap = new GridWidget(this);
  nameControl(tablap, QStringLiteral("tablap"));
  tablap->setFollowsFontSize(true);
  connect(tablap, &GridWidget::cellPicked, this, [this](int r, int c) {
    run_([this, r, c] {
      moveTo(form_.tablap, r, c);
      form_.tablap_Click(r, c);
    });
  });
  tablam = new GridWidget(this);
  nameControl(tablam, QStringLiteral("tablam"));
  tablam->setFollowsFontSize(true);
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

  Label39 = newLabel(this);
  nameControl(Label39, QStringLiteral("Label39"));
  Label39->setWordWrap(true);
  Label39->setFrameShape(QFrame::StyledPanel);
  Label39->setStyleSheet(QStringLiteral("background:#ffffe0;"));
  v->addWidget(Label39);
  v->addStretch(1);

  connect(Label49, &ClickLabel::clicked, this, [this] { run_([this] { form_.Label49_Click(); }); });
  connect(label42, &ClickLabel::clicked, this, [this] { run_([this] { form_.label42_Click(); }); });
  connect(Label43, &ClickLabel::clicked, this,
          [this] { run_.print(QStringLiteral("Quiniela"), [this] { form_.Label43_Click(); }); });
  connect(Label46, &ClickLabel::clicked, this, [this] { run_([this] { form_.Label46_Click(); }); });
  connect(Label47, &ClickLabel::clicked, this, [this] { run_([this] { form_.Label47_Click(); }); });
  connect(Label6, &ClickLabel::clicked, this, [this] { run_([this] { form_.Label6_Click(); }); });
  connect(Label9, &ClickLabel::clicked, this, [this] { run_([this] { form_.Label9_Click(); }); });
}

void CouponPanel::draw()
{
  const vaticor::Qmodelop &f = form_;
  for (auto [widget, label] : {std::pair{static_cast<QLabel *>(Label49), &f.Label49},
                               std::pair{static_cast<QLabel *>(label42), &f.label42},
                               std::pair{static_cast<QLabel *>(Label43), &f.Label43},
                               std::pair{static_cast<QLabel *>(Label46), &f.Label46},
                               std::pair{static_cast<QLabel *>(Label47), &f.Label47},
                               std::pair{static_cast<QLabel *>(Label6), &f.Label6},
                               std::pair{static_cast<QLabel *>(Label9), &f.Label9},
                               std::pair{Label22, &f.Label22}, std::pair{Label25, &f.Label25},
                               std::pair{Label39, &f.Label39}})
    drawLabel(widget, *label);
  // The instructions show once the coupon has been prepared.
  Label39->setVisible(f.Label39.visible && !f.Label39.caption.isEmpty());
  for (auto [widget, button] :
       {std::pair{Command18, &f.Command18}, std::pair{Command19, &f.Command19}, std::pair{Command17, &f.Command17},
        std::pair{Command31, &f.Command31}, std::pair{Command22, &f.Command22}, std::pair{Command20, &f.Command20},
        std::pair{Command21, &f.Command21}, std::pair{Command32, &f.Command32}, std::pair{Command29, &f.Command29},
        std::pair{Command23, &f.Command23}, std::pair{Command40, &f.Command40}})
    drawButton(widget, *button);
  drawText(Text5, f.Text5);
  for (int i = 0; i < 14; ++i)
    drawCheck(Check2[i], f.Check2[i]);
  tablap->draw(f.tablap);
  tablap->setFixedSize(tablap->fullSize());
  // The model's grid at the coupon's size, so that its rows stand level with the coupon's.
  controls::Grid model = f.tablam;
  model.fontSize = f.tablap.fontSize;
  tablam->draw(model);
  tablam->setFixedSize(tablam->fullSize());
}

StatsPanel::StatsPanel(vaticor::Qmodelop &form, Runner run, QWidget *parent)
    : QWidget(parent), form_(form), run_(std::move(run))
{
  nameControl(this, QStringLiteral("Frame13"));
  auto *v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(3);
  auto *top = new QHBoxLayout;
  Label5 = newLabel(this);
  nameControl(Label5, QStringLiteral("Label5"));
  Label5->setWordWrap(true);
  Command34 = newButton(form.Command34);
  nameControl(Command34, QStringLiteral("Command34"));
  Command33 = newButton(form.Command33);
  nameControl(Command33, QStringLiteral("Command33"));
  Command33->setStyleSheet(QStringLiteral("font-weight:bold;"));
  top->addWidget(Label5, 1);
  top->addWidget(Command34, 0, Qt::AlignTop);
  top->addWidget(Command33, 0, Qt::AlignTop);
  v->addLayout(top);
  // 56 values side by side: the tables take a small size to stand whole on the screen.
  tablac = new GridWidget(this);
  nameControl(tablac, QStringLiteral("tablac"));
  tablacs = new GridWidget(this);
  nameControl(tablacs, QStringLiteral("tablacs"));
  for (GridWidget *grid : {tablac, tablacs}) {
    grid->setTextSize(5);
    v->addWidget(grid, 0, Qt::AlignLeft);
  }
  v->addStretch(1);
  connect(Command33, &QPushButton::clicked, this, [this] { run_([this] { form_.Command33_Click(); }); });
  connect(Command34, &QPushButton::clicked, this,
          [this] { run_.print(QStringLiteral("Estadistica"), [this] { form_.Command34_Click(); }); });
}

void StatsPanel::draw()
{
  const vaticor::Qmodelop &f = form_;
  drawLabel(Label5, f.Label5);
  drawButton(Command33, f.Command33);
  drawButton(Command34, f.Command34);
  tablac->draw(f.tablac);
  tablac->setFixedSize(tablac->fullSize());
  tablacs->draw(f.tablacs);
  tablacs->setFixedSize(tablacs->fullSize());
}

} // namespace ui
