#include "ui/Widgets.h"

#include "ui/Fonts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>

namespace ui {

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
  QLabel::mousePressEvent(event);
  emit clicked();
}

void PathLabel::setPath(const QString &path)
{
  if (path == path_)
    return;
  path_ = path;
  setToolTip(path);
  elide();
}

void PathLabel::resizeEvent(QResizeEvent *event)
{
  QLabel::resizeEvent(event);
  elide();
}

void PathLabel::elide()
{
  const QString shown = fontMetrics().elidedText(path_, Qt::ElideMiddle, std::max(contentsRect().width(), 1));
  if (text() != shown)
    setText(shown);
}

void nameControl(QObject *control, const QString &name, int index)
{
  control->setObjectName(index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index));
  control->setProperty("vaticorControl", name);
  control->setProperty("vaticorIndex", index);
}

QString controlName(const QObject *widget)
{
  return widget->property("vaticorControl").toString();
}

int controlIndex(const QObject *widget)
{
  const QVariant index = widget->property("vaticorIndex");
  return index.isValid() ? index.toInt() : -1;
}

QLabel *newLabel(QWidget *parent, bool fixed)
{
  auto *label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  if (fixed)
    label->setFont(fixedFont(8));
  return label;
}

ClickLabel *newClickLabel(QWidget *parent, bool fixed)
{
  auto *label = new ClickLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setCursor(Qt::PointingHandCursor);
  if (fixed)
    label->setFont(fixedFont(8));
  return label;
}

ClickLabel *newPrintLabel(QWidget *parent, const QString &name)
{
  ClickLabel *label = newClickLabel(parent);
  nameControl(label, name);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Raised);
  return label;
}

QPushButton *newButton(const controls::Button &model)
{
  auto *b = new QPushButton(model.caption);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

QPushButton *newButton(QWidget *parent, const controls::Button &model, const QString &name)
{
  QPushButton *b = newButton(model);
  b->setParent(parent);
  nameControl(b, name);
  return b;
}

QHBoxLayout *captionRow(QWidget *caption, QWidget *print, QWidget *second)
{
  auto *row = new QHBoxLayout;
  row->addWidget(caption);
  row->addSpacing(16);
  row->addWidget(print);
  if (second)
    row->addWidget(second);
  row->addStretch(1);
  return row;
}

void bindText(QLineEdit *widget, controls::TextBox &box)
{
  QObject::connect(widget, &QLineEdit::textEdited, widget, [&box](const QString &text) { box.text = text; });
}

void drawLabel(QLabel *widget, const controls::Label &label)
{
  QString text = label.caption;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (widget->text() != text)
    widget->setText(text);
  widget->setVisible(label.visible);
  // The model's colour replaces the window's look, and goes with it.
  const bool coloured = controls::alpha(label.backColour) != 0;
  if (!coloured && !widget->property("vaticorColoured").toBool())
    return;
  const QString style =
      coloured ? QStringLiteral("background:%1;").arg(QColor::fromRgb(static_cast<QRgb>(label.backColour)).name()) : QString();
  if (widget->styleSheet() != style)
    widget->setStyleSheet(style);
  widget->setProperty("vaticorColoured", coloured);
}

void drawButton(QPushButton *widget, const controls::Button &button)
{
  if (widget->text() != button.caption)
    widget->setText(button.caption);
  if (widget->toolTip() != button.toolTip)
    widget->setToolTip(button.toolTip);
  widget->setVisible(button.visible);
  widget->setEnabled(button.enabled);
}

void drawCheck(QCheckBox *widget, const controls::CheckBox &check)
{
  if (widget->text() != check.caption)
    widget->setText(check.caption);
  const bool on = check.value == 1;
  if (widget->isChecked() != on)
    widget->setChecked(on);
  widget->setVisible(check.visible);
}

void drawText(QLineEdit *widget, const controls::TextBox &box)
{
  if (widget->text() != box.text)
    widget->setText(box.text);
  widget->setVisible(box.visible);
  widget->setEnabled(box.enabled);
}

} // namespace ui
