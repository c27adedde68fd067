#include "ui/CreditsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

CreditsDialog::CreditsDialog(const version::CreditsWindow &model, QWidget *parent) : QDialog(parent)
{
  setObjectName(QStringLiteral("creditos"));
  setWindowTitle(model.caption);
  setModal(true);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 16, 18, 12);
  layout->setSpacing(14);

  auto *title = new QLabel(model.heading, this);
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  title->setFont(big);
  auto *subtitle = new QLabel(model.subheading, this);
  subtitle->setVisible(!model.subheading.isEmpty());
  auto *heading = new QVBoxLayout;
  heading->setSpacing(2);
  heading->addWidget(title);
  heading->addWidget(subtitle);
  layout->addLayout(heading);

  auto *form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight);
  form->setHorizontalSpacing(12);
  for (const auto &[name, value] : model.properties) {
    auto *caption = new QLabel(name, this);
    auto *text = new QLabel(value, this);
    text->setTextFormat(Qt::PlainText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setWordWrap(true);
    form->addRow(caption, text);
  }
  layout->addLayout(form);

  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  setMinimumWidth(480);
}

} // namespace ui
