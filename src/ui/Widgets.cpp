#include "ui/Widgets.h"

#include "ui/Fonts.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>

namespace ui {

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
  QLabel::mousePressEvent(event);
  emit clicked();
}

void nameControl(QWidget *widget, const QString &name, int index)
{
  widget->setObjectName(index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index));
  widget->setProperty("vaticorControl", name);
  widget->setProperty("vaticorIndex", index);
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

QPushButton *newButton(const controls::Button &model)
{
  auto *b = new QPushButton(model.caption);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

void drawLabel(QLabel *widget, const controls::Label &label)
{
  QString text = label.caption;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (widget->text() != text)
    widget->setText(text);
  widget->setVisible(label.visible);
  if (controls::alpha(label.backColour) != 0) {
    const QString style =
        QStringLiteral("background:%1;").arg(QColor::fromRgb(static_cast<QRgb>(label.backColour)).name());
    if (widget->styleSheet() != style)
      widget->setStyleSheet(style);
  }
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
