#pragma once
// The results grid `Frame5`: every meeting of the season, club against club.

#include "form/Qmodelop.h"
#include "ui/GridWidget.h"
#include "ui/Widgets.h"

#include <QWidget>

class QPushButton;

namespace ui {

class ResultsGridPanel : public QWidget {
  Q_OBJECT
public:
  explicit ResultsGridPanel(vaticor::Qmodelop &form, QWidget *parent = nullptr);
  void draw();

  QLabel *Label4;
  GridWidget *tab1;
  QPushButton *Command2;

private:
  vaticor::Qmodelop &form_;
};

} // namespace ui
