#include "ui/StartPanel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

StartPanel::StartPanel(vaticor::Qmodelop &form, QWidget *parent) : QWidget(parent), form_(form)
{
  nameControl(this, QStringLiteral("start"));
  // A card in the middle of the window, the choices one under the other.
  auto *outer = new QHBoxLayout(this);
  auto *card = new QFrame(this);
  card->setFrameShape(QFrame::StyledPanel);
  card->setMaximumWidth(760);
  outer->addStretch(1);
  outer->addWidget(card, 4, Qt::AlignTop);
  outer->addStretch(1);
  auto *v = new QVBoxLayout(card);
  v->setContentsMargins(24, 20, 24, 20);
  v->setSpacing(10);

  title = new QLabel(QStringLiteral("Bienvenido a Vaticor"), card);
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  big.setBold(true);
  title->setFont(big);
  Label1 = newLabel(card);
  nameControl(Label1, QStringLiteral("startLabel"));
  Label1->setWordWrap(true);
  v->addWidget(title);
  v->addWidget(Label1);

  auto button = [card](const char *name) {
    auto *b = new QPushButton(card);
    nameControl(b, QLatin1String(name));
    b->setMinimumHeight(b->sizeHint().height() + 8);
    b->setStyleSheet(QStringLiteral("text-align:left; padding:4px 12px;"));
    return b;
  };
  startInternet = button("startInternet");
  startImport = button("startImport");
  startOpen = button("startOpen");
  QFont bold = startInternet->font();
  bold.setBold(true);
  startInternet->setFont(bold);
  for (QPushButton *b : {startInternet, startImport, startOpen})
    v->addWidget(b);

  seasonsHeading = new QLabel(QStringLiteral("O abra una de las temporadas que trae el programa:"), card);
  v->addSpacing(6);
  v->addWidget(seasonsHeading);
  auto *grid = new QGridLayout;
  grid->setSpacing(6);
  for (int i = 0; i < int(startSeason.size()); ++i) {
    startSeason[i] = new QPushButton(card);
    nameControl(startSeason[i], QStringLiteral("startSeason"), i);
    startSeason[i]->setStyleSheet(QStringLiteral("text-align:left; padding:3px 10px;"));
    grid->addWidget(startSeason[i], i / 2, i % 2);
  }
  v->addLayout(grid);
  v->addStretch(1);
}

void StartPanel::draw()
{
  const vaticor::StartPanel &s = form_.start;
  setVisible(s.visible);
  if (!s.visible)
    return;
  drawLabel(Label1, s.Label1);
  drawButton(startInternet, s.startInternet);
  drawButton(startImport, s.startImport);
  drawButton(startOpen, s.startOpen);
  seasonsHeading->setVisible(!s.seasons.isEmpty());
  for (int i = 0; i < int(startSeason.size()); ++i) {
    const bool shown = i < s.seasons.size();
    startSeason[i]->setVisible(shown);
    if (shown && startSeason[i]->text() != s.seasons[i].caption)
      startSeason[i]->setText(s.seasons[i].caption);
  }
}

} // namespace ui
