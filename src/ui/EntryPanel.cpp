#include "ui/EntryPanel.h"

#include "ui/Fonts.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ui {

EntryPanel::EntryPanel(vaticor::Qmodelop &form, Runner run, QWidget *parent)
    : QWidget(parent), form_(form), run_(std::move(run))
{
  auto *v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);

  Frame10 = new QGroupBox(this);
  nameControl(Frame10, QStringLiteral("Frame10"));
  auto *entry = new QVBoxLayout(Frame10);
  entry->setContentsMargins(4, 2, 4, 4);
  entry->setSpacing(0);
  Label17 = newLabel(Frame10);
  nameControl(Label17, QStringLiteral("Label17"));
  Label15 = new QLineEdit(Frame10);
  nameControl(Label15, QStringLiteral("Label15"));
  Label15->setReadOnly(true);
  Label15->setFocusPolicy(Qt::NoFocus);
  Label15->setStyleSheet(QStringLiteral("background:transparent; border:1px solid transparent; padding:1px 2px;"));
  Text4 = new QLineEdit(Frame10);
  nameControl(Text4, QStringLiteral("Text4"));
  Text4->setStyleSheet(QStringLiteral("background:#1e50c8; color:white; border:1px solid black; padding:1px 2px;"));
  for (QLineEdit *line : {Label15, Text4}) {
    line->setFont(fixedFont(10));
    line->setMinimumWidth(line->fontMetrics().horizontalAdvance(QString(26, u'0')) + 8);
  }
  entry->addWidget(Label17);
  entry->addWidget(Label15);
  entry->addWidget(Text4);
  // Keys other than Enter type into the line; Enter confirms the step open.
  bindText(Text4, form.Text4);
  connect(Text4, &QLineEdit::returnPressed, this, [this] { run_([this] { form_.Text4_KeyPress(13); }); });

  Frame11 = new QWidget(this);
  nameControl(Frame11, QStringLiteral("Frame11"));
  auto *idle = new QVBoxLayout(Frame11);
  idle->setContentsMargins(0, 0, 0, 0);
  // The season's path takes the room left and no more, so that a long path
  // never widens the window past a small screen.
  Label1 = new PathLabel(Frame11);
  Label1->setTextFormat(Qt::PlainText);
  nameControl(Label1, QStringLiteral("Label1"));
  Label1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  idle->addStretch(1);
  idle->addWidget(Label1);

  v->addWidget(Frame10);
  v->addWidget(Frame11);
}

void EntryPanel::draw()
{
  const vaticor::Qmodelop &f = form_;
  Frame10->setVisible(f.Frame10.visible);
  Frame10->setTitle(f.Frame10.caption);
  Frame11->setVisible(f.Frame11.visible);
  drawLabel(Label17, f.Label17);
  if (Label15->text() != f.Label15.caption)
    Label15->setText(f.Label15.caption);
  drawText(Text4, f.Text4);
  Label1->setPath(f.Label1.caption);
  Label1->setVisible(f.Label1.visible);
}

} // namespace ui
